// The three sins. Greed: a money bag with legs (faces left, 4.5 x 4.5 units per
// frame). Lust: a stage diva with a feather fan (faces left, 3 x 4.5 units, smack
// frames 6 x 4.5), her lamp Lampy, its light cone and the blackout. Valdro: the
// hotel's owner in three sheets (7 x 5 units per frame, faces left), with his
// waves and skulls.
#include <cmath>

#include "families.hpp"
#include "kit.hpp"

namespace valdro::art {

namespace {

constexpr Col bagCol = rgb(168, 112, 52);
constexpr Col bagShade = rgb(112, 66, 32);
constexpr Col bagLight = rgb(226, 176, 104);
constexpr Col lustDress = rgb(200, 24, 96);
constexpr Col lustDressDark = rgb(120, 10, 64);
constexpr Col lustHair = rgb(255, 120, 180);
constexpr Col lustSkin = rgb(250, 212, 196);
constexpr Col feather = rgb(255, 170, 210);
constexpr Col valdroCoat = rgb(58, 30, 58);
constexpr Col valdroCoatDark = rgb(34, 16, 36);
constexpr Col valdroSkin = rgb(200, 196, 214);
constexpr Col fireViolet = rgb(170, 80, 255);
constexpr Col fireGreen = rgb(120, 255, 120);

void eyes_x(cairo_t* cr, double x, double y, double s) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - s, y - s);
    cairo_line_to(cr, x + s, y + s);
    cairo_move_to(cr, x + s, y - s);
    cairo_line_to(cr, x - s, y + s);
    outline(cr, g_outline * 1.1);
}

void coin_shape(cairo_t* cr, double cx, double cy, double r, double squeeze = 1.0) {
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx, cy, r * squeeze, r); }, pal::gold, pal::goldDark,
        pal::goldLight);
    flat(
        cr, [&](cairo_t* k) { ellipse(k, cx, cy, r * 0.62 * squeeze, r * 0.62); },
        pal::gold.lighter(0.15), g_outline * 0.6);
}

// ---------------------------------------------------------------- Greed
// face: 0 grin, 1 tired, 2 hurt, 3 knocked out
void greed(cairo_t* cr, double bob, double squash, double lean, double legPhase, int face,
           bool legs) {
    const double cx = 2.35, cy = 2.75 + bob + squash * 0.5;
    const double rx = 1.55 + squash * 0.35, ry = 1.45 - squash * 0.45;
    cairo_save(cr);
    cairo_translate(cr, cx, 4.4);
    cairo_rotate(cr, -lean);
    cairo_translate(cr, -cx, -4.4);
    if (legs) {
        for (int s = 0; s < 2; ++s) {
            double ph = legPhase + s * M_PI;
            double hx = cx - 0.45 + s * 0.9, hy = cy + ry - 0.3;
            double fx = hx + 0.35 * std::sin(ph), fy = 4.35 - 0.25 * std::max(0.0, std::cos(ph));
            body(
                cr, [&](cairo_t* k) { limb(k, hx, hy, fx, fy - 0.1, 0.17, 0.15); },
                pal::burgundyDark);
            body(
                cr, [&](cairo_t* k) { ellipse(k, fx - 0.15, fy, 0.32, 0.14); },
                pal::ink.lighter(0.2));
        }
    }
    // back arm
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx + rx * 0.92, cy + 0.1, 0.28, 0.38); }, bagCol, bagShade,
        bagLight);
    // the bag
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - rx * 0.35, cy - ry * 0.95, cx - rx, cy - ry * 0.1, cx - rx * 0.8,
                     cy + ry * 0.8, cx, cy + ry, cx + rx * 0.8, cy + ry * 0.8, cx + rx,
                     cy - ry * 0.1, cx + rx * 0.35, cy - ry * 0.95});
        },
        bagCol, bagShade, bagLight);
    // gathered neck and ruffled top
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - 0.75, cy - ry - 0.55, cx - 0.35, cy - ry - 0.3, cx, cy - ry - 0.6,
                     cx + 0.35, cy - ry - 0.3, cx + 0.75, cy - ry - 0.55, cx + 0.45, cy - ry + 0.15,
                     cx - 0.45, cy - ry + 0.15});
        },
        bagCol.lighter(0.08), bagShade, bagLight);
    body(
        cr, [&](cairo_t* k) { rrect(k, cx - 0.6, cy - ry - 0.02, 1.2, 0.24, 0.12); }, pal::gold,
        pal::goldDark, pal::goldLight);
    // pearl necklace across the belly
    for (int i = 0; i < 9; ++i) {
        double t = (i - 4) / 4.0;
        double px = cx + t * rx * 0.8, py = cy + 0.15 + (1 - t * t) * 0.5;
        body(
            cr, [&](cairo_t* k) { circle(k, px, py, 0.1); }, pal::paper, rgb(190, 180, 200),
            pal::white);
    }
    // patch and stitches
    flat(
        cr, [&](cairo_t* k) { rrect(k, cx + 0.55, cy + 0.65, 0.45, 0.4, 0.06); }, pal::burgundy,
        g_outline * 0.8);
    // face, looking left
    const double ex = cx - 0.55, ey = cy - 0.45;
    if (face == 0) {
        for (double dx : {-0.3, 0.3}) {
            flat(
                cr, [&](cairo_t* k) { ellipse(k, ex + dx, ey, 0.24, 0.28); }, pal::paper,
                g_outline);
            coin_shape(cr, ex + dx - 0.07, ey + 0.03, 0.13);
        }
        cairo_new_path(cr);
        cairo_move_to(cr, ex - 0.6, ey - 0.42);
        cairo_line_to(cr, ex - 0.1, ey - 0.28);
        cairo_move_to(cr, ex + 0.1, ey - 0.28);
        cairo_line_to(cr, ex + 0.55, ey - 0.4);
        outline(cr, g_outline * 1.2);
    } else if (face == 1) {
        for (double dx : {-0.3, 0.3}) {
            flat(
                cr,
                [&](cairo_t* k) {
                    cairo_new_sub_path(k);
                    cairo_arc(k, ex + dx, ey, 0.2, 0, M_PI);
                    cairo_close_path(k);
                },
                pal::paper, g_outline);
            flat(
                cr, [&](cairo_t* k) { circle(k, ex + dx - 0.05, ey + 0.09, 0.07); }, pal::ink, 0);
        }
        for (int d = 0; d < 3; ++d) {
            body(
                cr,
                [&](cairo_t* k) {
                    heart_path(k, cx + 0.9 + d * 0.3, cy - ry - 0.1 + d * 0.25, 0.08);
                },
                rgb(140, 200, 255));
        }
    } else {
        eyes_x(cr, ex - 0.3, ey, 0.14);
        eyes_x(cr, ex + 0.3, ey, 0.14);
    }
    // mouth with gold teeth
    const double my = cy + 0.2;
    const double mh = face == 1 ? 0.5 : (face == 0 ? 0.35 : 0.28);
    flat(
        cr,
        [&](cairo_t* k) {
            cairo_new_sub_path(k);
            cairo_move_to(k, ex - 0.75, my - 0.05);
            cairo_curve_to(k, ex - 0.5, my + mh * 1.6, ex + 0.5, my + mh * 1.6, ex + 0.75,
                           my - 0.05);
            cairo_close_path(k);
        },
        pal::burgundyDark);
    for (int t = 0; t < 4; ++t) {
        double tx = ex - 0.52 + t * 0.34;
        flat(
            cr, [&](cairo_t* k) { rrect(k, tx, my - 0.04, 0.22, 0.16, 0.04); },
            t % 2 ? pal::gold : pal::paper, g_outline * 0.6);
    }
    if (face == 1) {  // panting tongue
        body(
            cr, [&](cairo_t* k) { ellipse(k, ex - 0.1, my + mh + 0.2, 0.22, 0.3); },
            rgb(240, 110, 130));
    }
    // front hand with rings
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx - rx * 0.88, cy + 0.45, 0.3, 0.36); }, bagCol, bagShade,
        bagLight);
    body(
        cr, [&](cairo_t* k) { rrect(k, cx - rx * 0.88 - 0.2, cy + 0.42, 0.4, 0.12, 0.05); },
        pal::gold, pal::goldDark, pal::goldLight);
    cairo_restore(cr);
}

