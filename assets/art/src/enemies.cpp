// Regular enemies, 128 x 128 frames drawn in a 1.5 x 1.5 world-unit box:
// Blanky (sheet ghost, faces right), Pikaboo (prankster ghost, faces left),
// Peanut (mouldy lobber, faces left), Butter (melting walker, faces right),
// Handy (rotten hand of paper, rock and scissors, faces right), and their shots.
#include <cmath>

#include "families.hpp"
#include "kit.hpp"

namespace valdro::art {

namespace {

constexpr double U = 1.5;  // frame size in world units
constexpr Col blankyCol = rgb(240, 238, 250);
constexpr Col blankyShade = rgb(168, 160, 208);
constexpr Col pikaCol = rgb(214, 120, 226);
constexpr Col pikaShade = rgb(140, 62, 168);
constexpr Col peanutCol = rgb(214, 164, 96);
constexpr Col peanutShade = rgb(150, 104, 56);
constexpr Col mould = rgb(128, 168, 72);
constexpr Col butterCol = rgb(255, 226, 110);
constexpr Col butterShade = rgb(222, 170, 50);
constexpr Col handCol = rgb(196, 204, 170);
constexpr Col handShade = rgb(128, 140, 108);

void frame(cairo_t* cr, int col, int row, const std::function<void()>& fn) {
    in_frame(cr, col * 128, row * 128, 128, 128, U, U, fn);
}

void eyes_x(cairo_t* cr, double x, double y, double s) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - s, y - s);
    cairo_line_to(cr, x + s, y + s);
    cairo_move_to(cr, x + s, y - s);
    cairo_line_to(cr, x - s, y + s);
    outline(cr, g_outline * 1.1);
}

void puffs(cairo_t* cr, Rng& rng, double cx, double cy, double spread, int n, double rmin,
           double rmax, const Col& c, double alpha) {
    for (int i = 0; i < n; ++i) {
        double a = rng.range(0, 2 * M_PI);
        double d = rng.range(0.2, 1.0) * spread;
        double r = rng.range(rmin, rmax);
        cairo_push_group(cr);
        body(
            cr, [&](cairo_t* k) { circle(k, cx + d * std::cos(a), cy + d * std::sin(a) * 0.8, r); },
            c, c.darker(0.3), pal::white);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, alpha);
    }
}

// ---------------------------------------------------------------- Blanky
// A bedsheet ghost. squash: 0 normal, >0 sinking; melt: hem length cut.
void blanky_body(cairo_t* cr, double bob, double wave, double squash, int face, const Col& col) {
    const double top = 0.18 + bob + squash * 0.5;
    const double hem = 1.3 - squash * 0.1;
    const double w = 0.5 + squash * 0.25;
    auto path = [&](cairo_t* k) {
        cairo_new_sub_path(k);
        cairo_move_to(k, 0.75 - w, hem);
        cairo_curve_to(k, 0.75 - w, top + 0.1, 0.75 - w * 0.7, top, 0.75, top);
        cairo_curve_to(k, 0.75 + w * 0.7, top, 0.75 + w, top + 0.1, 0.75 + w + 0.05, hem);
        // wavy hem, 4 scallops
        for (int i = 0; i < 4; ++i) {
            double x0 = 0.75 + w + 0.05 - (i + 1) * (2 * w + 0.05) / 4;
            double dy = 0.1 * std::sin(wave + i * 1.6);
            cairo_curve_to(k, x0 + 0.18, hem + 0.12 + dy, x0 + 0.06, hem + 0.1 + dy, x0,
                           hem - 0.02);
        }
        cairo_close_path(k);
    };
    body(cr, path, col, blankyShade, pal::white, 0.1);
    // folds
    cairo_new_path(cr);
    cairo_move_to(cr, 0.55, top + 0.55);
    cairo_curve_to(cr, 0.5, top + 0.75, 0.5, hem - 0.15, 0.45, hem - 0.05);
    cairo_move_to(cr, 0.95, top + 0.6);
    cairo_curve_to(cr, 1.0, top + 0.8, 0.98, hem - 0.2, 1.02, hem - 0.05);
    outline(cr, g_outline * 0.5, blankyShade.darker(0.3));
    const double ey = top + 0.32;
    if (face == 0) {  // eye holes, looking right
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 0.84, ey, 0.075, 0.11); }, pal::ink, 0);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 1.07, ey, 0.065, 0.1); }, pal::ink, 0);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 0.97, ey + 0.2, 0.06, 0.045); }, pal::ink, 0);
        glow(cr, 0.86, ey - 0.02, 0.035, pal::white);
        glow(cr, 1.08, ey - 0.02, 0.03, pal::white);
    } else if (face == 1) {  // hurt
        eyes_x(cr, 0.84, ey, 0.06);
        eyes_x(cr, 1.07, ey, 0.055);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 0.96, ey + 0.22, 0.08, 0.07); }, pal::ink, 0);
    } else {  // fading: sleepy lines
        cairo_new_path(cr);
        cairo_move_to(cr, 0.78, ey);
        cairo_line_to(cr, 0.9, ey + 0.02);
        cairo_move_to(cr, 1.02, ey + 0.02);
        cairo_line_to(cr, 1.12, ey);
        outline(cr, g_outline);
    }
}

