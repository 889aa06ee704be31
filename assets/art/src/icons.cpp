// The game's icon for desktops and launchers: the hero's head and shoulders on a burgundy
// hotel plaque with a brass rim and a brass "V" key tag. Each size is drawn on its own, with
// outlines and detail suited to it, never scaled from a bigger picture.
#include <algorithm>
#include <cmath>
#include <string>

#include "families.hpp"
#include "kit.hpp"

namespace valdro::art {

namespace {

// Writes icons/valdro_<size>.png, drawn in a unit square.
void plaque_icon(int size) {
    Canvas cv(size, size);
    cairo_t* cr = cv.cr();
    // Outlines in device pixels: thin enough that the hero still reads at 16 px.
    g_outline = std::clamp(size / 28.0, 1.0, 7.0);
    cairo_scale(cr, size, size);
    const double inset = size <= 16 ? 0.0 : 0.03;
    const double radius = 0.2;

    // Plaque: burgundy with a brass rim.
    body(
        cr, [&](cairo_t* c) { rrect(c, inset, inset, 1 - 2 * inset, 1 - 2 * inset, radius); },
        pal::brass, pal::brassDark, pal::brassLight, 0.04);
    const double rim = size <= 32 ? 0.08 : 0.07;
    body(
        cr,
        [&](cairo_t* c) {
            rrect(c, inset + rim, inset + rim, 1 - 2 * (inset + rim), 1 - 2 * (inset + rim),
                  radius - rim * 0.6);
        },
        pal::burgundy, pal::burgundyDark, pal::burgundyLight, 0.06);

    // The hero from the waist up, inside the plaque.
    cairo_save(cr);
    rrect(cr, inset + rim, inset + rim, 1 - 2 * (inset + rim), 1 - 2 * (inset + rim),
          radius - rim * 0.6);
    cairo_clip(cr);
    // A soft glow behind the head, so the dark hair stands off the burgundy.
    glow(cr, 0.5, 0.42, 0.42, pal::brassLight.with_alpha(0.55));
    cairo_translate(cr, 0.5, 1.02);
    const double heroScale = 0.86;
    cairo_scale(cr, heroScale, heroScale);
    // paint_hero draws in a 1 x 2 box with the feet at y = 2: show its top 1.2 units.
    cairo_translate(cr, -0.52, -1.2);
    HeroPose pose;
    pose.armA = 0.5;
    pose.scarfWave = 1.1;
    paint_hero(cr, pose);
    cairo_restore(cr);

    // The brass key tag with the hotel's V, from 32 px on (at 16 px it would be a smudge).
    if (size >= 32) {
        const double tx = 0.8;
        const double ty = 0.8;
        const double tr = 0.15;
        body(
            cr, [&](cairo_t* c) { circle(c, tx, ty, tr); }, pal::gold, pal::goldDark,
            pal::goldLight, 0.05);
        cairo_new_path(cr);
        cairo_move_to(cr, tx - tr * 0.5, ty - tr * 0.5);
        cairo_line_to(cr, tx, ty + tr * 0.55);
        cairo_line_to(cr, tx + tr * 0.5, ty - tr * 0.5);
        set(cr, pal::burgundyDark);
        cairo_set_line_width(cr, tr * 0.32);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cv.save(out_path("icons/valdro_" + std::to_string(size) + ".png"));
}

}  // namespace

void draw_icons() {
    for (int size : kIconSizes) {
        plaque_icon(size);
    }
}

}  // namespace valdro::art
