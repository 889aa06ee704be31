// Talking characters: the bellboy (three looks), the many-pocketed shopkeeper,
// and the full-screen dialogue portraits (16 x 9 units, text box from y 4.1 down).
#include <cmath>

#include "families.hpp"
#include "kit.hpp"

namespace valdro::art {

namespace {

constexpr Col uniform = rgb(150, 30, 44);
constexpr Col uniformDark = rgb(92, 16, 30);
constexpr Col pocketCoat = rgb(120, 104, 62);
constexpr Col pocketCoatDark = rgb(76, 62, 36);
constexpr Col ghostSkin = rgb(226, 226, 240);

void face(cairo_t* cr, double cx, double cy, double r, bool blink, double look) {
    for (double dx : {-0.35, 0.3}) {
        if (blink) {
            cairo_new_path(cr);
            cairo_move_to(cr, cx + (dx + look) * r - 0.1 * r, cy);
            cairo_line_to(cr, cx + (dx + look) * r + 0.1 * r, cy);
            outline(cr, g_outline * 0.8);
        } else {
            flat(
                cr, [&](cairo_t* k) { ellipse(k, cx + (dx + look) * r, cy, 0.09 * r, 0.14 * r); },
                pal::ink, 0);
            flat(
                cr,
                [&](cairo_t* k) {
                    circle(k, cx + (dx + look) * r + 0.03 * r, cy - 0.05 * r, 0.035 * r);
                },
                pal::white, 0);
        }
    }
    flat(
        cr,
        [&](cairo_t* k) { ellipse(k, cx + (-0.55 + look) * r, cy + 0.3 * r, 0.12 * r, 0.07 * r); },
        rgb(240, 120, 120, 0.6), 0);
    flat(
        cr,
        [&](cairo_t* k) { ellipse(k, cx + (0.5 + look) * r, cy + 0.3 * r, 0.12 * r, 0.07 * r); },
        rgb(240, 120, 120, 0.6), 0);
    cairo_new_path(cr);
    cairo_arc(cr, cx + look * r, cy + 0.28 * r, 0.16 * r, 0.25, M_PI - 0.25);
    outline(cr, g_outline * 0.8);
}

}  // namespace

void paint_bellboy(cairo_t* cr, int variant, int frame) {
    const double b = frame * 0.04;
    const double cx = 1.0;
    // legs
    for (int s = 0; s < 2; ++s) {
        body(
            cr,
            [&](cairo_t* k) {
                limb(k, cx - 0.15 + s * 0.3, 2.1, cx - 0.15 + s * 0.3, 2.85, 0.1, 0.09);
            },
            pal::ink.lighter(0.2));
        body(
            cr, [&](cairo_t* k) { ellipse(k, cx - 0.2 + s * 0.34, 2.9, 0.17, 0.08); }, pal::ink);
    }
    // back arm
    if (variant == 2) {
        // carrying a suitcase
        body(
            cr, [&](cairo_t* k) { limb(k, cx + 0.3, 1.35 + b, cx + 0.5, 1.95 + b, 0.09, 0.08); },
            uniform, uniformDark, pal::burgundyLight);
        body(
            cr, [&](cairo_t* k) { rrect(k, cx + 0.2, 1.95 + b, 0.75, 0.55, 0.08); },
            rgb(150, 90, 50), rgb(100, 56, 30), rgb(210, 150, 100));
        flat(
            cr, [&](cairo_t* k) { rrect(k, cx + 0.2, 2.15 + b, 0.75, 0.08, 0.02); }, pal::brass,
            g_outline * 0.6);
        body(
            cr, [&](cairo_t* k) { circle(k, cx + 0.52, 1.97 + b, 0.08); }, ghostSkin);
    }
    // jacket
    body(
        cr,
        [&](cairo_t* k) {
            blob(k,
                 {cx - 0.42, 1.25 + b, cx + 0.42, 1.25 + b, cx + 0.45, 1.75 + b, cx + 0.4, 2.2,
                  cx - 0.4, 2.2, cx - 0.45, 1.75 + b},
                 0.8);
        },
        uniform, uniformDark, pal::burgundyLight);
    for (int i = 0; i < 3; ++i) {
        body(
            cr, [&](cairo_t* k) { circle(k, cx - 0.1, 1.42 + b + i * 0.22, 0.045); },
            pal::brassLight);
        body(
            cr, [&](cairo_t* k) { circle(k, cx + 0.12, 1.42 + b + i * 0.22, 0.045); },
            pal::brassLight);
    }
    // head
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx, 0.9 + b, 0.4, 0.38); }, ghostSkin, rgb(170, 170, 200),
        pal::white);
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - 0.42, 0.85 + b, cx - 0.3, 0.55 + b, cx + 0.1, 0.5 + b, cx + 0.42, 0.7 + b,
                     cx + 0.2, 0.7 + b, cx - 0.2, 0.75 + b});
        },
        rgb(236, 168, 80));
    face(cr, cx - 0.02, 0.95 + b, 0.36, frame == 1 && variant == 0, -0.12);
    // pillbox hat
    body(
        cr, [&](cairo_t* k) { rrect(k, cx - 0.15, 0.38 + b, 0.42, 0.22, 0.05); }, uniform,
        uniformDark, pal::burgundyLight);
    flat(
        cr, [&](cairo_t* k) { rrect(k, cx - 0.15, 0.52 + b, 0.42, 0.06, 0.02); }, pal::brass,
        g_outline * 0.6);
    // front arm
    if (variant == 0) {  // hands behind the back: just a short sleeve
        body(
            cr, [&](cairo_t* k) { limb(k, cx - 0.3, 1.35 + b, cx - 0.32, 1.85 + b, 0.1, 0.09); },
            uniform, uniformDark, pal::burgundyLight);
    } else if (variant == 2) {
        body(
            cr, [&](cairo_t* k) { limb(k, cx - 0.3, 1.35 + b, cx - 0.4, 1.95 + b, 0.1, 0.09); },
            uniform, uniformDark, pal::burgundyLight);
        body(
            cr, [&](cairo_t* k) { circle(k, cx - 0.41, 2.0 + b, 0.08); }, ghostSkin);
    } else {  // waving
        double a = frame == 0 ? 2.6 : 2.2;
        double hx = cx - 0.3 - 0.55 * std::sin(a), hy = 1.35 + b + 0.55 * std::cos(a);
        body(
            cr, [&](cairo_t* k) { limb(k, cx - 0.3, 1.35 + b, hx, hy, 0.1, 0.09); }, uniform,
            uniformDark, pal::burgundyLight);
        body(
            cr, [&](cairo_t* k) { circle(k, hx, hy - 0.04, 0.1); }, ghostSkin);
    }
}

