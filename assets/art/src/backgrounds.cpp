// Rooms of the hotel (900 px tall, 100 px per world unit, windows cut through to
// the garden layers behind), the three garden layers (period 768 px so the
// scroll restart is seamless) and the furniture the player stands on.
#include <cmath>
#include <string>

#include "families.hpp"
#include "kit.hpp"

namespace valdro::art {

namespace {

struct RoomStyle {
    Col wall;
    Col wallStripe;
    Col wainscot;
    Col trim;
    Col carpet;
    int windowEvery;  // bays between windows (0: no windows)
    bool chandeliers;
    bool paintings;
    std::uint64_t seed;
    bool doors = false;  // guest-room doors every fourth bay
};

void window_cut(cairo_t* cr, double x, double top, double w, double h) {
    // arched window: frame, then a transparent pane, then muntins
    auto arch = [&](cairo_t* k, double inset) {
        cairo_new_sub_path(k);
        cairo_move_to(k, x + inset, top + h - inset);
        cairo_line_to(k, x + inset, top + w / 2);
        cairo_arc(k, x + w / 2, top + w / 2, w / 2 - inset, M_PI, 2 * M_PI);
        cairo_line_to(k, x + w - inset, top + h - inset);
        cairo_close_path(k);
    };
    g_outline = 5;
    body(
        cr, [&](cairo_t* k) { arch(k, -22); }, pal::brass, pal::brassDark, pal::brassLight, 0.02);
    body(
        cr, [&](cairo_t* k) { arch(k, -8); }, pal::wood, pal::woodDark, pal::woodLight, 0.02);
    cairo_save(cr);
    cairo_new_path(cr);
    arch(cr, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_restore(cr);
    // a faint glass tint keeps the pane readable as glass
    cairo_new_path(cr);
    arch(cr, 0);
    set(cr, rgb(160, 220, 230, 0.08));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x + w / 2, top);
    cairo_line_to(cr, x + w / 2, top + h);
    for (int r = 1; r < 4; ++r) {
        cairo_move_to(cr, x, top + w / 2 + r * (h - w / 2) / 4);
        cairo_line_to(cr, x + w, top + w / 2 + r * (h - w / 2) / 4);
    }
    outline(cr, 9, pal::woodDark);
    // sill
    body(
        cr, [&](cairo_t* k) { rrect(k, x - 34, top + h, w + 68, 26, 6); }, pal::woodLight,
        pal::wood, pal::cream);
}

void sconce(cairo_t* cr, double x, double y) {
    glow(cr, x, y - 30, 120, rgb(255, 214, 140, 0.45));
    g_outline = 4;
    body(
        cr, [&](cairo_t* k) { rrect(k, x - 12, y, 24, 60, 8); }, pal::brass, pal::brassDark,
        pal::brassLight);
    body(
        cr,
        [&](cairo_t* k) {
            poly(k, {x - 34, y - 10, x + 34, y - 10, x + 22, y - 60, x - 22, y - 60});
        },
        rgb(250, 226, 170), rgb(220, 180, 110), pal::white);
}

void painting(cairo_t* cr, Rng& rng, double x, double y, double w, double h) {
    g_outline = 5;
    body(
        cr, [&](cairo_t* k) { rrect(k, x - 18, y - 18, w + 36, h + 36, 6); }, pal::brass,
        pal::brassDark, pal::brassLight, 0.04);
    const Col bgc = rng.uniform() < 0.5 ? rgb(60, 40, 50) : rgb(40, 60, 60);
    flat(
        cr, [&](cairo_t* k) { cairo_rectangle(k, x, y, w, h); }, bgc, 4);
    // a faded portrait: a head and shoulders, eyes that follow you
    const double cx = x + w / 2;
    cairo_save(cr);
    cairo_rectangle(cr, x + 2, y + 2, w - 4, h - 4);
    cairo_clip(cr);
    flat(
        cr, [&](cairo_t* k) { ellipse(k, cx, y + h * 0.95, w * 0.38, h * 0.35); },
        bgc.lighter(0.15), 0);
    flat(
        cr, [&](cairo_t* k) { ellipse(k, cx, y + h * 0.42, w * 0.2, h * 0.22); },
        rgb(200, 180, 170, 0.85), 0);
    for (double dx : {-0.07, 0.07}) {
        flat(
            cr, [&](cairo_t* k) { circle(k, cx + dx * w, y + h * 0.4, w * 0.025); }, pal::ink, 0);
    }
    if (rng.uniform() < 0.5) {  // a top hat: the owner
        flat(
            cr,
            [&](cairo_t* k) {
                cairo_rectangle(k, cx - w * 0.14, y + h * 0.08, w * 0.28, h * 0.14);
            },
            pal::ink, 0);
        flat(
            cr,
            [&](cairo_t* k) { cairo_rectangle(k, cx - w * 0.22, y + h * 0.2, w * 0.44, h * 0.03); },
            pal::ink, 0);
    }
    cairo_restore(cr);
}

void chandelier(cairo_t* cr, double x) {
    glow(cr, x, 170, 220, rgb(255, 220, 150, 0.35));
    cairo_new_path(cr);
    cairo_move_to(cr, x, 40);
    cairo_line_to(cr, x, 120);
    outline(cr, 5, pal::brassDark);
    g_outline = 4;
    body(
        cr, [&](cairo_t* k) { ellipse(k, x, 160, 110, 30); }, pal::brass, pal::brassDark,
        pal::brassLight);
    for (int i = -3; i <= 3; ++i) {
        double cx = x + i * 32;
        body(
            cr, [&](cairo_t* k) { rrect(k, cx - 6, 120, 12, 32, 3); }, pal::paper);
        glow(cr, cx, 112, 22, rgb(255, 230, 150, 0.95));
        body(
            cr,
            [&](cairo_t* k) {
                blob(k, {cx, 100, cx + 5, 112, cx, 120, cx - 5, 112});
            },
            pal::gold);
        body(
            cr,
            [&](cairo_t* k) {
                blob(k, {cx, 190, cx + 7, 204, cx, 216, cx - 7, 204});
            },
            rgb(220, 240, 255, 0.9), rgb(160, 190, 220), pal::white);
    }
}

void room(const char* path, int w, const RoomStyle& st) {
    Canvas cv(w, 900);
    cairo_t* cr = cv.cr();
    Rng rng(st.seed);
    // wallpaper with faded stripes and a small diamond motif
    set(cr, st.wall);
    cairo_paint(cr);
    for (int x = 0; x < w; x += 50) {
        set(cr, st.wallStripe);
        cairo_rectangle(cr, x + 18, 0, 14, 900);
        cairo_fill(cr);
    }
    for (int y = 120; y < 640; y += 90) {
        for (int x = 0; x < w; x += 100) {
            double ox = (y / 90) % 2 ? 50 : 0;
            flat(
                cr, [&](cairo_t* k) { star_path(k, x + ox, y, 12, 5, 4); },
                st.wallStripe.darker(0.15), 0);
        }
    }
    // top shadow: the hotel is old and dim near the ceiling
    {
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 500);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.1, 0.05, 0.1, 0.55);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.05, 0.1, 0.0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    // crown moulding
    g_outline = 5;
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, -10, w + 20, 60); }, st.trim,
        st.trim.darker(0.3), st.trim.lighter(0.3), 0.05);
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, 50, w + 20, 14); }, pal::brass,
        pal::brassDark, pal::brassLight, 0.05);
    // bays of 400 px: windows, paintings, sconces
    const int bays = w / 400;
    for (int b = 0; b < bays; ++b) {
        const double bx = b * 400.0;
        const bool window = st.windowEvery > 0 && b % st.windowEvery == 1;
        if (window) {
            window_cut(cr, bx + 110, 150, 180, 420);
        } else if (st.doors && b % 4 == 0) {
            // a guest-room door is drawn over the wainscot below
        } else if (st.paintings && b % 2 == 0) {
            painting(cr, rng, bx + 130, 190 + rng.range(-20, 20), 140, 180);
        }
        sconce(cr, bx + 400, 330);
        if (st.chandeliers && b % 2 == 1)
            chandelier(cr, bx + 200);
    }
    // wainscot panels
    g_outline = 5;
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, 620, w + 20, 290); }, st.wainscot,
        st.wainscot.darker(0.3), st.wainscot.lighter(0.2), 0.02);
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, 610, w + 20, 22); }, pal::brass,
        pal::brassDark, pal::brassLight, 0.05);
    for (int x = 0; x < w; x += 200) {
        cairo_new_path(cr);
        rrect(cr, x + 24, 660, 152, 190, 10);
        outline(cr, 4, st.wainscot.darker(0.4));
        cairo_new_path(cr);
        rrect(cr, x + 30, 666, 140, 178, 8);
        outline(cr, 2, st.wainscot.lighter(0.3));
    }
    if (st.doors) {
        for (int b = 0; b < bays; b += 4) {
            const double x = b * 400.0 + 110;
            g_outline = 6;
            body(
                cr, [&](cairo_t* k) { rrect(k, x - 18, 232, 216, 660, 10); }, pal::brass,
                pal::brassDark, pal::brassLight, 0.02);
            body(
                cr, [&](cairo_t* k) { rrect(k, x, 250, 180, 640, 6); }, pal::wood, pal::woodDark,
                pal::woodLight, 0.03);
            for (int r = 0; r < 2; ++r) {
                cairo_new_path(cr);
                rrect(cr, x + 22, 290 + r * 300, 136, 250, 8);
                outline(cr, 4, pal::woodDark);
            }
            body(
                cr, [&](cairo_t* k) { circle(k, x + 150, 580, 11); }, pal::brassLight);
            body(
                cr, [&](cairo_t* k) { rrect(k, x + 50, 200 - 6, 80, 44, 8); }, pal::brass,
                pal::brassDark, pal::brassLight);
            const int room = 101 + b / 4 + static_cast<int>(st.seed % 3) * 100;
            text(cr, std::to_string(room), x + 90, 228, 32, pal::burgundyDark, Align::Center);
        }
    }
    // carpet edge along the floor line (y 8.9)
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, 880, w + 20, 30); }, st.carpet,
        st.carpet.darker(0.3), st.carpet.lighter(0.3), 0.1);
    for (int x = 0; x < w; x += 40) {
        flat(
            cr, [&](cairo_t* k) { star_path(k, x + 20, 892, 7, 3, 4); }, pal::brass, 0);
    }
    cv.save(out_path(path));
}