void blanky_sheet() {
    Canvas cv(512, 384);
    cairo_t* cr = cv.cr();
    g_outline = 3.5;
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 0, [&] {
            glow(cr, 0.75, 0.75, 0.7, rgb(180, 170, 255, 0.35));
            blanky_body(cr, 0.05 * std::sin(i * M_PI / 2), i * M_PI / 2, 0, 0, blankyCol);
        });
    }
    // "puf": the sheet dissolves into fading puffs (fup plays it backwards)
    const double bodyAlpha[3] = {0.8, 0.45, 0.15};
    const double puffAlpha[3] = {0.7, 0.5, 0.3};
    for (int i = 0; i < 3; ++i) {
        frame(cr, i, 1, [&] {
            Rng rng(200 + i);
            cairo_push_group(cr);
            blanky_body(cr, 0.0, i, 0.2 * i, 2, blankyCol);
            cairo_pop_group_to_source(cr);
            cairo_paint_with_alpha(cr, bodyAlpha[i]);
            puffs(cr, rng, 0.75, 0.75, 0.25 + 0.22 * i, 5 + 2 * i, 0.06, 0.12, blankyCol,
                  puffAlpha[i]);
        });
    }
    // death: hurt flash, then the empty sheet drops and crumples
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 2, [&] {
            if (i == 0) {
                glow(cr, 0.75, 0.75, 0.7, rgb(255, 80, 80, 0.5));
                blanky_body(cr, 0, 0.5, 0, 1, blankyCol.mix(pal::red, 0.25));
                return;
            }
            const double sq = 0.35 * i;
            blanky_body(cr, 0, i, std::min(sq, 1.0), i == 1 ? 1 : 2,
                        blankyCol.mix(blankyShade, 0.15 * i));
            if (i >= 2) {
                Rng rng(300 + i);
                // the little soul leaves
                double sy = 0.65 - 0.2 * i;
                glow(cr, 0.9, sy, 0.18, rgb(200, 220, 255, 0.8));
                body(
                    cr,
                    [&](cairo_t* k) {
                        blob(k, {0.9, sy - 0.1, 0.98, sy, 0.93, sy + 0.12, 0.86, sy + 0.02});
                    },
                    pal::white);
                puffs(cr, rng, 0.75, 1.2, 0.4, 4, 0.04, 0.08, blankyCol, 0.6);
            }
        });
    }
    cv.save(out_path("img/blanky_sheet.png"));
}

void enemy_shot() {
    Canvas cv(100, 100);
    cairo_t* cr = cv.cr();
    g_outline = 4;
    g_outline = 5;
    glow(cr, 50, 50, 50, rgb(255, 40, 160));
    body(
        cr, [](cairo_t* c) { circle(c, 50, 50, 34); }, rgb(255, 70, 180), rgb(160, 10, 110),
        pal::white);
    body(
        cr, [](cairo_t* c) { circle(c, 46, 46, 16); }, rgb(255, 236, 250), rgb(255, 170, 225),
        pal::white);
    cv.save(out_path("img/disparoEnemigo.png"));
}

