// Menu screens (1600 x 1200, a 16 x 12 world-unit screen at 100 px per unit) and
// the item information panels. Buttons that have no plate of their own get one
// painted here, at the places listed in the manifest.
#include <cmath>
#include <stdexcept>
#include <string>

#include "families.hpp"
#include "kit.hpp"
#include "valdro_art/manifest.hpp"

namespace valdro::art {

namespace {

constexpr double S = 100.0;  // px per world unit

void plate(cairo_t* cr, double x, double y, double w, double h, const Col& face = pal::cream) {
    x *= S;
    y *= S;
    w *= S;
    h *= S;
    const double r = std::min(h * 0.3, 30.0);
    g_outline = 6;
    // drop shadow
    flat(
        cr, [&](cairo_t* k) { rrect(k, x + 6, y + 8, w, h, r); }, rgb(0, 0, 0, 0.35), 0);
    body(
        cr, [&](cairo_t* k) { rrect(k, x, y, w, h, r); }, pal::brass, pal::brassDark,
        pal::brassLight, 0.08);
    const double in = std::min(10.0, h * 0.1);
    body(
        cr, [&](cairo_t* k) { rrect(k, x + in, y + in, w - 2 * in, h - 2 * in, r * 0.7); }, face,
        face.darker(0.18), pal::white, 0.1);
}

void plates_for(cairo_t* cr, std::string_view image, const Col& face = pal::cream) {
    for (const auto& p : kPlates) {
        if (p.image == image)
            plate(cr, p.x, p.y, p.w, p.h, face);
    }
}

// What a menu's margins show on a window wider or taller than 4:3: the screen's backdrop alone,
// before its cards and plates are drawn, at half size (it is shown darkened).
void save_margin(const Canvas& cv, const char* path) {
    cairo_surface_flush(cv.surface());
    cairo_surface_t* half = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cv.w() / 2, cv.h() / 2);
    cairo_t* cr = cairo_create(half);
    cairo_scale(cr, 0.5, 0.5);
    cairo_set_source_surface(cr, cv.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    const cairo_status_t written = cairo_surface_write_to_png(half, out_path(path).c_str());
    cairo_surface_destroy(half);
    if (written != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("cannot write ") + path);
    }
}

void wallpaper(cairo_t* cr, const Col& base, const Col& stripe) {
    set(cr, base);
    cairo_paint(cr);
    for (int x = 0; x < 1600; x += 60) {
        set(cr, stripe);
        cairo_rectangle(cr, x + 20, 0, 18, 1200);
        cairo_fill(cr);
    }
    cairo_pattern_t* g = cairo_pattern_create_radial(800, 600, 300, 800, 600, 1000);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.02, 0.06, 0.6);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
}

void big_title(cairo_t* cr, std::string_view s, double cx, double y, double size) {
    text(cr, s, cx + 8, y + 10, size, rgb(0, 0, 0, 0.45), Align::Center, 0);
    text(cr, s, cx, y, size, pal::brassLight, Align::Center, size * 0.16, pal::ink);
    text(cr, s, cx, y, size, pal::brassLight, Align::Center, size * 0.07, pal::burgundy);
}

void crest(cairo_t* cr, double cx, double cy, double r) {
    g_outline = 7;
    body(
        cr, [&](cairo_t* k) { star_path(k, cx, cy, r * 1.25, r * 0.95, 16); }, pal::brass,
        pal::brassDark, pal::brassLight);
    body(
        cr, [&](cairo_t* k) { circle(k, cx, cy, r); }, pal::burgundy, pal::burgundyDark,
        pal::burgundyLight);
    text(cr, "V", cx, cy + r * 0.42, r * 1.25, pal::brassLight, Align::Center, 6, pal::ink);
}