void shop(const char* path) {
    RoomStyle st{rgb(196, 170, 130),
                 rgb(182, 154, 114),
                 pal::wood,
                 pal::burgundy,
                 pal::burgundyDark,
                 4,
                 false,
                 false,
                 33};
    room(path, 3200, st);
}

void shop_overlay(const char* path, const char* sign) {
    // redraw the shop with shelves on top of the base room
    cairo_surface_t* base = cairo_image_surface_create_from_png(out_path(path).c_str());
    cairo_t* cr = cairo_create(base);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Rng rng(77);
    const Col goods[6] = {pal::burgundy,     pal::brass, rgb(90, 70, 130),
                          rgb(70, 120, 110), pal::cream, rgb(170, 90, 50)};
    for (int s = 0; s < 8; ++s) {
        const double sx = s * 400 + (s % 4 == 1 ? 1000 : 0);
        if (s % 4 == 1)
            continue;  // leave the windows free
        for (int row = 0; row < 3; ++row) {
            const double y = 220 + row * 130;
            for (int i = 0; i < 5; ++i) {
                const double gx = sx + 60 + i * 56 + rng.range(-6, 6);
                const double gh = rng.range(50, 95);
                g_outline = 4;
                const Col c = goods[rng.below(6)];
                if (rng.uniform() < 0.5) {
                    body(
                        cr, [&](cairo_t* k) { rrect(k, gx, y - gh, 44, gh, 8); }, c);
                    body(
                        cr, [&](cairo_t* k) { rrect(k, gx + 6, y - gh - 12, 32, 14, 4); },
                        pal::woodLight);
                } else {
                    body(
                        cr, [&](cairo_t* k) { rrect(k, gx, y - gh * 0.7, 46, gh * 0.7, 4); }, c);
                    flat(
                        cr, [&](cairo_t* k) { rrect(k, gx + 8, y - gh * 0.5, 30, 14, 3); },
                        pal::paper, 2.5);
                }
            }
            g_outline = 5;
            body(
                cr, [&](cairo_t* k) { rrect(k, sx + 40, y, 320, 20, 4); }, pal::woodLight,
                pal::wood, pal::cream, 0.1);
        }
    }
    // the shop sign
    g_outline = 6;
    for (int s = 0; s < 2; ++s) {
        const double x = 600 + s * 1600;
        body(
            cr, [&](cairo_t* k) { rrect(k, x, 80, 400, 90, 18); }, pal::burgundy, pal::burgundyDark,
            pal::burgundyLight);
        text(cr, sign, x + 200, 140, 44, pal::brassLight, Align::Center);
    }
    cairo_destroy(cr);
    cairo_surface_write_to_png(base, out_path(path).c_str());
    cairo_surface_destroy(base);
}

