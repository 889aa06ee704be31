// Valdro art generator: draws every image of the game into <run folder>/img.
// Usage: valdro_art_gen <run folder>
#include <cstdio>
#include <exception>

#include "families.hpp"
#include "kit.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <run folder>\n", argv[0]);
        return 2;
    }
    try {
        valdro::art::set_out_root(argv[1]);
        valdro::art::draw_player();
        valdro::art::draw_enemies();
        valdro::art::draw_bosses();
        valdro::art::draw_npcs();
        valdro::art::draw_items_hud();
        valdro::art::draw_backgrounds();
        valdro::art::draw_menus();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "valdro_art_gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