void title_screen() {
    Canvas cv(1600, 1200);
    cairo_t* cr = cv.cr();
    // night sky over the gardens
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 1200);
    cairo_pattern_add_color_stop_rgb(g, 0, pal::nightDeep.r, pal::nightDeep.g, pal::nightDeep.b);
    cairo_pattern_add_color_stop_rgb(g, 1, pal::nightLight.r, pal::nightLight.g, pal::nightLight.b);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Rng rng(1);
    for (int s = 0; s < 120; ++s)
        glow(cr, rng.range(0, 1600), rng.range(0, 600), rng.range(2, 6), rgb(255, 250, 220, 0.9));
    glow(cr, 1330, 190, 200, rgb(230, 240, 255, 0.3));
    flat(
        cr, [](cairo_t* k) { circle(k, 1330, 190, 80); }, rgb(246, 240, 214), 0);
    // the hotel: two wings and a central tower
    g_outline = 7;
    const Col wall = rgb(70, 40, 60);
    auto building = [&](double x, double y, double w, double h) {
        body(
            cr, [&](cairo_t* k) { cairo_rectangle(k, x, y, w, h); }, wall, wall.darker(0.4),
            wall.lighter(0.2), 0.02);
        for (double wy = y + 60; wy < y + h - 80; wy += 110) {
            for (double wx = x + 40; wx < x + w - 60; wx += 90) {
                const bool lit = rng.uniform() < 0.45;
                if (lit)
                    glow(cr, wx + 22, wy + 35, 60, rgb(255, 200, 100, 0.35));
                flat(
                    cr, [&](cairo_t* k) { rrect(k, wx, wy, 44, 70, 20); },
                    lit ? rgb(255, 214, 120) : rgb(30, 30, 50), 4);
            }
        }
    };
    building(-20, 520, 520, 700);
    building(1100, 520, 520, 700);
    building(420, 280, 760, 940);
    // roof and tower spire
    body(
        cr,
        [](cairo_t* k) {
            poly(k, {400, 290, 800, 120, 1200, 290});
        },
        pal::burgundyDark, pal::ink, pal::burgundy, 0.03);
    // hedges at the foot
    for (int h = 0; h < 9; ++h) {
        body(
            cr, [&](cairo_t* k) { ellipse(k, h * 200.0, 1190, 130, 70); }, pal::leaf, pal::leafDark,
            pal::leafLight);
    }
    save_margin(cv, "img/TitleScreen_margin.png");
    // the marquee behind the menu
    g_outline = 8;
    body(
        cr, [](cairo_t* k) { rrect(k, 500, 440, 620, 720, 40); }, pal::burgundyDark, pal::ink,
        pal::burgundy, 0.02);
    for (int b = 0; b < 12; ++b) {
        glow(cr, 530 + b * 51.5, 452, 20, rgb(255, 220, 120, 0.9));
        flat(
            cr, [&](cairo_t* k) { circle(k, 530 + b * 51.5, 452, 8); }, pal::goldLight, 3);
    }
    // the sign
    g_outline = 8;
    body(
        cr, [](cairo_t* k) { rrect(k, 310, 70, 980, 300, 40); }, pal::burgundy, pal::burgundyDark,
        pal::burgundyLight, 0.03);
    cairo_new_path(cr);
    rrect(cr, 330, 90, 940, 260, 30);
    outline(cr, 6, pal::brass);
    for (int b = 0; b < 18; ++b) {
        glow(cr, 350 + b * 53, 84, 16, rgb(255, 230, 140, 0.9));
    }
    big_title(cr, "VALDRO", 800, 285, 190);
    text(cr, "~ Grand Hotel ~", 800, 345, 44, pal::cream, Align::Center, 6, pal::ink);
    plates_for(cr, "img/TitleScreen.png");
    cv.save(out_path("img/TitleScreen.png"));
}