void pearl(cairo_t* cr, double cx, double cy, double r) {
    glow(cr, cx, cy, r * 1.7, rgb(255, 230, 255, 0.9));
    body(
        cr, [&](cairo_t* k) { circle(k, cx, cy, r); }, rgb(250, 244, 255), rgb(196, 176, 220),
        pal::white);
}

void diamond(cairo_t* cr, double cx, double cy, double r) {
    glow(cr, cx, cy, r * 1.7, rgb(120, 240, 255, 0.9));
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {cx - r, cy - 0.35 * r, cx - 0.5 * r, cy - 0.85 * r, cx + 0.5 * r,
                     cy - 0.85 * r, cx + r, cy - 0.35 * r, cx, cy + r});
        },
        rgb(140, 240, 255), rgb(40, 150, 210), pal::white);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r, cy - 0.35 * r);
    cairo_line_to(cr, cx + r, cy - 0.35 * r);
    cairo_move_to(cr, cx - 0.35 * r, cy - 0.35 * r);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx + 0.35 * r, cy - 0.35 * r);
    outline(cr, g_outline * 0.6);
}

void greed_sheet() {
    Canvas cv(1728, 2048);
    cairo_t* cr = cv.cr();
    g_outline = 6;
    for (int i = 0; i < 2; ++i) {
        in_frame(cr, i * 512, 0, 512, 576, 4.5, 4.5,
                 [&] { greed(cr, 0.06 * i, -0.04 * i, 0, 0, 0, true); });
    }
    for (int i = 0; i < 3; ++i) {
        in_frame(cr, i * 576, 576, 576, 576, 4.5, 4.5, [&] {
            Rng rng(700 + i);
            for (int c = 0; c < 3; ++c)
                coin_shape(cr, 3.6 + rng.range(0, 0.7), 1.2 + rng.range(0, 2.0), 0.18,
                           0.5 + 0.5 * rng.uniform());
            greed(cr, -0.1 * (i % 2), 0, 0.18, i * 2 * M_PI / 3, 0, true);
        });
    }
    for (int i = 0; i < 2; ++i) {
        in_frame(cr, i * 576, 1152, 576, 448, 4.5, 4.5,
                 [&] { greed(cr, 0.1 * i, 0.25 + 0.06 * i, -0.05, 0, 1, true); });
    }
    in_frame(cr, 1152, 1152, 576, 448, 4.5, 4.5, [&] {
        glow(cr, 2.3, 2.8, 2.3, rgb(255, 70, 70, 0.45));
        greed(cr, 0, 0.2, 0.05, 0, 2, true);
    });
    // death: topples and spills, then lies flat
    in_frame(cr, 0, 1600, 576, 448, 4.5, 4.5, [&] {
        greed(cr, 0.3, 0.5, -0.35, 0, 2, true);
        for (int c = 0; c < 4; ++c) coin_shape(cr, 0.6 + c * 0.5, 4.1 - (c % 2) * 0.3, 0.17, 0.8);
    });
    in_frame(cr, 576, 1600, 576, 448, 4.5, 4.5, [&] {
        greed(cr, 0.6, 1.1, 0, 0, 3, false);
        for (int c = 0; c < 7; ++c)
            coin_shape(cr, 0.4 + c * 0.6, 4.25 - (c % 3) * 0.08, 0.17, 0.9 - 0.1 * (c % 3));
        pearl(cr, 3.9, 4.2, 0.12);
    });
    // throws: pearl, diamond and coin, 192 x 192 each
    in_frame(cr, 1088, 64, 192, 192, 1.5, 1.5, [&] { pearl(cr, 0.75, 0.75, 0.5); });
    in_frame(cr, 1344, 64, 192, 192, 1.5, 1.5, [&] { diamond(cr, 0.75, 0.78, 0.52); });
    in_frame(cr, 1216, 320, 192, 192, 1.0, 1.0, [&] {
        glow(cr, 0.5, 0.5, 0.5, rgb(255, 220, 80, 0.9));
        g_outline = 5;
        coin_shape(cr, 0.5, 0.5, 0.34);
        text(cr, "V", 0.5, 0.62, 0.34, pal::goldDark, Align::Center);
        g_outline = 6;
    });
    cv.save(out_path("img/greed_sheet.png"));
}

