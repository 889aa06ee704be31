// One entry point per family of pictures; each writes its PNGs under img/.
#pragma once

#include <cairo.h>

namespace valdro::art {

void draw_player();
void draw_enemies();
void draw_bosses();
void draw_npcs();
void draw_items_hud();
void draw_backgrounds();
void draw_menus();
// The desktop icon in every usual size, into icons/ beside img/.
void draw_icons();
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Shared character painters used by sheets and portraits (world-unit coordinates).
struct HeroPose {
    double bob = 0;   // vertical offset of the upper body
    double legA = 0;  // front leg swing (radians)
    double legB = 0;  // back leg swing
    double armA = 0;  // front arm swing
    double armB = 0;
    double crouch = 0;     // 0 standing .. 1 curled into a ball
    double scarfWave = 0;  // phase of the scarf flutter
    double lean = 0;       // forward lean (radians)
    bool blink = false;
};
// Hero in a 1 x 2 box, feet at y = 2, facing right.
void paint_hero(cairo_t* cr, const HeroPose& p);
// Bellboy in a 2 x 3 box, feet at y = 3; variant 0 stands, 1 waves, 2 carries a suitcase.
void paint_bellboy(cairo_t* cr, int variant, int frame);
// Shopkeeper in a 2 x 3 box.
void paint_pocketman(cairo_t* cr, int frame);
// Valdro, phases 1 and 2, in a 7 x 5 box, facing left, body centred at x = 3.5.
struct ValdroPose {
    double bob = 0;
    double armFront = 0;  // radians, 0 hanging
    double armBack = 0;
    double bow = 0;   // 0 upright .. 1 slumped
    double fade = 1;  // 1 solid .. 0 gone
    int phase = 1;
    bool mouthOpen = false;
};
void paint_valdro(cairo_t* cr, const ValdroPose& p);
void paint_greed(cairo_t* cr, double bob, double stretch, bool mouthOpen);
void paint_lust(cairo_t* cr, double sway, double armUp, bool kiss);

}  // namespace valdro::art