void pause_screen() {
    Canvas cv(1600, 1200);
    cairo_t* cr = cv.cr();
    wallpaper(cr, rgb(120, 44, 52), rgb(108, 36, 46));
    save_margin(cv, "img/PauseScreen_margin.png");
    // the inventory shelf on the left, the items button on top of it
    g_outline = 7;
    body(
        cr, [](cairo_t* k) { rrect(k, -20, 320, 400, 860, 30); }, pal::woodDark, pal::ink,
        pal::wood, 0.02);
    for (int i = 0; i < 6; ++i) {
        flat(
            cr, [&](cairo_t* k) { cairo_rectangle(k, 0, 345 + 141 * (i + 1) - 8, 360, 10); },
            pal::brassDark, 3);
    }
    // a "do not disturb" door hanger as the pause sign
    g_outline = 8;
    body(
        cr,
        [](cairo_t* k) {
            rrect(k, 620, 60, 360, 460, 40);
            cairo_new_sub_path(k);
            cairo_arc_negative(k, 800, 150, 52, 2 * M_PI, 0);
            cairo_close_path(k);
        },
        pal::cream, pal::creamDark, pal::white, 0.04);
    flat(
        cr, [](cairo_t* k) { rrect(k, 730, 260, 50, 160, 10); }, pal::burgundy, 5);
    flat(
        cr, [](cairo_t* k) { rrect(k, 820, 260, 50, 160, 10); }, pal::burgundy, 5);
    text(cr, "Zzz", 1010, 160, 70, pal::cream, Align::Left, 8, pal::ink);
    plates_for(cr, "img/PauseScreen.png");
    cv.save(out_path("img/PauseScreen.png"));
}

void game_over() {
    Canvas cv(1600, 1200);
    cairo_t* cr = cv.cr();
    wallpaper(cr, rgb(50, 20, 36), rgb(42, 16, 30));
    save_margin(cv, "img/game_over_margin.png");
    // a dropped room key and a wilted flower
    g_outline = 8;
    big_title(cr, "GAME OVER", 800, 330, 170);
    cairo_save(cr);
    cairo_translate(cr, 800, 470);
    cairo_rotate(cr, 0.2);
    body(
        cr, [](cairo_t* k) { circle(k, -120, 0, 40); }, pal::brass, pal::brassDark,
        pal::brassLight);
    flat(
        cr, [](cairo_t* k) { circle(k, -120, 0, 16); }, rgb(50, 20, 36), 5);
    body(
        cr, [](cairo_t* k) { rrect(k, -84, -10, 190, 20, 6); }, pal::brass, pal::brassDark,
        pal::brassLight);
    body(
        cr, [](cairo_t* k) { rrect(k, 70, 8, 16, 28, 4); }, pal::brass, pal::brassDark,
        pal::brassLight);
    body(
        cr, [](cairo_t* k) { rrect(k, 96, 8, 14, 22, 4); }, pal::brass, pal::brassDark,
        pal::brassLight);
    cairo_restore(cr);
    // plaque for the revive counter in the top-right corner
    flat(
        cr, [](cairo_t* k) { rrect(k, 1230, -40, 420, 160, 30); }, pal::brass, 8);
    flat(
        cr, [](cairo_t* k) { rrect(k, 1244, -26, 392, 132, 22); }, rgb(36, 16, 30), 3);
    // a wilted rose left on the floor
    g_outline = 6;
    cairo_new_path(cr);
    cairo_move_to(cr, 560, 1010);
    cairo_curve_to(cr, 700, 960, 860, 990, 1000, 1060);
    outline(cr, 18, pal::ink);
    cairo_new_path(cr);
    cairo_move_to(cr, 560, 1010);
    cairo_curve_to(cr, 700, 960, 860, 990, 1000, 1060);
    outline(cr, 9, pal::leafLight);
    body(
        cr,
        [](cairo_t* k) {
            blob(k, {1000, 1020, 1060, 1010, 1090, 1060, 1050, 1100, 990, 1090});
        },
        pal::burgundy, pal::burgundyDark, pal::burgundyLight);
    body(
        cr,
        [](cairo_t* k) {
            blob(k, {760, 990, 800, 960, 820, 1000, 790, 1010});
        },
        pal::leaf, pal::leafDark, pal::leafLight);
    body(
        cr,
        [](cairo_t* k) {
            blob(k, {1110, 1110, 1150, 1100, 1160, 1130, 1120, 1135});
        },
        pal::burgundy, pal::burgundyDark, pal::burgundyLight);
    plates_for(cr, "img/game_over.png");
    cv.save(out_path("img/game_over.png"));
}