void paint_pocketman(cairo_t* cr, int frame) {
    const double b = frame * 0.04;
    const double cx = 1.0;
    for (int s = 0; s < 2; ++s) {
        body(
            cr, [&](cairo_t* k) { ellipse(k, cx - 0.25 + s * 0.45, 2.88, 0.22, 0.1); },
            pal::woodDark);
    }
    // long coat made of pockets
    body(
        cr,
        [&](cairo_t* k) {
            blob(k,
                 {cx - 0.45, 1.2 + b, cx + 0.45, 1.2 + b, cx + 0.62, 2.0, cx + 0.7, 2.85, cx - 0.7,
                  2.85, cx - 0.62, 2.0},
                 0.7);
        },
        pocketCoat, pocketCoatDark, pocketCoat.lighter(0.4));
    const Col pockets[5] = {pal::burgundy, pal::brass, rgb(90, 70, 130), pal::cream.darker(0.1),
                            rgb(150, 80, 40)};
    Rng rng(900);
    for (int i = 0; i < 9; ++i) {
        double px = cx - 0.5 + (i % 3) * 0.36 + rng.range(-0.04, 0.04);
        double py = 1.5 + (i / 3) * 0.42 + b * (1 - i / 9.0);
        body(
            cr, [&](cairo_t* k) { rrect(k, px - 0.13, py, 0.28, 0.3, 0.05); }, pockets[i % 5]);
        cairo_new_path(cr);
        cairo_move_to(cr, px - 0.13, py + 0.08);
        cairo_line_to(cr, px + 0.15, py + 0.08);
        outline(cr, g_outline * 0.5);
        if (i % 4 == 1) {  // something sticking out
            flat(
                cr, [&](cairo_t* k) { rrect(k, px - 0.05, py - 0.14, 0.08, 0.16, 0.02); },
                pal::gold, g_outline * 0.6);
        }
    }
    // head with a wide hat and round spectacles
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx, 0.92 + b, 0.36, 0.34); }, pal::skin, pal::skinDark,
        pal::white);
    body(
        cr,
        [&](cairo_t* k) {
            blob(k, {cx - 0.4, 1.05 + b, cx - 0.15, 1.3 + b, cx + 0.2, 1.3 + b, cx + 0.4, 1.05 + b,
                     cx, 1.12 + b});
        },
        rgb(180, 170, 160));
    for (double dx : {-0.15, 0.13}) {
        flat(
            cr, [&](cairo_t* k) { circle(k, cx + dx, 0.9 + b, 0.1); }, rgb(220, 240, 255, 0.8),
            g_outline * 0.7);
        if (frame == 0)
            flat(
                cr, [&](cairo_t* k) { circle(k, cx + dx - 0.02, 0.91 + b, 0.035); }, pal::ink, 0);
        else {
            cairo_new_path(cr);
            cairo_move_to(cr, cx + dx - 0.06, 0.91 + b);
            cairo_line_to(cr, cx + dx + 0.04, 0.91 + b);
            outline(cr, g_outline * 0.6);
        }
    }
    body(
        cr, [&](cairo_t* k) { ellipse(k, cx, 0.62 + b, 0.62, 0.12); }, pal::woodDark, pal::ink,
        pal::woodLight);
    body(
        cr, [&](cairo_t* k) { rrect(k, cx - 0.3, 0.28 + b, 0.6, 0.36, 0.08); }, pal::woodDark,
        pal::ink, pal::woodLight);
    flat(
        cr, [&](cairo_t* k) { rrect(k, cx - 0.3, 0.52 + b, 0.6, 0.08, 0.02); }, pal::burgundy,
        g_outline * 0.6);
    // hands rubbing together in front
    body(
        cr, [&](cairo_t* k) { circle(k, cx - 0.08 + frame * 0.05, 1.62 + b, 0.1); }, pal::skin);
    body(
        cr, [&](cairo_t* k) { circle(k, cx + 0.1 - frame * 0.05, 1.65 + b, 0.1); }, pal::skin);
}