void vault(const char* path) {
    Canvas cv(6400, 900);
    cairo_t* cr = cv.cr();
    Rng rng(66);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 900);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.12, 0.09, 0.05);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.3, 0.22, 0.1);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    // riveted steel walls with round vault doors
    for (int x = 0; x < 6400; x += 200) {
        flat(
            cr, [&](cairo_t* k) { cairo_rectangle(k, x + 4, 60, 192, 560); }, rgb(70, 60, 46), 4);
        for (int r = 0; r < 6; ++r) {
            flat(
                cr, [&](cairo_t* k) { circle(k, x + 14, 80 + r * 100, 5); }, pal::brassDark, 0);
            flat(
                cr, [&](cairo_t* k) { circle(k, x + 186, 80 + r * 100, 5); }, pal::brassDark, 0);
        }
    }
    g_outline = 6;
    for (int d = 0; d < 16; ++d) {
        const double cx = 200 + d * 400;
        if (d % 2 == 0) {
            body(
                cr, [&](cairo_t* k) { circle(k, cx, 330, 190); }, rgb(110, 96, 70), rgb(70, 60, 44),
                rgb(170, 150, 110));
            body(
                cr, [&](cairo_t* k) { circle(k, cx, 330, 140); }, rgb(130, 114, 84),
                rgb(80, 70, 50), rgb(190, 170, 130));
            for (int s = 0; s < 6; ++s) {
                double a = s * M_PI / 3;
                cairo_new_path(cr);
                cairo_move_to(cr, cx, 330);
                cairo_line_to(cr, cx + 110 * std::cos(a), 330 + 110 * std::sin(a));
                outline(cr, 14, pal::ink);
                cairo_new_path(cr);
                cairo_move_to(cr, cx, 330);
                cairo_line_to(cr, cx + 110 * std::cos(a), 330 + 110 * std::sin(a));
                outline(cr, 7, pal::brass);
            }
            body(
                cr, [&](cairo_t* k) { circle(k, cx, 330, 36); }, pal::brass, pal::brassDark,
                pal::brassLight);
        } else {
            // piles of coins
            for (int c = 0; c < 40; ++c) {
                double px = cx + rng.range(-170, 170);
                double py = 870 - rng.range(0, 1) * (170 - std::abs(px - cx) * 0.9);
                g_outline = 3;
                body(
                    cr, [&](cairo_t* k) { ellipse(k, px, py, 26, 12); }, pal::gold, pal::goldDark,
                    pal::goldLight);
            }
            glow(cr, cx, 800, 220, rgb(255, 200, 60, 0.35));
            g_outline = 6;
        }
    }
    // gold floor line
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, 870, 6420, 40); }, pal::goldDark,
        pal::brassDark, pal::gold, 0.1);
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, 20, 6420, 44); }, pal::brass, pal::brassDark,
        pal::brassLight, 0.1);
    for (int x = 50; x < 6400; x += 200) text(cr, "$", x, 56, 36, pal::brassDark, Align::Center);
    cv.save(out_path(path));
}