// ---------------------------------------------------------------- Lust
// A diva in a 3 x 4.5 box facing left. step: walk phase; fan: angle of the fan arm
// (0 down, positive raises it forward); kiss: 0 none, 1 hand at lips, 2 blown.
void lust(cairo_t* cr, double ox, double sway, double step, double fanArm, int kiss, int face) {
    cairo_save(cr);
    cairo_translate(cr, ox, 0);
    const double cx = 1.55 + sway;
    // boa behind
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx + 0.55, 1.6, cx + 0.9, 2.2 + sway, cx + 0.85, 3.0, cx + 0.6, 3.1, cx + 0.6,
                     2.2});
        },
        feather, feather.darker(0.25), pal::white);
    // legs through the slit
    double fl = 0.25 * std::sin(step), bl = -fl;
    body(
        cr, [&](cairo_t* k) { limb(k, cx + 0.1, 3.2, cx + 0.1 + bl, 4.3, 0.12, 0.09); },
        lustSkin.darker(0.15));
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {cx + bl - 0.1, 4.22, cx + bl + 0.25, 4.3, cx + bl + 0.2, 4.45, cx + bl - 0.22,
                     4.42});
        },
        pal::redDark);
    body(
        cr, [&](cairo_t* k) { limb(k, cx - 0.1, 3.2, cx - 0.1 + fl, 4.3, 0.12, 0.09); }, lustSkin);
    body(
        cr,
        [&](cairo_t* k) {
            poly(k,
                 {cx + fl - 0.3, 4.22, cx + fl + 0.05, 4.3, cx + fl, 4.45, cx + fl - 0.42, 4.42});
        },
        pal::red);
    // gown: fitted bodice, flared mermaid skirt with a slit
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - 0.38,  1.75,      cx + 0.38,
                     1.75,       cx + 0.3,  2.5,
                     cx + 0.45,  3.3,       cx + 0.7 + sway * 0.5,
                     4.45,       cx + 0.2,  4.35,
                     cx + 0.05,  3.2,       cx - 0.5 + sway * 0.5,
                     4.45 - 0.1, cx - 0.45, 3.3,
                     cx - 0.32,  2.5},
                 0.7);
        },
        lustDress, lustDressDark, rgb(255, 120, 170));
    // sequins
    for (int s = 0; s < 6; ++s) {
        glow(cr, cx - 0.2 + (s % 3) * 0.2, 2.0 + s * 0.35, 0.06, rgb(255, 240, 250, 0.9));
    }
    // back arm (on the hip)
    body(
        cr, [&](cairo_t* k) { limb(k, cx + 0.35, 1.95, cx + 0.55, 2.5, 0.09, 0.08); }, lustSkin,
        lustSkin.darker(0.3), pal::white);
    // neck and head
    body(
        cr, [&](cairo_t* k) { limb(k, cx, 1.5, cx - 0.02, 1.8, 0.11, 0.12); }, lustSkin);
    // big hair
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - 0.5, 1.2, cx - 0.55, 0.65, cx - 0.2, 0.3, cx + 0.35, 0.32, cx + 0.7, 0.7,
                     cx + 0.75, 1.35, cx + 0.55, 1.75, cx + 0.2, 1.4});
        },
        lustHair, lustHair.darker(0.3), pal::white);
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx - 0.1, 1.2, 0.34, 0.38); }, lustSkin,
        lustSkin.darker(0.2), pal::white);
    // fringe curl
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - 0.45, 1.0, cx - 0.3, 0.72, cx + 0.2, 0.7, cx + 0.35, 0.95, cx + 0.05,
                     0.92, cx - 0.2, 1.05});
        },
        lustHair, lustHair.darker(0.3), pal::white);
    // face (left)
    const double ey = 1.2;
    if (face == 0) {
        cairo_new_path(cr);
        cairo_arc(cr, cx - 0.27, ey, 0.08, M_PI * 1.1, M_PI * 1.9);
        outline(cr, g_outline * 1.2);
        for (int l = 0; l < 3; ++l) {
            cairo_new_path(cr);
            cairo_move_to(cr, cx - 0.33 + l * 0.05, ey - 0.06);
            cairo_line_to(cr, cx - 0.38 + l * 0.06, ey - 0.14);
            outline(cr, g_outline * 0.6);
        }
        flat(
            cr, [&](cairo_t* k) { ellipse(k, cx - 0.05, ey + 0.1, 0.08, 0.04); },
            rgb(255, 130, 150, 0.6), 0);
    } else {
        eyes_x(cr, cx - 0.25, ey, 0.06);
    }
    // lips
    if (kiss == 1) {
        body(
            cr, [&](cairo_t* k) { circle(k, cx - 0.33, ey + 0.22, 0.07); }, pal::red);
    } else {
        body(
            cr, [&](cairo_t* k) { ellipse(k, cx - 0.28, ey + 0.22, 0.1, 0.05); }, pal::red);
    }
    // beauty mark
    flat(
        cr, [&](cairo_t* k) { circle(k, cx - 0.12, ey + 0.28, 0.02); }, pal::ink, 0);
    // front arm with the feather fan
    if (kiss > 0) {
        double hx = kiss == 1 ? cx - 0.4 : cx - 0.85, hy = kiss == 1 ? ey + 0.28 : ey + 0.3;
        body(
            cr, [&](cairo_t* k) { limb(k, cx - 0.2, 1.95, hx, hy, 0.09, 0.07); }, lustSkin,
            lustSkin.darker(0.3), pal::white);
        if (kiss == 2) {
            glow(cr, hx - 0.4, hy - 0.2, 0.3, rgb(255, 120, 180, 0.8));
            body(
                cr, [&](cairo_t* k) { heart_path(k, hx - 0.4, hy - 0.2, 0.14); }, pal::magenta);
        }
    } else {
        double a = fanArm;
        double hx = cx - 0.2 - 0.6 * std::sin(a), hy = 1.95 + 0.6 * std::cos(a);
        body(
            cr, [&](cairo_t* k) { limb(k, cx - 0.2, 1.95, hx, hy, 0.09, 0.07); }, lustSkin,
            lustSkin.darker(0.3), pal::white);
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -a + M_PI);
        for (int f = 0; f < 7; ++f) {
            double fa = -0.9 + f * 0.3;
            body(
                cr,
                [&](cairo_t* k) {
                    cairo_save(k);
                    cairo_rotate(k, fa);
                    ellipse(k, 0, 0.55, 0.16, 0.5);
                    cairo_restore(k);
                },
                f % 2 ? feather : pal::magenta.lighter(0.3), feather.darker(0.3), pal::white);
        }
        body(
            cr, [&](cairo_t* k) { circle(k, 0, 0, 0.08); }, pal::gold);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void swoosh(cairo_t* cr, double cx, double cy, double r, double a0, double a1) {
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_arc_negative(cr, cx, cy, r - i * 0.2, a1, a0);
        outline(cr, g_outline * (1.6 - i * 0.4), rgb(255, 200, 230, 0.85));
    }
}