namespace {

void sheets() {
    {
        Canvas cv(768, 576);
        g_outline = 5;
        for (int i = 0; i < 2; ++i) {
            in_frame(cv.cr(), i * 384, 0, 384, 576, 2, 3, [&] { paint_pocketman(cv.cr(), i); });
        }
        cv.save(out_path("img/pocketman_sheet.png"));
    }
    {
        Canvas cv(2304, 576);
        g_outline = 5;
        const int variants[3] = {0, 2, 1};  // columns at x 0, 768 and 1536
        for (int v = 0; v < 3; ++v) {
            for (int i = 0; i < 2; ++i) {
                in_frame(cv.cr(), v * 768 + i * 384, 0, 384, 576, 2, 3,
                         [&] { paint_bellboy(cv.cr(), variants[v], i); });
            }
        }
        cv.save(out_path("img/bellboy_sheet.png"));
    }
}

// Where the dialogue box's panel begins.
constexpr double kBoxTop = 410;

// The dialogue box: a dark plum panel with a brass rim over the lower part.
void dialogue_box(cairo_t* cr, std::string_view name, bool nameRight) {
    const double y = kBoxTop;
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, 900);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.16, 0.07, 0.13, 0.96);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.08, 0.03, 0.07, 0.98);
    cairo_new_path(cr);
    rrect(cr, 8, y, 1584, 484, 26);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    outline(cr, 10, pal::ink);
    cairo_new_path(cr);
    rrect(cr, 8, y, 1584, 484, 26);
    outline(cr, 5, pal::brass);
    cairo_new_path(cr);
    rrect(cr, 24, y + 16, 1552, 452, 16);
    outline(cr, 2, pal::brassDark);
    // corner flourishes
    for (int sx : {0, 1}) {
        double x = sx ? 1560 : 40;
        body(
            cr, [&](cairo_t* k) { star_path(k, x, y + 452, 14, 6, 4); }, pal::brass, pal::brassDark,
            pal::brassLight);
    }
    if (!name.empty()) {
        g_outline = 5;
        const double tw = text_width(cr, name, 44) + 60;
        const double x = nameRight ? 1560 - tw : 60;
        body(
            cr, [&](cairo_t* k) { rrect(k, x, y - 62, tw, 66, 14); }, pal::burgundy,
            pal::burgundyDark, pal::burgundyLight);
        text(cr, name, x + tw / 2, y - 14, 44, pal::cream, Align::Center);
    }
}