void stage(const char* path) {
    Canvas cv(3200, 900);
    cairo_t* cr = cv.cr();
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 900);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.1, 0.03, 0.08);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.05, 0.14);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    // hearts and bulbs on the back wall
    for (int x = 0; x < 3200; x += 160) {
        for (int y = 140; y < 600; y += 150) {
            double ox = (y / 150) % 2 ? 80 : 0;
            flat(
                cr, [&](cairo_t* k) { heart_path(k, x + ox, y, 18); }, rgb(120, 20, 70, 0.7), 0);
        }
    }
    // velvet curtains hanging in folds
    for (int x = 0; x < 3200; x += 800) {
        for (int side = 0; side < 2; ++side) {
            for (int f = 0; f < 5; ++f) {
                double fx = side == 0 ? x + f * 40 : x + 800 - (f + 1) * 40;
                g_outline = 4;
                body(
                    cr, [&](cairo_t* k) { rrect(k, fx, 40, 44, 720 - f * 60, 20); },
                    rgb(170, 20, 50), rgb(100, 8, 30), rgb(230, 80, 110), 0.2);
            }
        }
        // marquee bulbs across the top
        for (int b = 0; b < 16; ++b) {
            glow(cr, x + 25 + b * 50, 30, 22, rgb(255, 220, 120, 0.9));
            body(
                cr, [&](cairo_t* k) { circle(k, x + 25 + b * 50, 30, 9); }, pal::goldLight);
        }
    }
    // stage boards
    body(
        cr, [&](cairo_t* k) { cairo_rectangle(k, -10, 760, 3220, 160); }, pal::wood, pal::woodDark,
        pal::woodLight, 0.05);
    for (int x = 0; x < 3200; x += 120) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, 770);
        cairo_line_to(cr, x - 40, 900);
        outline(cr, 3, pal::woodDark);
    }
    // footlights
    for (int x = 60; x < 3200; x += 200) {
        glow(cr, x, 760, 70, rgb(255, 230, 160, 0.6));
        body(
            cr, [&](cairo_t* k) { rrect(k, x - 30, 746, 60, 22, 8); }, pal::brass, pal::brassDark,
            pal::brassLight);
    }
    cv.save(out_path(path));
}

