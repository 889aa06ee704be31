// Valdro art generator: draws every image of the game into <run folder>/img.
// Usage: valdro_art_gen <run folder> [family ...]
// With family names (player, enemies, bosses, npcs, items, backgrounds, menus, icons) only
// those are drawn; menus reuse the item icons, so draw items first.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "families.hpp"
#include "kit.hpp"

namespace {

struct Family {
    const char* name;
    void (*draw)();
};

constexpr Family kFamilies[] = {
    {"player", valdro::art::draw_player},   {"enemies", valdro::art::draw_enemies},
    {"bosses", valdro::art::draw_bosses},   {"npcs", valdro::art::draw_npcs},
    {"items", valdro::art::draw_items_hud}, {"backgrounds", valdro::art::draw_backgrounds},
    {"menus", valdro::art::draw_menus},     {"icons", valdro::art::draw_icons},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <run folder> [family ...]\n", argv[0]);
        return 2;
    }
    try {
        valdro::art::set_out_root(argv[1]);
        if (argc == 2) {
            for (const auto& f : kFamilies) f.draw();
            return 0;
        }
        for (int i = 2; i < argc; ++i) {
            bool found = false;
            for (const auto& f : kFamilies) {
                if (std::strcmp(f.name, argv[i]) == 0) {
                    f.draw();
                    found = true;
                }
            }
            if (!found) {
                std::fprintf(stderr, "valdro_art_gen: unknown family '%s'\n", argv[i]);
                return 2;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "valdro_art_gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
