// The hero: teal coat, yellow scarf. Sheet rows: idle (y 0), walk and crouch
// (y 256), dash (y 512, double-width frames). Faces right.
#include <cmath>

#include "families.hpp"
#include "kit.hpp"

namespace valdro::art {

namespace {

constexpr Col trousers = rgb(58, 46, 78);
constexpr Col boots = rgb(110, 58, 36);

void hero_head(cairo_t* cr, double cx, double cy, double r, bool blink) {
    // hair behind the head
    body(
        cr,
        [&](cairo_t* c) {
            blob(c, {cx - r * 1.05, cy + r * 0.2, cx - r * 1.0, cy - r * 0.7, cx - r * 0.2,
                     cy - r * 1.22, cx + r * 0.7, cy - r * 1.0, cx + r * 0.55, cy - r * 0.3,
                     cx - r * 0.4, cy + r * 0.55});
        },
        pal::hair);
    body(
        cr, [&](cairo_t* c) { ellipse(c, cx + r * 0.06, cy + r * 0.05, r * 0.93, r); }, pal::skin,
        pal::skinDark, pal::white);
    // fringe sweeping forward
    body(
        cr,
        [&](cairo_t* c) {
            blob(c, {cx - r * 0.95, cy - r * 0.1, cx - r * 0.7, cy - r * 0.95, cx + r * 0.2,
                     cy - r * 1.15, cx + r * 1.05, cy - r * 0.55, cx + r * 0.45, cy - r * 0.45,
                     cx - r * 0.1, cy - r * 0.3, cx - r * 0.45, cy + r * 0.1});
        },
        pal::hair, pal::hair.darker(0.4), pal::hair.lighter(0.4));
    // ear
    flat(
        cr, [&](cairo_t* c) { ellipse(c, cx - r * 0.25, cy + r * 0.15, r * 0.17, r * 0.22); },
        pal::skin);
    // eye, facing right
    if (blink) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + r * 0.38, cy + r * 0.05);
        cairo_line_to(cr, cx + r * 0.66, cy + r * 0.05);
        outline(cr, g_outline * 0.8);
    } else {
        flat(
            cr, [&](cairo_t* c) { ellipse(c, cx + r * 0.52, cy + r * 0.02, r * 0.13, r * 0.2); },
            pal::ink, 0);
        flat(
            cr, [&](cairo_t* c) { circle(c, cx + r * 0.56, cy - r * 0.06, r * 0.055); }, pal::white,
            0);
    }
    // brow and blush
    cairo_new_path(cr);
    cairo_move_to(cr, cx + r * 0.34, cy - r * 0.3);
    cairo_line_to(cr, cx + r * 0.72, cy - r * 0.26);
    outline(cr, g_outline * 0.7);
    flat(
        cr, [&](cairo_t* c) { ellipse(c, cx + r * 0.5, cy + r * 0.42, r * 0.16, r * 0.08); },
        rgb(240, 120, 110, 0.7), 0);
    // smile
    cairo_new_path(cr);
    cairo_arc(cr, cx + r * 0.72, cy + r * 0.42, r * 0.16, M_PI * 0.55, M_PI * 0.95);
    outline(cr, g_outline * 0.6);
}

void scarf_tail(cairo_t* cr, double nx, double ny, double wave, double stretch) {
    const double s = 0.75 * (1.0 + stretch);
    body(
        cr,
        [&](cairo_t* c) {
            blob(c,
                 {nx + 0.02, ny - 0.04, nx - 0.18 * s, ny + 0.02 + 0.05 * std::sin(wave),
                  nx - 0.36 * s, ny + 0.1 + 0.08 * std::sin(wave + 1.3), nx - 0.42 * s,
                  ny + 0.22 + 0.06 * std::sin(wave + 2.1), nx - 0.3 * s,
                  ny + 0.2 + 0.05 * std::sin(wave + 1.2), nx - 0.14 * s, ny + 0.14, nx + 0.03,
                  ny + 0.1},
                 0.9);
        },
        pal::scarf, pal::scarfDark, pal::white);
}

struct Leg {
    double hx, hy, kx, ky, fx, fy;
};