// ---------------------------------------------------------------- Pikaboo
// A round prankster ghost facing left. hands: 0 down, 1 over the eyes.
void pikaboo_body(cairo_t* cr, double cx, double cy, double sx, double sy, double hands, int face,
                  double tilt, const Col& col) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tilt);
    // tail wisp
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {0.25 * sx, 0.1, 0.55 * sx, 0.25 * sy, 0.62 * sx, 0.45 * sy, 0.4 * sx, 0.3 * sy,
                     0.15, 0.3 * sy});
        },
        col, pikaShade, pal::white);
    body(
        cr, [&](cairo_t* k) { ellipse(k, 0, 0, 0.42 * sx, 0.4 * sy); }, col, pikaShade, pal::white);
    // little horns
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {-0.22 * sx, -0.3 * sy, -0.3 * sx, -0.52 * sy, -0.08 * sx, -0.36 * sy});
        },
        col.darker(0.1));
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {0.1 * sx, -0.37 * sy, 0.2 * sx, -0.56 * sy, 0.26 * sx, -0.3 * sy});
        },
        col.darker(0.1));
    const double ex = -0.14 * sx, ey = -0.08 * sy;
    if (face == 0 || face == 3) {  // grin (3 = angry)
        flat(
            cr, [&](cairo_t* k) { ellipse(k, ex - 0.1, ey, 0.075, 0.1); }, pal::white,
            g_outline * 0.8);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, ex + 0.12, ey, 0.075, 0.1); }, pal::white,
            g_outline * 0.8);
        flat(
            cr, [&](cairo_t* k) { circle(k, ex - 0.13, ey + 0.02, 0.04); }, pal::ink, 0);
        flat(
            cr, [&](cairo_t* k) { circle(k, ex + 0.09, ey + 0.02, 0.04); }, pal::ink, 0);
        if (face == 3) {
            cairo_new_path(cr);
            cairo_move_to(cr, ex - 0.2, ey - 0.14);
            cairo_line_to(cr, ex - 0.02, ey - 0.08);
            cairo_move_to(cr, ex + 0.03, ey - 0.08);
            cairo_line_to(cr, ex + 0.2, ey - 0.15);
            outline(cr, g_outline);
        }
        flat(
            cr,
            [&](cairo_t* k) {
                cairo_new_sub_path(k);
                cairo_arc(k, ex, ey + 0.14, 0.17, 0, M_PI);
                cairo_close_path(k);
            },
            pal::burgundyDark);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, ex + 0.03, ey + 0.25, 0.07, 0.04); },
            rgb(255, 110, 130), 0);
    } else if (face == 1) {  // dizzy spirals
        for (double dx : {-0.1, 0.12}) {
            cairo_new_path(cr);
            for (int t = 0; t < 40; ++t) {
                double a = t * 0.45, r = 0.003 * t;
                cairo_line_to(cr, ex + dx + r * std::cos(a), ey + r * std::sin(a));
            }
            outline(cr, g_outline * 0.7);
        }
        flat(
            cr, [&](cairo_t* k) { ellipse(k, ex, ey + 0.2, 0.08, 0.05); }, pal::burgundyDark);
    } else {  // hurt
        eyes_x(cr, ex - 0.1, ey, 0.05);
        eyes_x(cr, ex + 0.12, ey, 0.05);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, ex, ey + 0.2, 0.1, 0.08); }, pal::burgundyDark);
    }
    // stubby hands
    const double hy = 0.12 * sy - hands * 0.2;
    const double hx = hands * 0.16;
    body(
        cr, [&](cairo_t* k) { ellipse(k, -0.36 * sx + hx, hy, 0.11, 0.09); }, col.lighter(0.1),
        pikaShade, pal::white);
    body(
        cr, [&](cairo_t* k) { ellipse(k, 0.3 * sx - hx * 0.2, hy + 0.04, 0.1, 0.085); },
        col.lighter(0.1), pikaShade, pal::white);
    cairo_restore(cr);
}

void speed_streaks(cairo_t* cr, double x0, double x1, std::initializer_list<double> ys,
                   const Col& c) {
    for (double y : ys) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x1, y);
        outline(cr, g_outline * 1.1, c);
    }
}

void pikaboo_sheet() {
    Canvas cv(512, 512);
    cairo_t* cr = cv.cr();
    g_outline = 3.5;
    const double handsIdle[4] = {0.0, 0.8, 1.0, 0.3};
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 0, [&] {
            pikaboo_body(cr, 0.72, 0.78 + 0.04 * std::sin(i * M_PI / 2), 1, 1, handsIdle[i], 0, 0,
                         pikaCol);
        });
    }
    // wind-up: rears back, squashed, angry
    for (int i = 0; i < 2; ++i) {
        frame(cr, i, 1, [&] {
            pikaboo_body(cr, 0.86 + 0.04 * i, 0.86, 0.92 - 0.05 * i, 1.1 + 0.04 * i, 0, 3,
                         0.25 + 0.08 * i, pikaCol.mix(pal::red, 0.15 * i));
        });
    }
    // charge: stretched toward the left with streaks behind
    for (int i = 0; i < 2; ++i) {
        frame(cr, 2 + i, 1, [&] {
            speed_streaks(cr, 1.05, 1.45, {0.55 + 0.04 * i, 0.8, 1.02 - 0.04 * i},
                          pikaShade.with_alpha(0.8));
            pikaboo_body(cr, 0.64 - 0.04 * i, 0.78, 1.22 + 0.05 * i, 0.86, 0, 3, -0.12, pikaCol);
        });
    }
    // dizzy: wobbling with stars circling
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 2, [&] {
            pikaboo_body(cr, 0.75, 0.85, 1, 1, 0, 1, 0.15 * std::sin(i * M_PI / 2),
                         pikaCol.darker(0.08));
            for (int s = 0; s < 3; ++s) {
                double a = i * M_PI / 6 + s * 2 * M_PI / 3;
                double sx = 0.75 + 0.42 * std::cos(a), sy = 0.36 + 0.1 * std::sin(a);
                body(
                    cr, [&](cairo_t* k) { star_path(k, sx, sy, 0.1, 0.045, 5, a); }, pal::gold,
                    pal::goldDark, pal::white);
            }
        });
    }
    // death: hurt, then it shrinks and pops
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 3, [&] {
            if (i < 3) {
                double s = 1.0 - 0.22 * i;
                if (i == 0)
                    glow(cr, 0.75, 0.8, 0.65, rgb(255, 80, 80, 0.5));
                pikaboo_body(cr, 0.75, 0.8 + 0.12 * i, s, s * (1.0 - 0.1 * i), 0, 2, 0.3 * i,
                             pikaCol.mix(pal::ghost, 0.25 * i));
            }
            if (i >= 1) {
                Rng rng(400 + i);
                puffs(cr, rng, 0.75, 0.9, 0.2 + 0.2 * i, 3 + 3 * i, 0.04, 0.1, pikaCol.lighter(0.4),
                      0.85);
            }
        });
    }
    cv.save(out_path("img/pikaboo_sheet.png"));
}