void ranking_screen() {
    Canvas cv(1600, 1200);
    cairo_t* cr = cv.cr();
    wallpaper(cr, rgb(72, 46, 70), rgb(64, 40, 62));
    save_margin(cv, "img/scuseMe_margin.png");
    // the guest book the scores are written in
    g_outline = 8;
    body(
        cr, [](cairo_t* k) { rrect(k, 200, 60, 1200, 960, 30); }, pal::burgundy, pal::burgundyDark,
        pal::burgundyLight, 0.02);
    body(
        cr, [](cairo_t* k) { rrect(k, 230, 90, 1140, 900, 18); }, pal::paper, pal::creamDark,
        pal::white, 0.02);
    cairo_new_path(cr);
    cairo_move_to(cr, 800, 100);
    cairo_line_to(cr, 800, 980);
    outline(cr, 3, pal::creamDark);
    const double rows[6] = {2.85, 4.2, 5.55, 6.75, 7.9, 9.1};
    for (double ry : rows) {
        cairo_new_path(cr);
        cairo_move_to(cr, 260, ry * S + 92);
        cairo_line_to(cr, 1340, ry * S + 92);
        outline(cr, 3, rgb(190, 160, 130));
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 300, 230);
    cairo_line_to(cr, 1300, 230);
    outline(cr, 4, pal::brass);
    // a small trophy at the corner of the page
    body(
        cr,
        [](cairo_t* k) {
            poly(k, {1240, 120, 1320, 120, 1305, 180, 1255, 180});
        },
        pal::gold, pal::goldDark, pal::goldLight);
    body(
        cr, [](cairo_t* k) { rrect(k, 1255, 180, 50, 30, 6); }, pal::brass, pal::brassDark,
        pal::brassLight);
    plates_for(cr, "img/scuseMe.png");
    cv.save(out_path("img/scuseMe.png"));
}

void game_menu(const char* path, bool withLanguage) {
    Canvas cv(1600, 1200);
    cairo_t* cr = cv.cr();
    wallpaper(cr, rgb(88, 54, 66), rgb(80, 48, 60));
    // wall lamps either side of the crest and a brass rail under it
    for (double x : {430.0, 1170.0}) {
        glow(cr, x, 220, 150, rgb(255, 214, 140, 0.4));
        g_outline = 5;
        body(
            cr, [&](cairo_t* k) { rrect(k, x - 14, 220, 28, 80, 8); }, pal::brass, pal::brassDark,
            pal::brassLight);
        body(
            cr,
            [&](cairo_t* k) {
                poly(k, {x - 44, 226, x + 44, 226, x + 28, 150, x - 28, 150});
            },
            rgb(250, 226, 170), rgb(220, 180, 110), pal::white);
    }
    flat(
        cr, [](cairo_t* k) { cairo_rectangle(k, -10, 392, 1620, 14); }, pal::brass, 5);
    if (!withLanguage) {
        // The board with and without the language panel share one backdrop.
        save_margin(cv, "img/GameMenu_margin.png");
    }
    crest(cr, 800, 230, 120);
    // the central card that holds the labels and buttons
    g_outline = 8;
    body(
        cr, [](cairo_t* k) { rrect(k, 400, 450, 800, 730, 34); }, pal::brass, pal::brassDark,
        pal::brassLight, 0.02);
    body(
        cr, [](cairo_t* k) { rrect(k, 418, 468, 764, 694, 24); }, pal::paper, pal::creamDark,
        pal::white, 0.02);
    if (withLanguage) {
        body(
            cr, [](cairo_t* k) { rrect(k, 1230, 520, 355, 660, 30); }, pal::brass, pal::brassDark,
            pal::brassLight, 0.02);
        body(
            cr, [](cairo_t* k) { rrect(k, 1246, 536, 323, 628, 22); }, pal::paper, pal::creamDark,
            pal::white, 0.02);
        plate(cr, 12.48, 6.0, 3.2, 1.0);
        plate(cr, 12.83, 7.2, 2.5, 0.8, pal::brass.darker(0.1));
        plate(cr, 12.83, 8.2, 2.5, 0.8, pal::brass.darker(0.1));
    }
    plate(cr, 0.3, 10.1, 3.0, 1.5);
    cv.save(out_path(path));
}