void trees(const char* path, int layer) {
    Canvas cv(1537, 432);
    cairo_t* cr = cv.cr();
    Rng rng(1000 + layer);
    const int P = 768;  // the view width: a scroll restart lands on the same picture
    auto wrap = [&](const std::function<void(double)>& fn) {
        for (int o = -1; o <= 2; ++o) fn(o * P);
    };
    if (layer == 3) {
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 432);
        cairo_pattern_add_color_stop_rgb(g, 0, pal::nightDeep.r, pal::nightDeep.g,
                                         pal::nightDeep.b);
        cairo_pattern_add_color_stop_rgb(g, 1, pal::nightLight.r, pal::nightLight.g,
                                         pal::nightLight.b);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        for (int s = 0; s < 60; ++s) {
            double sx = rng.range(0, P), sy = rng.range(0, 230), r = rng.range(0.8, 2.2);
            wrap([&](double o) { glow(cr, sx + o, sy, r * 3, rgb(255, 250, 220, 0.9)); });
        }
        wrap([&](double o) {
            glow(cr, 560 + o, 90, 110, rgb(230, 240, 255, 0.35));
            flat(
                cr, [&](cairo_t* k) { circle(k, 560 + o, 90, 42); }, rgb(246, 240, 214), 0);
            flat(
                cr, [&](cairo_t* k) { circle(k, 576 + o, 82, 10); }, rgb(220, 214, 190), 0);
        });
        // far hills
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 432);
        for (int x = 0; x <= 1537; x += 8) {
            double y =
                290 + 30 * std::sin(x * 2 * M_PI / P * 2) + 18 * std::sin(x * 2 * M_PI / P * 5 + 1);
            cairo_line_to(cr, x, y);
        }
        cairo_line_to(cr, 1537, 432);
        cairo_close_path(cr);
        set(cr, rgb(24, 56, 62));
        cairo_fill(cr);
    } else if (layer == 2) {
        for (int t = 0; t < 9; ++t) {
            double tx = t * (P / 9.0) + rng.range(-20, 20), th = rng.range(150, 230),
                   tw = rng.range(60, 90);
            wrap([&](double o) {
                g_outline = 3.5;
                body(
                    cr, [&](cairo_t* k) { rrect(k, tx + o - 8, 432 - th * 0.4, 16, th * 0.4, 4); },
                    rgb(50, 34, 34));
                body(
                    cr,
                    [&](cairo_t* k) {
                        blob(k, {tx + o - tw, 432 - th * 0.35, tx + o - tw * 0.8, 432 - th * 0.8,
                                 tx + o, 432 - th, tx + o + tw * 0.8, 432 - th * 0.8, tx + o + tw,
                                 432 - th * 0.35, tx + o, 432 - th * 0.25});
                    },
                    pal::leafDark, pal::leafDark.darker(0.3), pal::leaf);
            });
        }
        // garden lamps
        for (int l = 0; l < 3; ++l) {
            double lx = 120 + l * 256;
            wrap([&](double o) {
                glow(cr, lx + o, 300, 50, rgb(255, 220, 140, 0.6));
                flat(
                    cr, [&](cairo_t* k) { cairo_rectangle(k, lx + o - 3, 300, 6, 132); }, pal::ink,
                    0);
                body(
                    cr, [&](cairo_t* k) { rrect(k, lx + o - 10, 290, 20, 22, 4); }, pal::goldLight);
            });
        }
    } else {
        // near hedges, topiary and a low fence
        for (int t = 0; t < 6; ++t) {
            double tx = t * (P / 6.0) + rng.range(-10, 10);
            wrap([&](double o) {
                g_outline = 4;
                body(
                    cr, [&](cairo_t* k) { ellipse(k, tx + o, 398, 80, 48); }, pal::leaf,
                    pal::leafDark, pal::leafLight);
                if (t % 2 == 0) {
                    body(
                        cr, [&](cairo_t* k) { circle(k, tx + o, 320, 36); }, pal::leaf,
                        pal::leafDark, pal::leafLight);
                    body(
                        cr, [&](cairo_t* k) { circle(k, tx + o, 262, 24); }, pal::leaf,
                        pal::leafDark, pal::leafLight);
                }
            });
        }
        for (int f = 0; f < 24; ++f) {
            double fx = f * (P / 24.0);
            wrap([&](double o) {
                flat(
                    cr,
                    [&](cairo_t* k) {
                        poly(k, {fx + o - 5, 432, fx + o - 5, 392, fx + o, 384, fx + o + 5, 392,
                                 fx + o + 5, 432});
                    },
                    rgb(226, 220, 200), 3);
            });
        }
        for (int f = 0; f < 14; ++f) {
            double fx = rng.range(0, P), fy = rng.range(150, 380);
            wrap([&](double o) { glow(cr, fx + o, fy, 10, rgb(230, 255, 140, 0.9)); });
        }
    }
    cv.save(out_path(path));
}