void lust_sheet() {
    Canvas cv(3840, 1152);
    cairo_t* cr = cv.cr();
    g_outline = 5;
    for (int i = 0; i < 4; ++i) {
        in_frame(cr, i * 384, 0, 384, 576, 3, 4.5, [&] {
            lust(cr, 0, 0.06 * std::sin(i * M_PI / 2), 0, 0.9 + 0.12 * std::sin(i * M_PI / 2), 0,
                 0);
        });
    }
    for (int i = 0; i < 4; ++i) {
        in_frame(cr, 1536 + i * 384, 0, 384, 576, 3, 4.5, [&] {
            lust(cr, 0, 0.1 * std::sin(i * M_PI / 2), i * M_PI / 2 + 0.6,
                 1.0 + 0.1 * std::cos(i * M_PI / 2), 0, 0);
        });
    }
    for (int i = 0; i < 2; ++i) {
        in_frame(cr, 3072 + i * 384, 0, 384, 576, 3, 4.5, [&] { lust(cr, 0, 0, 0, 0, i + 1, 0); });
    }
    // smack: the body stands at the right of the wide frame, the fan sweeps left
    const double arm[4] = {-2.3, -0.8, 1.35, 2.1};
    for (int i = 0; i < 4; ++i) {
        in_frame(cr, i * 768, 576, 768, 576, 6, 4.5, [&] {
            if (i == 1)
                swoosh(cr, 4.2, 2.0, 1.7, -M_PI * 0.9, -M_PI * 0.4);
            if (i == 2) {
                swoosh(cr, 4.3, 2.0, 2.6, M_PI * 0.85, M_PI * 1.25);
                swoosh(cr, 4.3, 2.4, 2.0, M_PI * 0.9, M_PI * 1.2);
            }
            lust(cr, 3.0, -0.05 * i, 0.4, arm[i], 0, 0);
            if (i == 2) {
                // the fan's long reach
                cairo_save(cr);
                cairo_translate(cr, 2.4, 2.4);
                for (int f = 0; f < 5; ++f) {
                    body(
                        cr,
                        [&](cairo_t* k) {
                            cairo_save(k);
                            cairo_rotate(k, -M_PI / 2 - 0.5 + f * 0.25);
                            ellipse(k, 0, 1.0, 0.2, 1.0);
                            cairo_restore(k);
                        },
                        f % 2 ? feather : pal::magenta.lighter(0.3), feather.darker(0.3),
                        pal::white);
                }
                cairo_restore(cr);
            }
        });
    }
    // fainted (death and dead share this frame)
    in_frame(cr, 3072, 576, 384, 576, 3, 4.5, [&] {
        cairo_save(cr);
        cairo_translate(cr, 2.85, 3.95);
        cairo_rotate(cr, -M_PI / 2 + 0.08);
        cairo_scale(cr, 0.62, 0.62);
        cairo_translate(cr, -1.55, -4.4);
        lust(cr, 0, 0, 0.3, 0, 0, 1);
        cairo_restore(cr);
        for (int s = 0; s < 3; ++s) {
            body(
                cr,
                [&](cairo_t* k) {
                    star_path(k, 0.6 + s * 0.6, 2.6 + (s % 2) * 0.3, 0.16, 0.07, 5);
                },
                pal::gold, pal::goldDark, pal::white);
        }
    });
    // her thrown heart
    in_frame(cr, 3456, 640, 128, 128, 1, 1, [&] {
        g_outline = 4;
        glow(cr, 0.5, 0.5, 0.5, rgb(255, 80, 170, 0.9));
        body(
            cr, [](cairo_t* k) { heart_path(k, 0.5, 0.5, 0.33); }, rgb(255, 60, 140),
            rgb(170, 10, 80), pal::white);
        g_outline = 5;
    });
    cv.save(out_path("img/lust_sheet.png"));
}

// Lampy: a fringed stage lamp with a face, in a 1.5 x 1.5 box.
void lampy(cairo_t* cr, double bob, double swing, int face, double broken) {
    cairo_save(cr);
    cairo_translate(cr, 0.75, 0.1 + bob);
    cairo_rotate(cr, swing);
    // hanging cord
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -0.2);
    cairo_line_to(cr, 0, 0.25);
    outline(cr, g_outline);
    // bulb glow below the shade
    if (broken < 0.5)
        glow(cr, 0, 0.95, 0.45, rgb(255, 230, 120, 0.9));
    body(
        cr, [](cairo_t* k) { circle(k, 0, 0.85, 0.18); },
        broken > 0.5 ? rgb(120, 120, 110) : rgb(255, 244, 170), rgb(230, 190, 80), pal::white);
    // shade with fringe
    body(
        cr,
        [&](cairo_t* k) {
            poly(k,
                 {-0.22, 0.25, 0.22, 0.25, 0.55 + broken * 0.1, 0.8, -0.55, 0.8 + broken * 0.15});
        },
        pal::magenta, lustDressDark, feather);
    for (int f = 0; f < 8; ++f) {
        double x = -0.5 + f * 0.143;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 0.82);
        cairo_line_to(cr, x + 0.02 * std::sin(bob * 40 + f), 0.98);
        outline(cr, g_outline * 0.8, pal::gold);
    }
    const double ey = 0.55;
    if (face == 0) {
        for (double dx : {-0.17, 0.12}) {
            flat(
                cr, [&](cairo_t* k) { ellipse(k, dx, ey, 0.06, 0.08); }, pal::white,
                g_outline * 0.7);
            flat(
                cr, [&](cairo_t* k) { circle(k, dx - 0.015, ey + 0.01, 0.03); }, pal::ink, 0);
        }
        cairo_new_path(cr);
        cairo_arc(cr, -0.02, ey + 0.1, 0.06, 0.3, M_PI - 0.3);
        outline(cr, g_outline * 0.8);
    } else {
        eyes_x(cr, -0.17, ey, 0.05);
        eyes_x(cr, 0.12, ey, 0.05);
    }
    cairo_restore(cr);
}