Leg leg_from(double hx, double hy, double a1, double a2) {
    const double L1 = 0.27, L2 = 0.27;
    Leg l{hx, hy, 0, 0, 0, 0};
    l.kx = hx + L1 * std::sin(a1);
    l.ky = hy + L1 * std::cos(a1);
    l.fx = l.kx + L2 * std::sin(a2);
    l.fy = l.ky + L2 * std::cos(a2);
    return l;
}

void draw_leg(cairo_t* cr, const Leg& l, const Col& tint) {
    body(
        cr, [&](cairo_t* c) { limb(c, l.hx, l.hy, l.kx, l.ky, 0.095, 0.085); },
        trousers.mix(tint, 0.0).darker(tint.a < 1 ? 0.3 : 0));
    body(
        cr, [&](cairo_t* c) { limb(c, l.kx, l.ky, l.fx, l.fy - 0.04, 0.085, 0.08); },
        trousers.darker(tint.a < 1 ? 0.3 : 0));
    body(
        cr,
        [&](cairo_t* c) {
            blob(c, {l.fx - 0.1, l.fy - 0.1, l.fx + 0.06, l.fy - 0.12, l.fx + 0.17, l.fy - 0.02,
                     l.fx + 0.15, l.fy + 0.02, l.fx - 0.1, l.fy + 0.02});
        },
        boots.darker(tint.a < 1 ? 0.3 : 0));
}

void draw_arm(cairo_t* cr, double sx, double sy, double a, double bend, bool back) {
    const double L = 0.24;
    double ex = sx + L * std::sin(a), ey = sy + L * std::cos(a);
    double hx = ex + L * std::sin(a + bend), hy = ey + L * std::cos(a + bend);
    Col coat = back ? pal::heroTealDark : pal::heroTeal;
    body(
        cr, [&](cairo_t* c) { limb(c, sx, sy, ex, ey, 0.1, 0.085); }, coat, coat.darker(0.35),
        pal::heroTealLight);
    body(
        cr, [&](cairo_t* c) { limb(c, ex, ey, hx, hy, 0.085, 0.08); }, coat, coat.darker(0.35),
        pal::heroTealLight);
    body(
        cr, [&](cairo_t* c) { circle(c, hx + 0.01, hy + 0.03, 0.075); },
        back ? pal::skinDark : pal::skin);
}

void curled_hero(cairo_t* cr, const HeroPose& p) {
    const double cx = 0.5, cy = 1.56 + p.bob;
    scarf_tail(cr, cx - 0.25, cy - 0.3, p.scarfWave, 0.0);
    body(
        cr, [&](cairo_t* c) { ellipse(c, cx + 0.16, cy + 0.34, 0.16, 0.08); }, boots);
    body(
        cr, [&](cairo_t* c) { ellipse(c, cx, cy, 0.44, 0.42); }, pal::heroTeal, pal::heroTealDark,
        pal::heroTealLight);
    // coat seam and buttons
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy + 0.05, 0.3, M_PI * 0.1, M_PI * 0.85);
    outline(cr, g_outline * 0.6);
    flat(
        cr, [&](cairo_t* c) { circle(c, cx + 0.08, cy + 0.2, 0.035); }, pal::brassLight);
    // the scarf wraps around the ball, the head tucked on top of it
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, 0.34, -2.7, -0.7);
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_set_line_width(cr, pass == 0 ? 0.13 * 128 + 2 * g_outline : 0.13 * 128);
        set(cr, pass == 0 ? pal::ink : pal::scarf);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    hero_head(cr, cx + 0.18, cy - 0.34, 0.22, true);
    body(
        cr, [&](cairo_t* c) { circle(c, cx + 0.34, cy - 0.02, 0.075); }, pal::skin);
}

}  // namespace