// ---------------------------------------------------------------- Peanut
// A mouldy peanut shell facing left that lobs from its open top.
void peanut_body(cairo_t* cr, double sy, double mouth, double tilt, int face, const Col& col) {
    cairo_save(cr);
    cairo_translate(cr, 0.78, 1.42);
    cairo_rotate(cr, tilt);
    cairo_scale(cr, 1.0, sy);
    auto shell = [&](cairo_t* k) {
        blob(k, {-0.3, -0.05, -0.36, -0.3,  -0.24, -0.52, -0.3, -0.72, -0.26, -0.98, -0.02, -1.1,
                 0.24, -0.98, 0.3,   -0.72, 0.22,  -0.52, 0.34, -0.3,  0.3,   -0.05, 0.0,   0.03});
    };
    body(cr, shell, col, peanutShade, pal::cream);
    // netted shell texture
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, -0.25, -0.2 - i * 0.22);
        cairo_curve_to(cr, -0.1, -0.16 - i * 0.22, 0.1, -0.16 - i * 0.22, 0.25, -0.2 - i * 0.22);
        outline(cr, g_outline * 0.45, peanutShade.darker(0.3));
    }
    // mould spots
    for (auto [x, y, r] :
         {std::tuple{0.16, -0.32, 0.07}, {-0.18, -0.85, 0.06}, {0.12, -0.9, 0.045}}) {
        flat(
            cr, [&](cairo_t* k) { ellipse(k, x, y, r, r * 0.8); }, mould, g_outline * 0.5);
    }
    // mouth at the top-left, a dark hollow that opens when firing
    flat(
        cr, [&](cairo_t* k) { ellipse(k, -0.12, -0.98, 0.1 + 0.06 * mouth, 0.05 + 0.08 * mouth); },
        pal::ink, 0);
    // face
    const double ey = -0.58;
    if (face == 0) {
        flat(
            cr, [&](cairo_t* k) { ellipse(k, -0.17, ey, 0.07, 0.09); }, pal::white,
            g_outline * 0.7);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 0.04, ey, 0.07, 0.09); }, pal::white, g_outline * 0.7);
        flat(
            cr, [&](cairo_t* k) { circle(k, -0.2, ey + 0.01, 0.035); }, pal::ink, 0);
        flat(
            cr, [&](cairo_t* k) { circle(k, 0.01, ey + 0.01, 0.035); }, pal::ink, 0);
        cairo_new_path(cr);
        cairo_move_to(cr, -0.28, ey - 0.14);
        cairo_line_to(cr, -0.1, ey - 0.08);
        cairo_move_to(cr, -0.02, ey - 0.08);
        cairo_line_to(cr, 0.14, ey - 0.13);
        outline(cr, g_outline * 0.9);
        cairo_new_path(cr);
        cairo_move_to(cr, -0.2, ey + 0.18);
        cairo_curve_to(cr, -0.12, ey + 0.13, -0.02, ey + 0.13, 0.05, ey + 0.18);
        outline(cr, g_outline * 0.8);
    } else {
        eyes_x(cr, -0.17, ey, 0.05);
        eyes_x(cr, 0.04, ey, 0.05);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, -0.07, ey + 0.18, 0.07, 0.06); }, pal::ink, 0);
    }
    cairo_restore(cr);
}