void portrait(const char* path, std::string_view name, bool right,
              const std::function<void(cairo_t*)>& paint) {
    Canvas cv(1600, 900);
    cairo_t* cr = cv.cr();
    g_outline = 7;
    // The panel is see-through only to the character behind it, never to the room: an opaque
    // plum underlay keeps the game from blending the whole box over the scene every frame.
    cairo_new_path(cr);
    rrect(cr, 8, kBoxTop, 1584, 484, 26);
    cairo_set_source_rgb(cr, 0.12, 0.05, 0.10);
    cairo_fill(cr);
    paint(cr);
    dialogue_box(cr, name, right);
    cv.save(out_path(path));
}

void tutorial_bell(cairo_t* cr) {
    // a friendly brass service bell, 3 x 3 box
    glow(cr, 1.5, 1.6, 1.6, rgb(255, 230, 150, 0.6));
    body(
        cr, [](cairo_t* k) { rrect(k, 0.3, 2.2, 2.4, 0.35, 0.1); }, pal::wood, pal::woodDark,
        pal::woodLight);
    body(
        cr,
        [](cairo_t* k) {
            cairo_new_sub_path(k);
            cairo_arc(k, 1.5, 2.2, 1.05, M_PI, 2 * M_PI);
            cairo_close_path(k);
        },
        pal::brass, pal::brassDark, pal::brassLight);
    body(
        cr, [](cairo_t* k) { limb(k, 1.5, 1.15, 1.5, 0.95, 0.08, 0.08); }, pal::brass);
    body(
        cr, [](cairo_t* k) { ellipse(k, 1.5, 0.9, 0.22, 0.08); }, pal::brassLight);
    for (double dx : {-0.35, 0.35}) {
        flat(
            cr, [&](cairo_t* k) { ellipse(k, 1.5 + dx, 1.75, 0.1, 0.14); }, pal::ink, 0);
        flat(
            cr, [&](cairo_t* k) { circle(k, 1.53 + dx, 1.7, 0.035); }, pal::white, 0);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 1.5, 1.9, 0.18, 0.3, M_PI - 0.3);
    outline(cr, g_outline * 0.8);
}

// Each name plate in both languages: to English players the shopkeeper is Pockets, the sins are
// Greed and Lust.
void portraits() {
    const auto bellboy = [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 900, -60);
        cairo_scale(cr, 340, 340);
        paint_bellboy(cr, 1, 0);
        cairo_restore(cr);
    };
    portrait("img/bellboy_body.png", "Botones", false, bellboy);
    portrait("img/bellboy_body_en.png", "Bellboy", false, bellboy);
    const auto pocketman = [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 900, -40);
        cairo_scale(cr, 340, 340);
        paint_pocketman(cr, 0);
        cairo_restore(cr);
    };
    portrait("img/bolsillos_body.png", "Bolsillos", false, pocketman);
    portrait("img/bolsillos_body_en.png", "Pockets", false, pocketman);
    const auto greed = [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 820, -120);
        cairo_scale(cr, 170, 170);
        paint_greed(cr, 0, 0, false);
        cairo_restore(cr);
    };
    portrait("img/codicia_body.png", "Codicia", false, greed);
    portrait("img/codicia_body_en.png", "Greed", false, greed);
    const auto lust = [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 880, -20);
        cairo_scale(cr, 210, 210);
        paint_lust(cr, 0, 2.4, false);
        cairo_restore(cr);
    };
    portrait("img/lujuria_body.png", "Lujuria", false, lust);
    portrait("img/lujuria_body_en.png", "Lust", false, lust);
    portrait("img/valdro_body.png", "Valdro", false, [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 560, -60);
        cairo_scale(cr, 210, 210);
        ValdroPose p;
        p.armFront = 1.8;
        p.mouthOpen = true;
        paint_valdro(cr, p);
        cairo_restore(cr);
    });
    portrait("img/prota_body.png", "", false, [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 1420, -60);
        cairo_scale(cr, -420, 420);
        HeroPose p;
        p.armA = 0.3;
        p.armB = -0.2;
        p.scarfWave = 1.0;
        paint_hero(cr, p);
        cairo_restore(cr);
    });
    portrait("img/tutorial_body.png", "", false, [](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, 1050, -20);
        cairo_scale(cr, 160, 160);
        tutorial_bell(cr);
        cairo_restore(cr);
    });
}

}  // namespace

void draw_npcs() {
    sheets();
    portraits();
}

}  // namespace valdro::art