void paint_hero(cairo_t* cr, const HeroPose& p) {
    if (p.crouch > 0.75) {
        curled_hero(cr, p);
        return;
    }
    const double c = p.crouch;
    cairo_save(cr);
    cairo_translate(cr, 0.5, 1.98);
    cairo_rotate(cr, p.lean);
    cairo_translate(cr, -0.5, -1.98);

    // legs: thigh angle and knee bend; crouching folds the knees forward
    const double kneeA = c * 1.5;
    Leg back =
        leg_from(0.45, 0, p.legB + kneeA, p.legB - c * 1.1 - (p.legB < 0 ? 0.6 * -p.legB : 0));
    Leg front =
        leg_from(0.55, 0, p.legA + kneeA, p.legA - c * 1.1 - (p.legA < 0 ? 0.6 * -p.legA : 0));
    const double hipY = 1.97 - std::max(front.fy, back.fy);
    back.hy += hipY;
    back.ky += hipY;
    back.fy += hipY;
    front.hy += hipY;
    front.ky += hipY;
    front.fy += hipY;
    const double sh = hipY - 0.54 + p.bob;  // shoulder line
    const double headY = sh - 0.3;

    draw_arm(cr, 0.38, sh + 0.1, p.armB, -0.3 - c * 0.6, true);
    draw_leg(cr, back, rgb(0, 0, 0, 0.5));
    draw_leg(cr, front, rgb(0, 0, 0, 1));
    scarf_tail(cr, 0.36, sh - 0.02, p.scarfWave, p.lean * 0.8);
    // coat: shoulders to knees, flaring at the hem
    body(
        cr,
        [&](cairo_t* k) {
            blob(k,
                 {0.3, sh - 0.02, 0.7, sh - 0.02, 0.76, sh + 0.3, 0.8, hipY + 0.2, 0.52,
                  hipY + 0.24, 0.18 - 0.05 * std::sin(p.scarfWave), hipY + 0.2, 0.24, sh + 0.3},
                 0.8);
        },
        pal::heroTeal, pal::heroTealDark, pal::heroTealLight);
    // lapel line, belt and buttons
    cairo_new_path(cr);
    cairo_move_to(cr, 0.6, sh + 0.04);
    cairo_curve_to(cr, 0.56, sh + 0.2, 0.6, hipY - 0.1, 0.62, hipY + 0.2);
    outline(cr, g_outline * 0.6);
    flat(
        cr, [&](cairo_t* k) { rrect(k, 0.22, hipY - 0.12, 0.57, 0.07, 0.03); }, pal::hair);
    flat(
        cr, [&](cairo_t* k) { rrect(k, 0.55, hipY - 0.13, 0.09, 0.09, 0.02); }, pal::brassLight);
    for (int i = 0; i < 2; ++i) {
        flat(
            cr, [&](cairo_t* k) { circle(k, 0.66, sh + 0.16 + i * 0.15, 0.028); }, pal::brassLight);
    }
    // scarf wrap around the neck
    body(
        cr, [&](cairo_t* k) { rrect(k, 0.28, sh - 0.1, 0.46, 0.15, 0.07); }, pal::scarf,
        pal::scarfDark, pal::white);
    hero_head(cr, 0.52, headY, 0.25, p.blink);
    draw_arm(cr, 0.6, sh + 0.1, p.armA, -0.4 - c * 0.5, false);
    cairo_restore(cr);
}