void peanut_sheet() {
    Canvas cv(512, 384);
    cairo_t* cr = cv.cr();
    g_outline = 3.5;
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 0, [&] {
            peanut_body(cr, 1.0 + 0.03 * std::sin(i * M_PI / 2), 0,
                        0.04 * std::sin(i * M_PI / 2 + 1), 0, peanutCol);
        });
    }
    // shoot: squash, mouth opens, recoil with a puff, settle
    const double sq[4] = {0.88, 1.08, 1.02, 0.97};
    const double mo[4] = {0.2, 1.0, 0.7, 0.2};
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 1, [&] {
            peanut_body(cr, sq[i], mo[i], i == 1 ? 0.12 : (i == 2 ? 0.06 : 0), 0, peanutCol);
            if (i == 1 || i == 2) {
                Rng rng(500 + i);
                puffs(cr, rng, 0.5 - 0.1 * i, 0.25, 0.1 + 0.08 * i, 4, 0.04, 0.07, pal::cream, 0.8);
            }
        });
    }
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 2, [&] {
            if (i == 0) {
                glow(cr, 0.75, 0.85, 0.65, rgb(255, 80, 80, 0.5));
                peanut_body(cr, 0.95, 0.3, 0, 1, peanutCol.mix(pal::red, 0.2));
            } else {
                // the shell cracks down the middle and the halves tip over outwards
                const double split[4] = {0, 0.0, 0.45, 0.75};
                cairo_push_group(cr);
                peanut_body(cr, 1.0 - 0.05 * i, 0, 0, 1, peanutCol.mix(mould, 0.2 * i));
                cairo_new_path(cr);
                cairo_move_to(cr, 0.78, 0.3);
                cairo_line_to(cr, 0.84, 0.62);
                cairo_line_to(cr, 0.73, 0.87);
                cairo_line_to(cr, 0.83, 1.12);
                cairo_line_to(cr, 0.78, 1.42);
                outline(cr, g_outline * 1.2);
                cairo_pattern_t* pat = cairo_pop_group(cr);
                for (int side = -1; side <= 1; side += 2) {
                    cairo_save(cr);
                    cairo_translate(cr, 0.78 + side * 0.3, 1.42);
                    cairo_rotate(cr, side * split[i] * 0.9);
                    cairo_translate(cr, -0.78 - side * 0.3 + side * split[i] * 0.1, -1.42);
                    cairo_new_path(cr);
                    cairo_rectangle(cr, side < 0 ? -1.0 : 0.78, -1.0, side < 0 ? 1.78 : 2.0, 3.0);
                    cairo_clip(cr);
                    cairo_set_source(cr, pat);
                    cairo_paint(cr);
                    cairo_restore(cr);
                }
                cairo_pattern_destroy(pat);
                Rng rng(520 + i);
                puffs(cr, rng, 0.75, 1.2, 0.4, 2 + i, 0.03, 0.06, peanutShade, 0.8);
            }
        });
    }
    cv.save(out_path("img/peanut_sheet.png"));
}

// ---------------------------------------------------------------- Butter
void butter_body(cairo_t* cr, double legPhase, double melt, int face, const Col& col) {
    const double top = 0.45 + melt * 0.55;
    const double h = 0.62 - melt * 0.45;
    // legs
    if (melt < 0.3) {
        for (int s = 0; s < 2; ++s) {
            double ph = legPhase + s * M_PI;
            double fx = 0.6 + s * 0.3 + 0.1 * std::sin(ph),
                   fy = 1.42 - 0.05 * std::max(0.0, std::cos(ph));
            body(
                cr,
                [&](cairo_t* k) { limb(k, 0.62 + s * 0.26, top + h - 0.05, fx, fy, 0.045, 0.045); },
                pal::ink.lighter(0.2));
            body(
                cr, [&](cairo_t* k) { ellipse(k, fx + 0.05, fy, 0.09, 0.05); }, pal::burgundy);
        }
    }
    // puddle when melting
    if (melt > 0) {
        body(
            cr, [&](cairo_t* k) { ellipse(k, 0.75, 1.38, 0.3 + melt * 0.35, 0.06 + melt * 0.05); },
            col, butterShade, pal::white);
    }
    // the stick, sagging as it melts
    body(
        cr,
        [&](cairo_t* k) {
            blob(k,
                 {0.3 - melt * 0.1, top + 0.05, 0.4, top - 0.02, 1.1, top - 0.02 + melt * 0.1,
                  1.22 + melt * 0.1, top + 0.08, 1.22 + melt * 0.15, top + h, 0.75, top + h + 0.04,
                  0.28 - melt * 0.15, top + h},
                 0.5);
        },
        col, butterShade, pal::white);
    // drips
    for (double dx : {0.45, 0.9}) {
        body(
            cr,
            [&](cairo_t* k) {
                limb(k, dx, top + h - 0.05, dx, top + h + 0.05 + melt * 0.08, 0.03, 0.045);
            },
            col, butterShade, pal::white);
    }
    // foil wrapper on the back end
    if (melt < 0.6) {
        body(
            cr,
            [&](cairo_t* k) {
                poly(k, {0.26, top + 0.02, 0.52, top - 0.04, 0.5, top + h + 0.02, 0.24,
                         top + h - 0.02});
            },
            rgb(200, 210, 228), rgb(140, 150, 170), pal::white);
        flat(
            cr, [&](cairo_t* k) { rrect(k, 0.3, top + 0.18, 0.16, 0.16, 0.03); }, pal::burgundy,
            g_outline * 0.5);
    }
    const double ey = top + h * 0.38;
    if (face == 0) {
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 0.86, ey, 0.06, 0.08); }, pal::white, g_outline * 0.7);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 1.04, ey, 0.06, 0.08); }, pal::white, g_outline * 0.7);
        flat(
            cr, [&](cairo_t* k) { circle(k, 0.88, ey + 0.02, 0.03); }, pal::ink, 0);
        flat(
            cr, [&](cairo_t* k) { circle(k, 1.06, ey + 0.02, 0.03); }, pal::ink, 0);
        cairo_new_path(cr);
        cairo_arc(cr, 0.96, ey + 0.1, 0.07, 0.2, M_PI - 0.2);
        outline(cr, g_outline * 0.8);
    } else {
        eyes_x(cr, 0.86, ey, 0.045);
        eyes_x(cr, 1.04, ey, 0.045);
    }
}