void lampy_sheets() {
    {
        Canvas cv(512, 256);
        cairo_t* cr = cv.cr();
        g_outline = 3.5;
        for (int i = 0; i < 4; ++i) {
            in_frame(cr, i * 128, 0, 128, 128, 1.5, 1.5, [&] {
                lampy(cr, 0.04 * std::sin(i * M_PI / 2), 0.12 * std::sin(i * M_PI / 2), 0, 0);
            });
        }
        for (int i = 0; i < 4; ++i) {
            in_frame(cr, i * 128, 128, 128, 128, 1.5, 1.5, [&] {
                if (i == 0)
                    glow(cr, 0.75, 0.7, 0.65, rgb(255, 60, 60, 0.5));
                lampy(cr, 0.12 * i, 0.3 * i, 1, i == 0 ? 0 : 1);
                if (i >= 2) {
                    for (int s = 0; s < 4; ++s) {
                        double a = s * 1.5 + i;
                        cairo_new_path(cr);
                        cairo_move_to(cr, 0.75 + 0.2 * std::cos(a), 1.2 + 0.1 * std::sin(a));
                        cairo_line_to(cr, 0.75 + 0.5 * std::cos(a), 1.2 + 0.25 * std::sin(a));
                        outline(cr, g_outline, pal::gold);
                    }
                }
            });
        }
        cv.save(out_path("img/lampy_sheet.png"));
    }
    {
        // the light cone under the lamp: 4 x 9 units
        Canvas cv(512, 1152);
        cairo_t* cr = cv.cr();
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 1152);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, 0.75);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.5, 0.25);
        cairo_new_path(cr);
        cairo_move_to(cr, 200, 200);
        cairo_line_to(cr, 312, 200);
        cairo_line_to(cr, 500, 1130);
        cairo_curve_to(cr, 400, 1160, 112, 1160, 12, 1130);
        cairo_close_path(cr);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        glow(cr, 256, 1120, 240, rgb(255, 240, 170, 0.5));
        glow(cr, 256, 210, 120, rgb(255, 250, 200, 0.9));
        cv.save(out_path("img/lampy_light.png"));
    }
    {
        // the blackout: darkness everywhere but a soft circle around the player
        Canvas cv(300, 155);
        cairo_t* cr = cv.cr();
        cairo_pattern_t* g = cairo_pattern_create_radial(150, 75, 14, 150, 75, 48);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.02, 0.08, 0.0);
        cairo_pattern_add_color_stop_rgba(g, 0.6, 0.05, 0.02, 0.08, 0.75);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.03, 0.01, 0.05, 0.97);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        cv.save(out_path("img/spotlight.png"));
    }
}

// ---------------------------------------------------------------- Valdro
void top_hat(cairo_t* cr, double x, double y, double s, int phase) {
    body(
        cr, [&](cairo_t* k) { rrect(k, x - 0.42 * s, y - 1.0 * s, 0.84 * s, 1.0 * s, 0.06 * s); },
        pal::ink.lighter(0.12), pal::ink, rgb(120, 100, 140));
    body(
        cr, [&](cairo_t* k) { rrect(k, x - 0.42 * s, y - 0.36 * s, 0.84 * s, 0.2 * s, 0.03 * s); },
        phase == 1 ? pal::burgundy : fireViolet);
    body(
        cr, [&](cairo_t* k) { ellipse(k, x, y, 0.75 * s, 0.12 * s); }, pal::ink.lighter(0.12),
        pal::ink, rgb(120, 100, 140));
    if (phase >= 2) {  // horns burst through
        for (int sd = -1; sd <= 1; sd += 2) {
            body(
                cr,
                [&](cairo_t* k) {
                    blob(k, {x + sd * 0.25 * s, y - 0.9 * s, x + sd * 0.55 * s, y - 1.35 * s,
                             x + sd * 0.42 * s, y - 1.6 * s, x + sd * 0.35 * s, y - 1.2 * s,
                             x + sd * 0.15 * s, y - 0.95 * s});
                },
                pal::paper, pal::creamDark, pal::white);
        }
    }
}

void flame(cairo_t* cr, double cx, double by, double w, double h, const Col& c, double ph) {
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - w, by, cx - w * 0.8, by - h * 0.4, cx - w * 0.3 + 0.1 * std::sin(ph),
                     by - h * 0.7, cx + 0.05 * std::sin(ph * 2), by - h, cx + w * 0.4,
                     by - h * 0.55, cx + w * 0.9, by - h * 0.3, cx + w, by});
        },
        c, c.darker(0.35), pal::white);
}

}  // namespace