void furniture() {
    {
        Canvas cv(384, 192);  // dining table, 3 x 1.5 units
        cairo_t* cr = cv.cr();
        g_outline = 5;
        for (double x : {50.0, 320.0}) {
            body(
                cr, [&](cairo_t* k) { rrect(k, x, 60, 18, 128, 5); }, pal::wood, pal::woodDark,
                pal::woodLight);
        }
        body(
            cr,
            [](cairo_t* k) {
                blob(k,
                     {6, 8, 378, 8, 380, 40, 366, 112, 300, 104, 192, 116, 84, 104, 18, 112, 4, 40},
                     0.5);
            },
            pal::paper, pal::creamDark, pal::white);
        body(
            cr, [](cairo_t* k) { rrect(k, 4, 4, 376, 22, 8); }, pal::burgundy, pal::burgundyDark,
            pal::burgundyLight);
        for (int i = 0; i < 8; ++i) {
            cairo_new_path(cr);
            cairo_move_to(cr, 30 + i * 46, 30);
            cairo_line_to(cr, 26 + i * 46, 100);
            outline(cr, 2.5, pal::creamDark);
        }
        cv.save(out_path("img/plat_table1.png"));
    }
    {
        Canvas cv(128, 192);  // bar stool, 1 x 1.5 units
        cairo_t* cr = cv.cr();
        g_outline = 5;
        body(
            cr,
            [](cairo_t* k) {
                poly(k, {40, 40, 52, 40, 36, 188, 22, 188});
            },
            pal::brass, pal::brassDark, pal::brassLight);
        body(
            cr,
            [](cairo_t* k) {
                poly(k, {76, 40, 88, 40, 106, 188, 92, 188});
            },
            pal::brass, pal::brassDark, pal::brassLight);
        body(
            cr, [](cairo_t* k) { rrect(k, 28, 120, 72, 10, 4); }, pal::brass, pal::brassDark,
            pal::brassLight);
        body(
            cr, [](cairo_t* k) { rrect(k, 6, 4, 116, 42, 18); }, pal::burgundy, pal::burgundyDark,
            pal::burgundyLight);
        for (int i = 0; i < 4; ++i)
            flat(
                cr, [&](cairo_t* k) { circle(k, 26 + i * 25, 28, 3.5); }, pal::brassLight, 0);
        cv.save(out_path("img/plat_stool1.png"));
    }
    auto glass_case = [](cairo_t* cr, double w, double h, double baseH, int seed) {
        g_outline = 5;
        Rng rng(seed);
        body(
            cr, [&](cairo_t* k) { rrect(k, 4, h - baseH, w - 8, baseH - 4, 8); }, pal::wood,
            pal::woodDark, pal::woodLight);
        flat(
            cr, [&](cairo_t* k) { cairo_rectangle(k, 14, 14, w - 28, h - baseH - 14); },
            rgb(190, 230, 235, 0.35), 5);
        // things on display
        for (int i = 0; i < 3; ++i) {
            double cx = 14 + (w - 28) * (i + 0.5) / 3, by = h - baseH;
            double oh = rng.range(0.25, 0.5) * (h - baseH - 20);
            const Col c = i == 0 ? pal::gold : (i == 1 ? pal::burgundyLight : rgb(120, 90, 160));
            body(
                cr, [&](cairo_t* k) { rrect(k, cx - 22, by - 16, 44, 16, 3); }, pal::cream,
                pal::creamDark, pal::white);
            body(
                cr,
                [&](cairo_t* k) {
                    blob(k, {cx - 16, by - 16, cx - 20, by - 16 - oh * 0.6, cx, by - 16 - oh,
                             cx + 20, by - 16 - oh * 0.6, cx + 16, by - 16});
                },
                c);
        }
        // glass glints and the brass top the player stands on
        for (int i = 0; i < 2; ++i) {
            cairo_new_path(cr);
            cairo_move_to(cr, 30 + i * 26, h - baseH - 20);
            cairo_line_to(cr, 60 + i * 26, 30);
            outline(cr, 6, rgb(255, 255, 255, 0.55));
        }
        body(
            cr, [&](cairo_t* k) { rrect(k, 2, 2, w - 4, 18, 5); }, pal::brass, pal::brassDark,
            pal::brassLight);
    };
    {
        Canvas cv(256, 384);  // tall case, 2 x 3 units
        glass_case(cv.cr(), 256, 384, 70, 5);
        cv.save(out_path("img/obst_case1.png"));
    }
    {
        Canvas cv(384, 256);  // wide case, 3 x 2 units
        glass_case(cv.cr(), 384, 256, 80, 6);
        cv.save(out_path("img/obst_case2.png"));
    }
    {
        Canvas cv(512, 256);  // reception counter, 4 x 2 units
        cairo_t* cr = cv.cr();
        g_outline = 5;
        body(
            cr, [](cairo_t* k) { rrect(k, 14, 28, 484, 224, 8); }, pal::wood, pal::woodDark,
            pal::woodLight, 0.04);
        for (int i = 0; i < 4; ++i) {
            cairo_new_path(cr);
            rrect(cr, 34 + i * 116, 60, 96, 170, 8);
            outline(cr, 4, pal::woodDark);
            flat(
                cr, [&](cairo_t* k) { star_path(k, 82 + i * 116, 145, 16, 7, 4); }, pal::brass, 3);
        }
        body(
            cr, [](cairo_t* k) { rrect(k, 2, 4, 508, 32, 8); }, rgb(230, 222, 214),
            rgb(180, 170, 166), pal::white);
        body(
            cr, [](cairo_t* k) { rrect(k, 10, 34, 492, 12, 4); }, pal::brass, pal::brassDark,
            pal::brassLight);
        cv.save(out_path("img/plat_counter1.png"));
    }
}

}  // namespace