namespace {

void speed_lines(cairo_t* cr, Rng& rng, double x0, double x1, double y0, double y1, int n,
                 const Col& c) {
    for (int i = 0; i < n; ++i) {
        double y = rng.range(y0, y1);
        double a = rng.range(x0, x1 - 0.3);
        double b = a + rng.range(0.25, 0.6);
        cairo_new_path(cr);
        cairo_move_to(cr, a, y);
        cairo_line_to(cr, b, y);
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_set_line_width(cr, g_outline * 1.2);
        set(cr, c);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void player_sheet() {
    Canvas cv(896, 768);
    cairo_t* cr = cv.cr();
    g_outline = 4.5;
    // idle: breathing and a fluttering scarf, a blink on the fourth frame
    for (int i = 0; i < 5; ++i) {
        HeroPose p;
        p.bob = 0.025 * std::sin(i * 2 * M_PI / 5);
        p.armA = 0.12 + 0.05 * std::sin(i * 2 * M_PI / 5);
        p.armB = -0.1;
        p.legA = 0.06;
        p.legB = -0.06;
        p.scarfWave = i * 2 * M_PI / 5;
        p.blink = (i == 3);
        in_frame(cr, i * 128, 0, 128, 256, 1, 2, [&] { paint_hero(cr, p); });
    }
    // walk: contact, passing, contact, passing
    const double swing[4] = {0.45, 0.0, -0.45, 0.0};
    for (int i = 0; i < 4; ++i) {
        HeroPose p;
        p.legA = swing[i];
        p.legB = -swing[i];
        if (i == 1) {
            p.legA = 0.15;
            p.legB = -0.35;
        }
        if (i == 3) {
            p.legA = -0.35;
            p.legB = 0.15;
        }
        p.armA = -swing[i] * 0.9;
        p.armB = swing[i] * 0.9;
        p.bob = (i % 2 == 1) ? -0.04 : 0.0;
        p.lean = 0.06;
        p.scarfWave = i * M_PI / 2;
        in_frame(cr, i * 128, 256, 128, 256, 1, 2, [&] { paint_hero(cr, p); });
    }
    // crouch: half crouch, then curled up (two wobbling frames for the curl loop)
    {
        HeroPose p;
        p.crouch = 0.6;
        p.armA = 0.8;
        p.armB = 0.5;
        p.lean = 0.1;
        in_frame(cr, 512, 256, 128, 256, 1, 2, [&] { paint_hero(cr, p); });
        HeroPose q;
        q.crouch = 1.0;
        q.scarfWave = 0.0;
        in_frame(cr, 640, 256, 128, 256, 1, 2, [&] { paint_hero(cr, q); });
        q.bob = 0.03;
        q.scarfWave = 2.2;
        in_frame(cr, 768, 256, 128, 256, 1, 2, [&] { paint_hero(cr, q); });
    }
    // dash: a low forward lunge with afterimages and speed lines
    for (int i = 0; i < 3; ++i) {
        in_frame(cr, i * 256, 512, 256, 256, 2, 2, [&] {
            Rng rng(100 + i);
            speed_lines(cr, rng, 0.0, 1.2, 0.9, 1.9, 6 + 2 * i,
                        pal::heroTealLight.with_alpha(0.85));
            HeroPose p;
            p.lean = 0.55 + 0.08 * i;
            p.legA = 0.7;
            p.legB = -0.9 - 0.1 * i;
            p.armA = 1.4;
            p.armB = -1.2;
            p.scarfWave = i * 1.7;
            for (int g = 2; g >= 1; --g) {
                cairo_push_group(cr);
                cairo_save(cr);
                cairo_translate(cr, 0.2 + 0.06 * i - g * (0.22 + 0.05 * i), -0.12);
                paint_hero(cr, p);
                cairo_restore(cr);
                cairo_pop_group_to_source(cr);
                cairo_paint_with_alpha(cr, 0.22 / g);
            }
            cairo_save(cr);
            cairo_translate(cr, 0.2 + 0.06 * i, -0.12);
            paint_hero(cr, p);
            cairo_restore(cr);
        });
    }
    cv.save(out_path("img/prota_sheet.png"));
}

void player_shot() {
    Canvas cv(100, 100);
    cairo_t* cr = cv.cr();
    g_outline = 4;
    g_outline = 5;
    glow(cr, 50, 50, 50, pal::heroTealLight);
    glow(cr, 50, 50, 36, pal::white.with_alpha(0.8));
    body(
        cr, [](cairo_t* c) { star_path(c, 50, 50, 44, 22, 4, M_PI / 4); }, pal::scarf,
        pal::scarfDark, pal::white);
    body(
        cr, [](cairo_t* c) { circle(c, 50, 50, 20); }, rgb(255, 255, 230), pal::goldLight,
        pal::white);
    cv.save(out_path("img/disparoProta.png"));
}

void hero_head_icon() {
    Canvas cv(128, 160);
    cairo_t* cr = cv.cr();
    g_outline = 5;
    cairo_scale(cr, 128, 128);
    body(
        cr, [](cairo_t* c) { rrect(c, 0.16, 0.9, 0.7, 0.3, 0.12); }, pal::heroTeal,
        pal::heroTealDark, pal::heroTealLight);
    body(
        cr, [](cairo_t* c) { rrect(c, 0.2, 0.86, 0.62, 0.14, 0.07); }, pal::scarf, pal::scarfDark,
        pal::white);
    hero_head(cr, 0.48, 0.5, 0.36, false);
    cv.save(out_path("img/prota_head.png"));
}

}  // namespace

void draw_player() {
    player_sheet();
    player_shot();
    hero_head_icon();
}

}  // namespace valdro::art