// Valdro standing, 7 x 5 box, facing left, body centred at x = 3.5.
void paint_valdro(cairo_t* cr, const ValdroPose& p) {
    const double cx = 3.5;
    const double b = p.bob;
    cairo_push_group(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, 4.95);
    cairo_scale(cr, 1.3, 0.9);
    cairo_rotate(cr, -0.35 * p.bow);
    cairo_translate(cr, -cx, -4.95);
    const Col coat = p.phase == 1 ? valdroCoat : valdroCoat.mix(pal::violet, 0.3);
    if (p.phase >= 2)
        glow(cr, cx, 2.8, 2.6, rgb(150, 60, 255, 0.45));
    // opera cape behind him, flaring to his back
    body(
        cr,
        [&](cairo_t* k) {
            blob(k,
                 {cx - 0.55, 1.95 + b, cx + 0.6, 1.9 + b, cx + 1.2, 3.2 + b * 0.5, cx + 1.55, 4.75,
                  cx + 0.9, 4.65, cx + 0.2, 4.8, cx - 0.5, 4.6, cx - 0.7, 3.2 + b * 0.5},
                 0.8);
        },
        p.phase == 1 ? pal::burgundy : rgb(110, 40, 150),
        p.phase == 1 ? pal::burgundyDark : rgb(60, 16, 90),
        p.phase == 1 ? pal::burgundyLight : fireViolet);
    // legs
    for (int s = 0; s < 2; ++s) {
        double x = cx - 0.3 + s * 0.5;
        body(
            cr, [&](cairo_t* k) { limb(k, x, 3.6, x - 0.05, 4.8, 0.14, 0.12); },
            pal::ink.lighter(0.15));
        body(
            cr, [&](cairo_t* k) { ellipse(k, x - 0.2, 4.85, 0.3, 0.12); }, pal::ink.lighter(0.05));
    }
    // back arm
    {
        double a = p.armBack;
        double ex = cx + 0.55 + 0.6 * std::sin(a), ey = 2.1 + b + 0.6 * std::cos(a);
        body(
            cr, [&](cairo_t* k) { limb(k, cx + 0.5, 2.1 + b, ex, ey, 0.16, 0.13); },
            coat.darker(0.2));
        body(
            cr, [&](cairo_t* k) { circle(k, ex, ey + 0.05, 0.16); }, pal::paper.darker(0.1));
    }
    // tailcoat
    body(
        cr,
        [&](cairo_t* k) {
            blob(k,
                 {cx - 0.65, 1.85 + b, cx + 0.65, 1.85 + b, cx + 0.75, 2.8 + b, cx + 1.0, 4.1,
                  cx + 0.55, 4.0, cx + 0.35, 3.55, cx - 0.45, 3.55, cx - 0.7, 2.8 + b},
                 0.8);
        },
        coat, valdroCoatDark, coat.lighter(0.35));
    if (p.phase >= 2) {  // torn hem
        for (int t = 0; t < 3; ++t) {
            flat(
                cr,
                [&](cairo_t* k) {
                    poly(k, {cx + 0.55 + t * 0.15, 4.0 - t * 0.1, cx + 0.62 + t * 0.15,
                             4.25 - t * 0.08, cx + 0.7 + t * 0.15, 3.98 - t * 0.1});
                },
                coat, g_outline * 0.7);
        }
    }
    // shirt front, waistcoat and bow tie
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {cx - 0.35, 1.9 + b, cx + 0.15, 1.9 + b, cx - 0.05, 3.0 + b});
        },
        pal::paper);
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {cx - 0.35, 2.35 + b, cx - 0.05, 3.0 + b, cx - 0.45, 3.5, cx - 0.6, 2.6 + b});
        },
        pal::burgundy, pal::burgundyDark, pal::burgundyLight);
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {cx - 0.35, 1.95 + b, cx - 0.12, 2.05 + b, cx + 0.1, 1.95 + b, cx + 0.1,
                     2.2 + b, cx - 0.12, 2.1 + b, cx - 0.35, 2.2 + b});
        },
        p.phase == 1 ? pal::red : fireViolet);
    // watch chain
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 0.5, 2.8 + b);
    cairo_curve_to(cr, cx - 0.3, 3.05 + b, cx - 0.15, 3.0 + b, cx - 0.05, 2.9 + b);
    outline(cr, g_outline * 0.8, pal::gold);
    // head: long pale face, facing left
    const double hx = cx - 0.1, hy = 1.35 + b;
    body(
        cr, [&](cairo_t* k) { ellipse(k, hx, hy, 0.42, 0.52); }, valdroSkin, valdroSkin.darker(0.3),
        pal::white);
    // eyes and monocle
    const Col eye = p.phase == 1 ? pal::ink : rgb(255, 60, 60);
    if (p.phase >= 2) {
        glow(cr, hx - 0.25, hy - 0.05, 0.2, rgb(255, 60, 60, 0.9));
        glow(cr, hx + 0.05, hy - 0.05, 0.18, rgb(255, 60, 60, 0.9));
    }
    flat(
        cr, [&](cairo_t* k) { ellipse(k, hx - 0.25, hy - 0.05, 0.06, 0.08); }, eye, 0);
    flat(
        cr, [&](cairo_t* k) { ellipse(k, hx + 0.05, hy - 0.05, 0.05, 0.08); }, eye, 0);
    cairo_new_path(cr);
    circle(cr, hx + 0.05, hy - 0.05, 0.14);
    outline(cr, g_outline * 0.9, pal::gold);
    cairo_new_path(cr);
    cairo_move_to(cr, hx + 0.19, hy - 0.02);
    cairo_curve_to(cr, hx + 0.3, hy + 0.3, hx + 0.25, hy + 0.5, hx + 0.35, hy + 0.7);
    outline(cr, g_outline * 0.5, pal::gold);
    // brows
    cairo_new_path(cr);
    cairo_move_to(cr, hx - 0.38, hy - 0.25);
    cairo_line_to(cr, hx - 0.15, hy - 0.16);
    cairo_move_to(cr, hx - 0.05, hy - 0.16);
    cairo_line_to(cr, hx + 0.2, hy - 0.26);
    outline(cr, g_outline * 1.1);
    // long nose and curled moustache
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {hx - 0.12, hy - 0.02, hx - 0.5, hy + 0.2, hx - 0.12, hy + 0.2});
        },
        valdroSkin, valdroSkin.darker(0.3), pal::white);
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {hx - 0.55, hy + 0.22, hx - 0.35, hy + 0.2, hx - 0.1, hy + 0.26, hx + 0.15,
                     hy + 0.2, hx + 0.3, hy + 0.14, hx + 0.2, hy + 0.32, hx - 0.1, hy + 0.36,
                     hx - 0.45, hy + 0.36, hx - 0.65, hy + 0.18});
        },
        pal::ink.lighter(0.1));
    if (p.mouthOpen) {
        flat(
            cr, [&](cairo_t* k) { ellipse(k, hx - 0.15, hy + 0.45, 0.13, 0.08); },
            pal::burgundyDark);
    }
    top_hat(cr, hx + 0.02, hy - 0.42, 0.85, p.phase);
    // front arm with the cane
    {
        double a = p.armFront;
        double ex = cx - 0.55 - 0.85 * std::sin(a), ey = 2.1 + b + 0.85 * std::cos(a);
        body(
            cr, [&](cairo_t* k) { limb(k, cx - 0.45, 2.1 + b, ex, ey, 0.17, 0.14); }, coat,
            valdroCoatDark, coat.lighter(0.35));
        double ca = -a + M_PI;  // cane continues the arm line
        double tx = ex - 1.5 * std::sin(a) * 0.2 + 1.3 * std::cos(ca + M_PI / 2) * 0, ty = ey;
        cairo_new_path(cr);
        cairo_move_to(cr, ex + 0.2 * std::sin(a), ey - 0.2 * std::cos(a));
        cairo_line_to(cr, ex - 1.3 * std::sin(a), ey + 1.3 * std::cos(a));
        outline(cr, g_outline * 3.2);
        cairo_new_path(cr);
        cairo_move_to(cr, ex + 0.2 * std::sin(a), ey - 0.2 * std::cos(a));
        cairo_line_to(cr, ex - 1.3 * std::sin(a), ey + 1.3 * std::cos(a));
        outline(cr, g_outline * 1.6, p.phase == 1 ? pal::burgundyLight : fireViolet);
        (void)tx;
        (void)ty;
        glow(cr, ex + 0.25 * std::sin(a), ey - 0.25 * std::cos(a), 0.3,
             p.phase == 1 ? rgb(255, 210, 90, 0.9) : rgb(180, 90, 255, 0.9));
        body(
            cr,
            [&](cairo_t* k) { circle(k, ex + 0.25 * std::sin(a), ey - 0.25 * std::cos(a), 0.15); },
            pal::gold, pal::goldDark, pal::goldLight);
        body(
            cr, [&](cairo_t* k) { circle(k, ex, ey, 0.17); }, pal::paper, pal::creamDark,
            pal::white);
    }
    cairo_restore(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, p.fade);
}