cairo_surface_t* load_icon(const char* rel) {
    return cairo_image_surface_create_from_png(out_path(rel).c_str());
}

void info_panel(const char* path, bool english) {
    Canvas cv(1600, 1200);
    cairo_t* cr = cv.cr();
    wallpaper(cr, rgb(60, 30, 44), rgb(54, 26, 40));
    g_outline = 8;
    body(
        cr, [](cairo_t* k) { rrect(k, 60, 40, 1480, 1120, 40); }, pal::brass, pal::brassDark,
        pal::brassLight, 0.02);
    body(
        cr, [](cairo_t* k) { rrect(k, 80, 60, 1440, 1080, 28); }, pal::paper, pal::creamDark,
        pal::white, 0.02);
    text(cr, english ? "Items" : "Objetos", 800, 165, 90, pal::burgundy, Align::Center);
    struct Row {
        const char* icon;
        const char* es;
        const char* esDesc;
        const char* en;
        const char* enDesc;
        int price;
    };
    const Row rows[6] = {
        {"img/damageObject.png", "Aumento de daño", "Tus disparos hacen más daño.", "Damage up",
         "Your shots hit harder.", 15},
        {"img/speedObject.png", "Aumento de velocidad", "Caminas más rápido.", "Speed up",
         "You walk faster.", 10},
        {"img/cadencyObject.png", "Aumento de cadencia", "Disparas más a menudo.", "Fire rate up",
         "You shoot more often.", 20},
        {"img/rangeObject.png", "Aumento de alcance", "Tus disparos llegan más lejos.", "Range up",
         "Your shots fly farther.", 15},
        {"img/potion.png", "Poción de vida", "Un corazón más y salud completa.", "Health potion",
         "One more heart and full health.", 20},
        {"img/heart.png", "Corazón", "Recupera un corazón.", "Heart", "Restores one heart.", 0},
    };
    for (int i = 0; i < 6; ++i) {
        const double y = 220 + i * 150;
        if (i % 2 == 0)
            flat(
                cr, [&](cairo_t* k) { rrect(k, 110, y, 1380, 140, 16); }, pal::cream.darker(0.06),
                0);
        cairo_surface_t* icon = load_icon(rows[i].icon);
        cairo_save(cr);
        cairo_translate(cr, 140, y + 6);
        cairo_set_source_surface(cr, icon, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(icon);
        text(cr, english ? rows[i].en : rows[i].es, 300, y + 60, 52, pal::burgundy);
        text(cr, english ? rows[i].enDesc : rows[i].esDesc, 300, y + 118, 40,
             pal::ink.lighter(0.2));
        if (rows[i].price > 0) {
            g_outline = 4;
            body(
                cr, [&](cairo_t* k) { circle(k, 1360, y + 70, 26); }, pal::gold, pal::goldDark,
                pal::goldLight);
            text(cr, std::to_string(rows[i].price), 1400, y + 88, 52, pal::burgundy);
        }
    }
    text(cr, english ? "Click to close" : "Pulsa para cerrar", 800, 1125, 36, pal::brassDark,
         Align::Center);
    cv.save(out_path(path));
}

}  // namespace

void draw_menus() {
    title_screen();
    pause_screen();
    game_over();
    ranking_screen();
    game_menu("img/GameMenu.png", false);
    game_menu("img/GameMenuLang.png", true);
    info_panel("img/infoObjetosES.png", false);
    info_panel("img/infoObjetosEN.png", true);
}

}  // namespace valdro::art