void butter_sheet() {
    Canvas cv(512, 256);
    cairo_t* cr = cv.cr();
    g_outline = 3.5;
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 0, [&] {
            cairo_translate(cr, 0, (i % 2) * -0.03);
            butter_body(cr, i * M_PI / 2, 0, 0, butterCol);
        });
    }
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 1, [&] {
            if (i == 0)
                glow(cr, 0.75, 0.9, 0.6, rgb(255, 80, 80, 0.5));
            butter_body(cr, 0, 0.3 * i, 1, i == 0 ? butterCol.mix(pal::red, 0.25) : butterCol);
        });
    }
    cv.save(out_path("img/butter_sheet.png"));
}

void butter_drop() {
    Canvas cv(100, 100);
    cairo_t* cr = cv.cr();
    g_outline = 4;
    cairo_scale(cr, 100 / U, 100 / U);
    glow(cr, 0.75, 1.0, 0.75, rgb(255, 190, 40, 0.85));
    body(
        cr,
        [](cairo_t* k) {
            blob(k, {0.2, 1.25, 0.3, 1.0, 0.55, 0.95, 0.7, 0.62, 0.9, 0.7, 1.05, 0.95, 1.3, 1.05,
                     1.32, 1.3, 0.75, 1.38});
        },
        rgb(255, 206, 60), rgb(214, 134, 20), pal::white);
    flat(
        cr, [](cairo_t* k) { ellipse(k, 0.62, 1.02, 0.08, 0.05); }, pal::white.with_alpha(0.9), 0);
    // stink wisps
    for (int i = 0; i < 2; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 0.55 + i * 0.4, 0.55);
        cairo_curve_to(cr, 0.45 + i * 0.4, 0.42, 0.65 + i * 0.4, 0.32, 0.55 + i * 0.4, 0.18);
        outline(cr, 3.5, rgb(120, 150, 60));
    }
    cv.save(out_path("img/butter_shit.png"));
}