namespace {

// The final form: a huge floating head with hands, 7 x 5 box.
void valdro_head(cairo_t* cr, double bob, double jaw, double handsUp, double crack, double fade) {
    cairo_push_group(cr);
    const double cx = 3.5, cy = 2.2 + bob;
    glow(cr, cx, cy, 3.2, rgb(150, 60, 255, 0.5));
    for (int f = 0; f < 5; ++f) {
        flame(cr, cx - 1.6 + f * 0.8, cy - 1.1, 0.35, 0.9 + 0.2 * std::sin(f * 2.0 + bob * 20),
              fireViolet, f + bob * 30);
    }
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx, cy, 1.9, 1.55); }, valdroSkin.mix(pal::violet, 0.35),
        pal::violet.darker(0.4), valdroSkin);
    // crown of the hotel: a brass band with a "V"
    body(
        cr, [&](cairo_t* k) { rrect(k, cx - 1.5, cy - 1.55, 3.0, 0.45, 0.1); }, pal::brass,
        pal::brassDark, pal::brassLight);
    text(cr, "V", cx, cy - 1.17, 0.42, pal::burgundyDark, Align::Center);
    // eyes
    for (double dx : {-0.75, 0.55}) {
        glow(cr, cx + dx, cy - 0.3, 0.5, rgb(255, 60, 60, 0.9));
        body(
            cr, [&](cairo_t* k) { ellipse(k, cx + dx, cy - 0.3, 0.32, 0.22); }, rgb(255, 220, 120),
            pal::gold, pal::white);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, cx + dx - 0.08, cy - 0.3, 0.07, 0.17); }, pal::ink, 0);
    }
    // moustache and the jaw
    flat(
        cr,
        [&](cairo_t* k) {
            cairo_new_sub_path(k);
            cairo_move_to(k, cx - 1.0, cy + 0.45);
            cairo_curve_to(k, cx - 0.7, cy + 0.45 + 0.8 * jaw + 0.3, cx + 0.7,
                           cy + 0.45 + 0.8 * jaw + 0.3, cx + 1.0, cy + 0.45);
            cairo_close_path(k);
        },
        pal::burgundyDark);
    for (int t = 0; t < 6; ++t) {
        flat(
            cr,
            [&](cairo_t* k) {
                poly(k, {cx - 0.85 + t * 0.32, cy + 0.45, cx - 0.69 + t * 0.32, cy + 0.7,
                         cx - 0.53 + t * 0.32, cy + 0.45});
            },
            pal::paper, g_outline * 0.6);
    }
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - 1.5, cy + 0.15, cx - 0.8, cy + 0.05, cx, cy + 0.3, cx + 0.8, cy + 0.05,
                     cx + 1.5, cy + 0.15, cx + 0.9, cy + 0.5, cx, cy + 0.45, cx - 0.9, cy + 0.5});
        },
        pal::ink.lighter(0.1));
    if (crack > 0) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + 0.2, cy - 1.1);
        cairo_line_to(cr, cx - 0.1, cy - 0.6);
        cairo_line_to(cr, cx + 0.25, cy - 0.2);
        cairo_line_to(cr, cx - 0.05, cy + 0.2 + crack * 0.6);
        outline(cr, g_outline * (1 + crack), rgb(255, 240, 140));
    }
    // white-gloved hands at the sides
    for (int sd = -1; sd <= 1; sd += 2) {
        double hx = cx + sd * 2.6, hy = cy + 1.2 - handsUp * 1.2;
        body(
            cr, [&](cairo_t* k) { ellipse(k, hx, hy, 0.5, 0.45); }, pal::paper, pal::creamDark,
            pal::white);
        for (int f = 0; f < 3; ++f) {
            body(
                cr,
                [&](cairo_t* k) {
                    limb(k, hx - 0.25 + f * 0.25, hy - 0.3, hx - 0.3 + f * 0.3, hy - 0.75, 0.1,
                         0.09);
                },
                pal::paper, pal::creamDark, pal::white);
        }
        if (handsUp > 0.5)
            glow(cr, hx, hy - 0.6, 0.5, rgb(120, 255, 140, 0.7));
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, fade);
}

void wave(cairo_t* cr, double w, const Col& c) {
    // crescent wave facing left, w x 5 units
    glow(cr, w * 0.45, 2.5, w * 0.9, c.with_alpha(0.6));
    body(
        cr,
        [&](cairo_t* k) {
            cairo_new_sub_path(k);
            cairo_move_to(k, w * 0.7, 0.2);
            cairo_curve_to(k, w * 0.05, 0.9, w * 0.05, 4.1, w * 0.7, 4.8);
            cairo_curve_to(k, w * 0.4, 3.9, w * 0.4, 1.1, w * 0.7, 0.2);
            cairo_close_path(k);
        },
        c, c.darker(0.4), pal::white);
    body(
        cr,
        [&](cairo_t* k) {
            cairo_new_sub_path(k);
            cairo_move_to(k, w * 0.62, 0.8);
            cairo_curve_to(k, w * 0.28, 1.5, w * 0.28, 3.5, w * 0.62, 4.2);
            cairo_curve_to(k, w * 0.45, 3.4, w * 0.45, 1.6, w * 0.62, 0.8);
            cairo_close_path(k);
        },
        pal::white, c.lighter(0.4), pal::white);
}

void skull(cairo_t* cr, const Col& fire) {
    // 1.4 x 1.4 units, flaming
    glow(cr, 0.7, 0.75, 0.7, fire.with_alpha(0.9));
    flame(cr, 0.7, 0.72, 0.5, 0.6, fire, 1.0);
    body(
        cr,
        [](cairo_t* k) {
            blob(k, {0.3, 0.75, 0.35, 0.4, 0.7, 0.3, 1.05, 0.4, 1.1, 0.75, 0.95, 0.95, 0.95, 1.15,
                     0.45, 1.15, 0.45, 0.95});
        },
        pal::paper, pal::creamDark, pal::white);
    flat(
        cr, [](cairo_t* k) { ellipse(k, 0.55, 0.72, 0.11, 0.12); }, pal::ink, 0);
    flat(
        cr, [](cairo_t* k) { ellipse(k, 0.86, 0.72, 0.11, 0.12); }, pal::ink, 0);
    glow(cr, 0.55, 0.72, 0.07, fire);
    glow(cr, 0.86, 0.72, 0.07, fire);
    flat(
        cr,
        [](cairo_t* k) {
            poly(k, {0.7, 0.85, 0.64, 0.96, 0.76, 0.96});
        },
        pal::ink, 0);
    for (int t = 0; t < 3; ++t) {
        cairo_new_path(cr);
        cairo_move_to(cr, 0.57 + t * 0.13, 1.03);
        cairo_line_to(cr, 0.57 + t * 0.13, 1.13);
        outline(cr, g_outline * 0.6);
    }
}

