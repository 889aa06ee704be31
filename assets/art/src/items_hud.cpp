// Shop items, their labels, and the HUD pieces: crosshair, aiming reticle,
// heart strips, coin, interaction prompt, volume wedge, speaker icons and the
// two button plates.
#include <cmath>

#include "families.hpp"
#include "kit.hpp"

namespace valdro::art {

namespace {

void heart_icon(cairo_t* cr, double cx, double cy, double s, bool full) {
    if (full) {
        body(
            cr, [&](cairo_t* k) { heart_path(k, cx, cy, s); }, rgb(236, 36, 64), rgb(150, 12, 40),
            rgb(255, 190, 200));
    } else {
        flat(
            cr, [&](cairo_t* k) { heart_path(k, cx, cy, s); }, rgb(72, 46, 68));
        flat(
            cr, [&](cairo_t* k) { heart_path(k, cx, cy + s * 0.05, s * 0.55); }, rgb(104, 72, 98),
            0);
    }
}

void coin(cairo_t* cr, double cx, double cy, double r) {
    body(
        cr, [&](cairo_t* k) { circle(k, cx, cy, r); }, pal::gold, pal::goldDark, pal::goldLight);
    flat(
        cr, [&](cairo_t* k) { circle(k, cx, cy, r * 0.7); }, pal::gold.lighter(0.1),
        g_outline * 0.6);
    text(cr, "V", cx, cy + r * 0.38, r * 1.05, pal::goldDark, Align::Center);
}

void save_icon(int w, int h, const char* path, double outlineW,
               const std::function<void(cairo_t*)>& fn) {
    Canvas cv(w, h);
    g_outline = outlineW;
    fn(cv.cr());
    cv.save(out_path(path));
}

void items() {
    // kind 0: damage, a brass knuckle fist with a red gem
    save_icon(128, 128, "img/damageObject.png", 4.5, [](cairo_t* cr) {
        glow(cr, 64, 64, 62, rgb(255, 90, 80, 0.55));
        body(
            cr, [](cairo_t* k) { rrect(k, 28, 40, 72, 56, 18); }, pal::skin, pal::skinDark,
            pal::white);
        for (int i = 0; i < 4; ++i) {
            body(
                cr, [&](cairo_t* k) { rrect(k, 28 + i * 18, 30, 18, 26, 8); }, pal::brass,
                pal::brassDark, pal::brassLight);
        }
        body(
            cr, [](cairo_t* k) { rrect(k, 38, 92, 44, 24, 6); }, pal::heroTealDark.darker(0.3));
        body(
            cr, [](cairo_t* k) { star_path(k, 98, 30, 20, 9, 5); }, pal::red, pal::redDark,
            pal::white);
    });
    // kind 1: speed, a winged boot
    save_icon(128, 128, "img/speedObject.png", 4.5, [](cairo_t* cr) {
        glow(cr, 64, 64, 62, rgb(120, 220, 255, 0.55));
        body(
            cr,
            [](cairo_t* k) {
                blob(k, {30, 20, 52, 60, 70, 30, 96, 10, 110, 26, 84, 50, 60, 78});
            },
            pal::white, rgb(180, 190, 220), pal::white);
        body(
            cr,
            [](cairo_t* k) {
                poly(k, {34, 30, 60, 30, 62, 84, 100, 92, 104, 110, 26, 110});
            },
            rgb(170, 90, 50), rgb(110, 54, 30), rgb(220, 150, 100));
        flat(
            cr, [](cairo_t* k) { rrect(k, 24, 104, 82, 10, 4); }, pal::ink, 0);
        for (int i = 0; i < 3; ++i) {
            cairo_new_path(cr);
            cairo_move_to(cr, 6, 56 + i * 16);
            cairo_line_to(cr, 22, 56 + i * 16);
            outline(cr, 5, rgb(60, 160, 220));
        }
    });
    // kind 2: fire rate, an hourglass with brass ends
    save_icon(128, 128, "img/cadencyObject.png", 4.5, [](cairo_t* cr) {
        glow(cr, 64, 64, 62, rgb(255, 220, 100, 0.55));
        body(
            cr,
            [](cairo_t* k) {
                poly(k, {38, 24, 90, 24, 68, 64, 90, 104, 38, 104, 60, 64});
            },
            rgb(220, 240, 255), rgb(160, 190, 220), pal::white);
        flat(
            cr,
            [](cairo_t* k) {
                poly(k, {48, 96, 80, 96, 64, 74});
            },
            pal::gold, 0);
        flat(
            cr,
            [](cairo_t* k) {
                poly(k, {52, 34, 76, 34, 64, 54});
            },
            pal::gold, 0);
        body(
            cr, [](cairo_t* k) { rrect(k, 28, 12, 72, 14, 5); }, pal::brass, pal::brassDark,
            pal::brassLight);
        body(
            cr, [](cairo_t* k) { rrect(k, 28, 102, 72, 14, 5); }, pal::brass, pal::brassDark,
            pal::brassLight);
        cairo_new_path(cr);
        cairo_move_to(cr, 100, 40);
        cairo_line_to(cr, 116, 34);
        cairo_move_to(cr, 102, 60);
        cairo_line_to(cr, 120, 60);
        cairo_move_to(cr, 100, 80);
        cairo_line_to(cr, 116, 86);
        outline(cr, 5, pal::burgundy);
    });
    // kind 3: range, a brass spyglass
    save_icon(128, 128, "img/rangeObject.png", 4.5, [](cairo_t* cr) {
        glow(cr, 64, 64, 62, rgb(180, 255, 160, 0.5));
        cairo_translate(cr, 64, 64);
        cairo_rotate(cr, -0.6);
        body(
            cr, [](cairo_t* k) { rrect(k, -52, -12, 34, 24, 6); }, pal::burgundy, pal::burgundyDark,
            pal::burgundyLight);
        body(
            cr, [](cairo_t* k) { rrect(k, -20, -15, 36, 30, 6); }, pal::brass, pal::brassDark,
            pal::brassLight);
        body(
            cr, [](cairo_t* k) { rrect(k, 14, -19, 40, 38, 8); }, pal::brass, pal::brassDark,
            pal::brassLight);
        body(
            cr, [](cairo_t* k) { ellipse(k, 54, 0, 7, 17); }, rgb(160, 230, 255), rgb(80, 150, 200),
            pal::white);
    });
    // kind 4: extra heart, a potion bottle
    save_icon(128, 128, "img/potion.png", 4.5, [](cairo_t* cr) {
        glow(cr, 64, 70, 62, rgb(255, 80, 140, 0.55));
        body(
            cr, [](cairo_t* k) { rrect(k, 50, 10, 28, 14, 4); }, pal::woodLight, pal::wood,
            pal::cream);
        body(
            cr,
            [](cairo_t* k) {
                blob(k,
                     {52, 22, 76, 22, 78, 44, 104, 70, 98, 108, 64, 118, 30, 108, 24, 70, 50, 44},
                     0.6);
            },
            rgb(230, 240, 255, 0.9), rgb(170, 180, 210), pal::white);
        flat(
            cr,
            [](cairo_t* k) {
                blob(k, {30, 76, 64, 70, 98, 76, 94, 104, 64, 112, 34, 104});
            },
            rgb(236, 40, 100), 0);
        body(
            cr, [](cairo_t* k) { heart_path(k, 64, 88, 14); }, pal::white, rgb(255, 190, 210),
            pal::white);
        flat(
            cr, [](cairo_t* k) { ellipse(k, 44, 60, 5, 10); }, pal::white.with_alpha(0.8), 0);
    });
    // kind 5: a dropped heart
    save_icon(128, 128, "img/heart.png", 5, [](cairo_t* cr) {
        glow(cr, 64, 64, 62, rgb(255, 80, 110, 0.6));
        heart_icon(cr, 64, 66, 46, true);
    });
}

void label(const char* path, std::string_view txt, const Col& accent) {
    save_icon(240, 160, path, 5, [&](cairo_t* cr) {
        body(
            cr, [](cairo_t* k) { rrect(k, 8, 22, 224, 116, 22); }, pal::cream, pal::creamDark,
            pal::white);
        flat(
            cr, [&](cairo_t* k) { rrect(k, 18, 32, 204, 96, 14); }, accent.with_alpha(0.2), 2.5);
        text(cr, txt, 120, 104, 62, pal::burgundy, Align::Center, 7, pal::cream);
        body(
            cr,
            [](cairo_t* k) {
                poly(k, {104, 138, 136, 138, 120, 156});
            },
            pal::cream, pal::creamDark, pal::white);
    });
}

void labels() {
    label("img/attack_plus.png", "ATK+", pal::red);
    label("img/speed_plus.png", "SPD+", rgb(60, 160, 220));
    label("img/cad_plus.png", "RATE+", pal::gold);
    label("img/range_plus.png", "RNG+", rgb(80, 180, 90));
    label("img/hp_plus.png", "HP+", pal::magenta);
}

void hud() {
    save_icon(128, 128, "img/cruceta.png", 5, [](cairo_t* cr) {
        // a bright ring with four ticks, readable on light and dark rooms
        cairo_new_path(cr);
        circle(cr, 64, 64, 38);
        outline(cr, 14, pal::ink);
        cairo_new_path(cr);
        circle(cr, 64, 64, 38);
        outline(cr, 7, pal::scarf);
        for (int i = 0; i < 4; ++i) {
            double a = i * M_PI / 2;
            cairo_new_path(cr);
            cairo_move_to(cr, 64 + 22 * std::cos(a), 64 + 22 * std::sin(a));
            cairo_line_to(cr, 64 + 58 * std::cos(a), 64 + 58 * std::sin(a));
            outline(cr, 13, pal::ink);
            cairo_new_path(cr);
            cairo_move_to(cr, 64 + 24 * std::cos(a), 64 + 24 * std::sin(a));
            cairo_line_to(cr, 64 + 56 * std::cos(a), 64 + 56 * std::sin(a));
            outline(cr, 6, pal::white);
        }
        body(
            cr, [](cairo_t* k) { circle(k, 64, 64, 7); }, pal::heroTeal);
    });
    save_icon(300, 200, "img/reticula.png", 5, [](cairo_t* cr) {
        // an arrow from the left middle (the rotation centre) pointing right
        for (int i = 0; i < 3; ++i) {
            double x = 150 + i * 42;
            flat(
                cr,
                [&](cairo_t* k) {
                    poly(k, {x, 70, x + 34, 100, x, 130, x + 10, 100});
                },
                pal::heroTealLight.with_alpha(0.45 + 0.25 * i), 5);
        }
        body(
            cr,
            [](cairo_t* k) {
                poly(k, {248, 60, 296, 100, 248, 140, 258, 100});
            },
            pal::scarf, pal::scarfDark, pal::white);
    });
    // the HUD hearts sit below the band on black: a light rim keeps them visible there
    auto strip = [](cairo_t* cr, bool full) {
        for (int i = 0; i < 7; ++i) {
            cairo_new_path(cr);
            heart_path(cr, 25 + i * 50, 26, 20);
            outline(cr, 8, full ? rgb(255, 200, 200) : rgb(170, 140, 160));
            heart_icon(cr, 25 + i * 50, 26, 20, full);
        }
    };
    save_icon(350, 50, "img/hp.png", 3.5, [&](cairo_t* cr) { strip(cr, true); });
    save_icon(350, 50, "img/hp_empty.png", 3.5, [&](cairo_t* cr) { strip(cr, false); });
    save_icon(128, 128, "img/coin.png", 5, [](cairo_t* cr) { coin(cr, 64, 64, 54); });
    save_icon(163, 162, "img/f.png", 6, [](cairo_t* cr) {
        // the interaction key cap
        body(
            cr, [](cairo_t* k) { rrect(k, 12, 18, 139, 134, 26); }, pal::creamDark, pal::brassDark,
            pal::cream);
        body(
            cr, [](cairo_t* k) { rrect(k, 24, 12, 115, 112, 20); }, pal::paper, pal::creamDark,
            pal::white);
        text(cr, "F", 81.5, 102, 92, pal::burgundy, Align::Center);
    });
    save_icon(2000, 1000, "img/triangle.png", 12, [](cairo_t* cr) {
        // the volume wedge: grows from nothing at the left to full height at the right
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 2000, 0);
        cairo_pattern_add_color_stop_rgb(g, 0, pal::brass.r, pal::brass.g, pal::brass.b);
        cairo_pattern_add_color_stop_rgb(g, 1, pal::burgundy.r, pal::burgundy.g, pal::burgundy.b);
        cairo_new_path(cr);
        cairo_move_to(cr, 8, 985);
        cairo_line_to(cr, 1990, 985);
        cairo_line_to(cr, 1990, 15);
        cairo_close_path(cr);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        outline(cr, 16);
        for (int i = 1; i < 10; ++i) {
            double x = i * 200.0;
            cairo_new_path(cr);
            cairo_move_to(cr, x, 985);
            cairo_line_to(cr, x, 985 - 970.0 * (x - 8) / 1982 + 20);
            outline(cr, 6, pal::cream.with_alpha(0.6));
        }
    });
    auto speaker = [](cairo_t* cr, bool muted) {
        body(
            cr, [](cairo_t* k) { circle(k, 64, 64, 58); }, pal::cream, pal::creamDark, pal::white);
        body(
            cr,
            [](cairo_t* k) {
                poly(k, {26, 50, 44, 50, 68, 28, 68, 100, 44, 78, 26, 78});
            },
            pal::burgundy, pal::burgundyDark, pal::burgundyLight);
        if (muted) {
            cairo_new_path(cr);
            cairo_move_to(cr, 78, 46);
            cairo_line_to(cr, 106, 82);
            cairo_move_to(cr, 106, 46);
            cairo_line_to(cr, 78, 82);
            outline(cr, 10, pal::red);
        } else {
            for (int i = 0; i < 2; ++i) {
                cairo_new_path(cr);
                cairo_arc(cr, 70, 64, 18 + i * 16, -0.8, 0.8);
                outline(cr, 8, pal::burgundy);
            }
        }
    };
    save_icon(128, 128, "img/altavoz.png", 5, [&](cairo_t* cr) { speaker(cr, false); });
    save_icon(128, 128, "img/altavozX.png", 5, [&](cairo_t* cr) { speaker(cr, true); });
    save_icon(128, 128, "img/boton_corto.png", 5, [](cairo_t* cr) {
        body(
            cr, [](cairo_t* k) { rrect(k, 6, 10, 116, 112, 20); }, pal::brass, pal::brassDark,
            pal::brassLight);
        body(
            cr, [](cairo_t* k) { rrect(k, 16, 16, 96, 92, 14); }, pal::cream, pal::creamDark,
            pal::white);
    });
    save_icon(600, 100, "img/boton_largo.png", 5, [](cairo_t* cr) {
        body(
            cr, [](cairo_t* k) { rrect(k, 5, 6, 590, 88, 26); }, pal::brass, pal::brassDark,
            pal::brassLight);
        body(
            cr, [](cairo_t* k) { rrect(k, 16, 13, 568, 72, 20); }, pal::cream, pal::creamDark,
            pal::white);
        for (int s : {0, 1}) {
            body(
                cr, [&](cairo_t* k) { star_path(k, s ? 568 : 32, 49, 9, 4, 4); }, pal::brass,
                pal::brassDark, pal::brassLight);
        }
    });
}

}  // namespace

void draw_items_hud() {
    items();
    labels();
    hud();
}

}  // namespace valdro::art