// ---------------------------------------------------------------- Handy
// A rotten hand. ext[i]: finger extension 0 (curled) .. 1 (straight), index to pinky;
// spread: angle between index and middle (scissors); thumb: 0 tucked .. 1 out.
void hand(cairo_t* cr, double cx, double cy, double rot, double scale, const double ext[4],
          double spread, double thumb, int face, const Col& col) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rot);
    cairo_scale(cr, scale * 0.9, scale * 0.9);
    cairo_translate(cr, 0, -0.08);
    // wrist cuff (a frayed bandage)
    body(
        cr, [](cairo_t* k) { rrect(k, -0.2, 0.28, 0.4, 0.26, 0.06); }, pal::cream, pal::creamDark,
        pal::white);
    cairo_new_path(cr);
    cairo_move_to(cr, -0.2, 0.38);
    cairo_line_to(cr, 0.2, 0.42);
    outline(cr, g_outline * 0.5);
    // fingers: index (right, toward the thumb) to pinky (left)
    const double baseX[4] = {0.15, 0.05, -0.06, -0.16};
    const double len[4] = {0.36, 0.4, 0.36, 0.28};
    const double ang[4] = {0.12 + spread * 0.5, 0.0 - spread * 0.5, -0.12, -0.25};
    for (int f = 3; f >= 0; --f) {
        double e = ext[f];
        double a = ang[f];
        double L = len[f] * (0.35 + 0.65 * e);
        double x1 = baseX[f] + L * std::sin(a), y1 = -0.18 - L * std::cos(a);
        if (e < 0.5) {  // curled: knuckle stub
            body(
                cr, [&](cairo_t* k) { ellipse(k, baseX[f], -0.2, 0.075, 0.1); }, col, handShade,
                pal::white);
            continue;
        }
        body(
            cr, [&](cairo_t* k) { limb(k, baseX[f], -0.05, x1, y1, 0.068, 0.058); }, col, handShade,
            pal::white);
        flat(
            cr, [&](cairo_t* k) { ellipse(k, x1 + 0.006, y1 + 0.03, 0.035, 0.028); },
            rgb(120, 90, 110), 0);
        cairo_new_path(cr);
        cairo_move_to(cr, baseX[f] + 0.55 * (x1 - baseX[f]) - 0.04, -0.05 + 0.55 * (y1 + 0.05));
        cairo_line_to(cr, baseX[f] + 0.55 * (x1 - baseX[f]) + 0.04,
                      -0.05 + 0.55 * (y1 + 0.05) + 0.01);
        outline(cr, g_outline * 0.5);
    }
    // palm
    body(
        cr,
        [](cairo_t* k) {
            blob(k, {-0.24, -0.2, 0.22, -0.22, 0.26, 0.1, 0.16, 0.32, -0.16, 0.32, -0.26, 0.08});
        },
        col, handShade, pal::white);
    // thumb sticking out to the right
    const double ta = -0.9 + 0.7 * (1 - thumb);
    body(
        cr,
        [&](cairo_t* k) {
            limb(k, 0.18, 0.12, 0.18 + 0.28 * std::cos(ta), 0.12 + 0.28 * std::sin(ta), 0.075,
                 0.062);
        },
        col, handShade, pal::white);
    // stitches
    cairo_new_path(cr);
    cairo_move_to(cr, -0.16, 0.2);
    cairo_line_to(cr, 0.04, 0.0);
    for (int s = 0; s < 3; ++s) {
        double t = (s + 0.5) / 3, x = -0.16 + 0.2 * t, y = 0.2 - 0.2 * t;
        cairo_move_to(cr, x - 0.035, y - 0.035);
        cairo_line_to(cr, x + 0.035, y + 0.035);
    }
    outline(cr, g_outline * 0.6, pal::burgundyDark);
    // one eye in the palm
    if (face == 0) {
        flat(
            cr, [](cairo_t* k) { ellipse(k, 0.02, 0.05, 0.1, 0.08); }, pal::paper, g_outline * 0.7);
        flat(
            cr, [](cairo_t* k) { circle(k, 0.05, 0.05, 0.045); }, pal::redDark, 0);
        flat(
            cr, [](cairo_t* k) { circle(k, 0.05, 0.05, 0.02); }, pal::ink, 0);
    } else {
        eyes_x(cr, 0.02, 0.05, 0.06);
    }
    cairo_restore(cr);
}

void handy_sheet() {
    Canvas cv(512, 896);
    cairo_t* cr = cv.cr();
    g_outline = 3.5;
    const double open[4] = {1, 1, 1, 1};
    const double fist[4] = {0, 0, 0, 0};
    const double vee[4] = {1, 1, 0, 0};
    // row 0: paper, fingers waving
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 0, [&] {
            double e[4];
            for (int f = 0; f < 4; ++f) e[f] = 0.75 + 0.25 * std::cos(i * M_PI / 2 + f * 0.9);
            hand(cr, 0.72, 0.92, 0.12 * std::sin(i * M_PI / 2), 1.2, e, 0.08, 1, 0, handCol);
        });
    }
    // row 1: rock idle (2 frames), then rising and slamming
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 1, [&] {
            double y = 0.95, s = 1.15, rot = 0;
            if (i == 1) {
                y = 0.97;
                s = 1.18;
            }
            if (i == 2) {
                y = 0.6;
                rot = -0.35;
            }
            if (i == 3) {
                y = 1.0;
                s = 1.25;
            }
            if (i == 3) {
                for (int l = 0; l < 5; ++l) {
                    double a = M_PI + l * M_PI / 4;
                    cairo_new_path(cr);
                    cairo_move_to(cr, 0.75 + 0.5 * std::cos(a), 1.42 + 0.2 * std::sin(a));
                    cairo_line_to(cr, 0.75 + 0.68 * std::cos(a), 1.42 + 0.3 * std::sin(a));
                    outline(cr, g_outline, pal::brassDark);
                }
            }
            hand(cr, 0.75, y, rot, s, fist, 0, 0, 0, handCol.darker(i == 3 ? 0.1 : 0));
        });
    }
    // row 2: scissors snipping
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 2, [&] {
            double spread = 0.15 + 0.35 * (0.5 + 0.5 * std::cos(i * M_PI / 2));
            hand(cr, 0.72, 0.95, 0.25, 1.15, vee, spread, 0.2, 0, handCol);
        });
    }
    // row 3: transformation, a spinning puff
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 3, [&] {
            double e[4] = {1.0 - i * 0.3, 1.0 - i * 0.25, 0.6, 0.4};
            for (double& v : e) v = std::clamp(v, 0.0, 1.0);
            hand(cr, 0.75, 0.9, i * M_PI / 2.2, 1.1 - 0.12 * (i % 2), e, 0.2, 0.5, 0, handCol);
            Rng rng(600 + i);
            puffs(cr, rng, 0.75, 0.85, 0.45, 5 + i, 0.06, 0.12, rgb(220, 210, 240), 0.75);
        });
    }
    // row 4: death (first frame is the damage flash)
    for (int i = 0; i < 4; ++i) {
        frame(cr, i, 4, [&] {
            if (i == 0) {
                glow(cr, 0.75, 0.85, 0.65, rgb(255, 80, 80, 0.5));
                hand(cr, 0.75, 0.92, 0.2, 1.2, open, 0.1, 1, 1, handCol.mix(pal::red, 0.3));
                return;
            }
            double e[4] = {0.9 - 0.3 * i, 0.9 - 0.3 * i, 0.8 - 0.3 * i, 0.7 - 0.3 * i};
            for (double& v : e) v = std::max(v, 0.0);
            hand(cr, 0.75, 0.95 + 0.08 * i, 0.5 * i, 1.2 - 0.12 * i, e, 0.1, 0.5, 1,
                 handCol.mix(handShade, 0.25 * i));
        });
    }
    // row 5: throwing scissors
    for (int i = 0; i < 3; ++i) {
        frame(cr, i, 5, [&] {
            double rot[3] = {-0.5, 0.55, 0.9};
            double spread[3] = {0.1, 0.5, 0.35};
            hand(cr, 0.7 + 0.05 * i, 0.95, rot[i], 1.15, vee, spread[i], 0.2, 0, handCol);
            if (i == 1)
                speed_streaks(cr, 0.15, 0.4, {0.45, 0.65}, handShade);
        });
    }
    // row 6: scissors at rest
    for (int i = 0; i < 2; ++i) {
        frame(cr, i, 6, [&] {
            hand(cr, 0.72, 0.95 + 0.03 * i, 0.2 + 0.08 * i, 1.15, vee, 0.2, 0.2, 0, handCol);
        });
    }
    cv.save(out_path("img/handy_sheet.png"));
}