void valdro_sheet(int phase) {
    Canvas cv(3584, 3200);
    cairo_t* cr = cv.cr();
    g_outline = 6;
    const Col fire = phase == 1 ? fireViolet : fireGreen;
    auto frame = [&](int col, int row, const std::function<void()>& fn) {
        in_frame(cr, col * 896, row * 640, 896, 640, 7, 5, fn);
    };
    if (phase < 3) {
        // row 0: shoot, the cane raised then thrust forward
        const double shootArm[4] = {2.4, 2.9, 1.6, 1.2};
        for (int i = 0; i < 4; ++i) {
            frame(i, 0, [&] {
                ValdroPose p;
                p.phase = phase;
                p.armFront = shootArm[i];
                p.armBack = -0.3;
                p.mouthOpen = i == 2;
                if (i == 2)
                    glow(cr, 1.3, 2.5, 1.1, fire.with_alpha(0.8));
                paint_valdro(cr, p);
            });
        }
        // row 1: vanish in fire
        for (int i = 0; i < 4; ++i) {
            frame(i, 1, [&] {
                ValdroPose p;
                p.phase = phase;
                p.fade = 1.0 - 0.3 * i;
                p.armFront = 0.3;
                paint_valdro(cr, p);
                for (int f = 0; f < 3 + 2 * i; ++f) {
                    flame(cr, 2.6 + f * (1.8 / (3 + 2 * i)), 5.0, 0.3,
                          0.8 + 0.9 * i * (0.6 + 0.4 * std::sin(f)), fire, f + i);
                }
            });
        }
        // row 2: idle breathing; the third frame is a deep bow (also the fallen pose)
        const double bowIdle[3] = {0.0, 0.15, 1.0};
        for (int i = 0; i < 3; ++i) {
            frame(i, 2, [&] {
                ValdroPose p;
                p.phase = phase;
                p.bob = 0.05 * i;
                p.bow = bowIdle[i];
                p.armFront = 0.2 + 0.4 * bowIdle[i];
                paint_valdro(cr, p);
            });
        }
        // row 3: cast, arms up, a skull forming
        for (int i = 0; i < 3; ++i) {
            frame(i, 3, [&] {
                ValdroPose p;
                p.phase = phase;
                p.armFront = 2.2 + 0.3 * i;
                p.armBack = -2.4 - 0.2 * i;
                p.mouthOpen = i == 2;
                paint_valdro(cr, p);
                glow(cr, 3.0, 0.7, 0.4 + 0.3 * i, fire.with_alpha(0.9));
                if (i == 2) {
                    cairo_save(cr);
                    cairo_translate(cr, 2.4, 0.0);
                    skull(cr, fire);
                    cairo_restore(cr);
                }
            });
        }
        // row 4: walking with the cane raised back, then the swing
        const double hitArm[4] = {-2.0, -2.6, 1.5, 0.6};
        for (int i = 0; i < 4; ++i) {
            frame(i, 4, [&] {
                ValdroPose p;
                p.phase = phase;
                p.armFront = hitArm[i];
                p.bob = i == 2 ? 0.1 : 0;
                if (i == 2)
                    swoosh(cr, 3.2, 2.2, 2.2, M_PI * 0.7, M_PI * 1.2);
                paint_valdro(cr, p);
            });
        }
    } else {
        for (int i = 0; i < 4; ++i) {
            frame(i, 0, [&] {
                valdro_head(cr, 0.06 * std::sin(i * M_PI / 2), 0.15 + 0.15 * (i % 2),
                            0.2 * std::sin(i * M_PI / 2) + 0.2, 0, 1);
            });
        }
        for (int i = 0; i < 4; ++i) {
            frame(i, 1, [&] {
                valdro_head(cr, 0, 0.1, 0.1, 0, 1.0 - 0.3 * i);
                for (int f = 0; f < 3 + 2 * i; ++f) {
                    flame(cr, 1.5 + f * (4.0 / (3 + 2 * i)), 4.6, 0.35, 0.8 + 0.8 * i, fire, f + i);
                }
            });
        }
        for (int i = 0; i < 3; ++i) {
            frame(i, 2,
                  [&] { valdro_head(cr, 0.2 * i, 0.3 + 0.2 * i, 0, 0.5 * i, 1.0 - 0.2 * i); });
        }
        for (int i = 0; i < 3; ++i) {
            frame(i, 3, [&] { valdro_head(cr, 0, 0.2, 0.5 + 0.25 * i, 0, 1); });
        }
        for (int i = 0; i < 4; ++i) {
            frame(i, 4, [&] {
                valdro_head(cr, 0.1 * (i % 2), 0.4 * (i % 2), i == 0 ? 1.0 : 0.3 * i, 0, 1);
            });
        }
    }
    // waves and skulls (phase 1 column and phases 2-3 column)
    in_frame(cr, 2688, 1280, 256, 640, 2, 5, [&] { wave(cr, 2, fireViolet); });
    in_frame(cr, 2688, 1920, 384, 640, 3, 5, [&] { wave(cr, 3, fireGreen); });
    g_outline = 4.5;
    in_frame(cr, 3072, 1280, 192, 192, 1.4, 1.4, [&] { skull(cr, fireViolet); });
    in_frame(cr, 3072, 1920, 192, 192, 1.4, 1.4, [&] { skull(cr, fireGreen); });
    cv.save(out_path(phase == 1   ? "img/valdro1_sheet.png"
                     : phase == 2 ? "img/valdro2_sheet.png"
                                  : "img/valdro3_sheet.png"));
}

}  // namespace

void paint_greed(cairo_t* cr, double bob, double stretch, bool mouthOpen) {
    greed(cr, bob, stretch, 0, 0, mouthOpen ? 1 : 0, true);
}

void paint_lust(cairo_t* cr, double sway, double armUp, bool kiss) {
    lust(cr, 0, sway, 0, armUp, kiss ? 1 : 0, 0);
}

void draw_bosses() {
    greed_sheet();
    lust_sheet();
    lampy_sheets();
    for (int ph = 1; ph <= 3; ++ph) valdro_sheet(ph);
}

}  // namespace valdro::art