void draw_backgrounds() {
    room("img/bg0.png", 6400,
         {rgb(226, 208, 172), rgb(212, 192, 154), pal::burgundyDark, pal::burgundy, pal::burgundy,
          2, false, true, 10, true});
    room("img/bg1.png", 6400,
         {rgb(150, 60, 64), rgb(138, 50, 56), pal::woodDark, pal::brassDark, rgb(40, 70, 70), 3,
          true, false, 11});
    room("img/bg2.png", 6400,
         {rgb(104, 108, 70), rgb(94, 98, 62), pal::woodDark, pal::brassDark, pal::burgundyDark, 2,
          false, true, 12});
    // The shopkeeper's sign in each language: Bolsillos is Pockets to English players.
    shop("img/bgshop.png");
    shop_overlay("img/bgshop.png", "BOLSILLOS & Co.");
    shop("img/bgshop_en.png");
    shop_overlay("img/bgshop_en.png", "POCKETS & Co.");
    vault("img/bg_greed.png");
    stage("img/bg_lust.png");
    room("img/bg_valdro.png", 3200,
         {rgb(70, 40, 80), rgb(60, 32, 70), pal::ink.lighter(0.1), pal::violet, pal::burgundyDark,
          2, true, true, 14});
    trees("img/trees1.png", 1);
    trees("img/trees2.png", 2);
    trees("img/trees3.png", 3);
    furniture();
}

}  // namespace valdro::art