void scissors_shot() {
    Canvas cv(128, 128);
    cairo_t* cr = cv.cr();
    g_outline = 4;
    glow(cr, 64, 64, 64, rgb(120, 230, 255, 0.85));
    // points up-right (the game rotates it by the flight angle + 45 degrees)
    cairo_translate(cr, 64, 64);
    cairo_rotate(cr, -M_PI / 4);
    for (int s = -1; s <= 1; s += 2) {
        cairo_save(cr);
        cairo_rotate(cr, s * 0.22);
        body(
            cr,
            [](cairo_t* k) {
                blob(k, {0, -8, 40, -3, 54, 0, 40, 3, 0, 8}, 0.6);
            },
            rgb(224, 236, 248), rgb(130, 150, 176), pal::white);
        body(
            cr,
            [](cairo_t* k) {
                cairo_new_sub_path(k);
                cairo_arc(k, -28, 0, 16, 0, 2 * M_PI);
                cairo_close_path(k);
                cairo_new_sub_path(k);
                cairo_arc_negative(k, -28, 0, 8, 2 * M_PI, 0);
                cairo_close_path(k);
            },
            pal::red, pal::redDark, pal::white);
        body(
            cr, [](cairo_t* k) { limb(k, -14, 0, 2, 0, 6, 6); }, pal::red, pal::redDark,
            pal::white);
        cairo_restore(cr);
    }
    body(
        cr, [](cairo_t* k) { circle(k, 2, 0, 5); }, pal::brassLight);
    cv.save(out_path("img/sci_shot.png"));
}

void rock_shot() {
    Canvas cv(128, 128);
    cairo_t* cr = cv.cr();
    g_outline = 4.5;
    glow(cr, 64, 64, 64, rgb(255, 150, 60, 0.8));
    body(
        cr,
        [](cairo_t* k) {
            blob(k, {20, 70, 30, 32, 66, 18, 104, 36, 110, 76, 84, 106, 40, 104}, 0.8);
        },
        rgb(150, 132, 140), rgb(90, 76, 92), rgb(220, 210, 214));
    cairo_new_path(cr);
    cairo_move_to(cr, 50, 40);
    cairo_line_to(cr, 60, 62);
    cairo_line_to(cr, 52, 80);
    cairo_move_to(cr, 60, 62);
    cairo_line_to(cr, 84, 70);
    outline(cr, 3);
    cv.save(out_path("img/rock_shot.png"));
}

}  // namespace

void draw_enemies() {
    blanky_sheet();
    enemy_shot();
    pikaboo_sheet();
    peanut_sheet();
    butter_sheet();
    butter_drop();
    handy_sheet();
    scissors_shot();
    rock_shot();
}

}  // namespace valdro::art
