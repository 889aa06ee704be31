// Contact sheets: every animation of every sheet, frame by frame, named and
// framed on a checkerboard, plus thumbnails of every background, menu and
// portrait. Reads the images from the run folder.
// Usage: valdro_contact_sheet_tool <run folder> <output folder>
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "kit.hpp"
#include "valdro_art/manifest.hpp"

namespace fs = std::filesystem;
using namespace valdro::art;

namespace {

constexpr double kCell = 150.0;  // frame height on the sheet
constexpr double kLabel = 34.0;
constexpr double kPad = 14.0;
constexpr double kMaxWidth = 2600.0;

std::string g_run;
std::map<std::string, cairo_surface_t*> g_cache;

cairo_surface_t* load(std::string_view rel) {
    auto& s = g_cache[std::string(rel)];
    if (!s)
        s = cairo_image_surface_create_from_png(
            (fs::path(g_run) / std::string(rel)).string().c_str());
    return s;
}

void checker(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j * 12 < h; ++j) {
        for (int i = 0; i * 12 < w; ++i) {
            set(cr, (i + j) % 2 ? rgb(200, 200, 208) : rgb(236, 236, 240));
            cairo_rectangle(cr, x + i * 12, y + j * 12, 12, 12);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

// Draws part of an image scaled into a box; returns the drawn width.
double blit(cairo_t* cr, cairo_surface_t* img, double sx, double sy, double sw, double sh, double x,
            double y, double maxW, double maxH) {
    const double k = std::min(maxW / sw, maxH / sh);
    const double w = sw * k, h = sh * k;
    checker(cr, x, y, w, h);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, img, -sx, -sy);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    set(cr, pal::burgundy);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    return w;
}

double text_width_of(const std::string& s, double size) {
    Canvas probe(1, 1);
    return text_width(probe.cr(), s, size);
}

struct Item {
    double w;  // width on the sheet
    std::function<void(cairo_t*, double, double)> draw;
};

// Lays the items out left to right, wrapping at kMaxWidth, and writes the sheet.
void write_sheet(const std::string& path, const std::string& title, const std::vector<Item>& items,
                 double rowH) {
    std::vector<std::pair<double, double>> pos;
    double x = kPad, y = 70, width = 0;
    for (const auto& it : items) {
        if (x + it.w > kMaxWidth && x > kPad) {
            x = kPad;
            y += rowH + kPad;
        }
        pos.emplace_back(x, y);
        x += it.w + kPad;
        width = std::max(width, x);
    }
    const double height = y + rowH + kPad;
    Canvas cv(static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cv.cr();
    set(cr, pal::paper);
    cairo_paint(cr);
    text(cr, title, kPad, 48, 36, pal::burgundy);
    for (std::size_t i = 0; i < items.size(); ++i) items[i].draw(cr, pos[i].first, pos[i].second);
    cv.save(path);
    std::printf("wrote %s\n", path.c_str());
}

std::vector<Item> animation_items(const std::function<bool(Family)>& wanted) {
    std::vector<Item> items;
    for (const auto& cut : kCuts) {
        const ImageSpec* picture = findImage(cut.image);
        if (!picture || !wanted(picture->family))
            continue;
        cairo_surface_t* img = load(cut.image);
        if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS)
            continue;
        const double k = std::min(kCell / cut.h, 260.0 / cut.w);
        const double fw = cut.w * k;
        const std::string label = std::string(cut.image.substr(4)) + "  \"" +
                                  std::string(cut.name) + "\"  " + std::to_string(cut.frames) +
                                  " x " + std::to_string(cut.w) + "x" + std::to_string(cut.h);
        const double total = std::max(cut.frames * (fw + 6), text_width_of(label, 20) + 10);
        items.push_back({total, [cut, img, fw, label](cairo_t* cr, double x, double y) {
                             text(cr, label, x, y + 22, 20, pal::ink);
                             for (int i = 0; i < cut.frames; ++i) {
                                 const double fx = x + i * (fw + 6);
                                 blit(cr, img, cut.x + i * cut.w, cut.y, cut.w, cut.h, fx,
                                      y + kLabel, fw, kCell);
                                 text(cr, std::to_string(i), fx + 4, y + kLabel + 18, 16,
                                      pal::burgundy);
                             }
                         }});
    }
    return items;
}

std::vector<Item> picture_items() {
    std::vector<Item> items;
    for (const auto& picture : kImages) {
        if (picture.family != Family::Background && picture.family != Family::Menu &&
            picture.family != Family::Portrait && picture.family != Family::TreeLayer)
            continue;
        cairo_surface_t* img = load(picture.path);
        if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS)
            continue;
        const double maxW = picture.w > 2 * picture.h ? 1200.0 : 420.0;
        const double k = std::min(maxW / picture.w, 300.0 / picture.h);
        items.push_back(
            {std::max(picture.w * k, 260.0), [picture, img](cairo_t* cr, double x, double y) {
                 text(cr,
                      std::string(picture.path.substr(4)) + "  " + std::to_string(picture.w) + "x" +
                          std::to_string(picture.h),
                      x, y + 22, 20, pal::ink);
                 const double maxW = picture.w > 2 * picture.h ? 1200.0 : 420.0;
                 blit(cr, img, 0, 0, picture.w, picture.h, x, y + kLabel, maxW, 300.0);
             }});
    }
    return items;
}

// A mock-up of a level as the game layers it (garden, room, furniture, characters,
// shots, HUD), at 100 px per world unit, to judge contrast and scale together.
void mock_scene(const std::string& path, std::string_view room, int roomX) {
    Canvas cv(1600, 1200);
    cairo_t* cr = cv.cr();
    set(cr, pal::black);
    cairo_paint(cr);
    auto put = [&](std::string_view img, double sx, double sy, double sw, double sh, double x,
                   double y, double w, double h, bool flip = false) {
        cairo_surface_t* s = load(img);
        if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
            return;
        cairo_save(cr);
        cairo_rectangle(cr, x * 100, y * 100 + 150, w * 100, h * 100);
        cairo_clip(cr);
        cairo_translate(cr, x * 100, y * 100 + 150);
        if (flip) {
            cairo_translate(cr, w * 100, 0);
            cairo_scale(cr, -1, 1);
        }
        cairo_scale(cr, w * 100 / sw, h * 100 / sh);
        cairo_set_source_surface(cr, s, -sx, -sy);
        cairo_paint(cr);
        cairo_restore(cr);
    };
    for (const char* t : {"img/trees3.png", "img/trees2.png", "img/trees1.png"})
        put(t, 200, 0, 768, 432, 0, 0, 16, 9);
    put(room, roomX, 0, 1600, 900, 0, 0, 16, 9);
    put("img/plat_table1.png", 0, 0, 384, 192, 1.0, 7.4, 3.0, 1.5);
    put("img/plat_stool1.png", 0, 0, 128, 192, 5.0, 7.4, 1.0, 1.5);
    put("img/obst_case1.png", 0, 0, 256, 384, 12.5, 5.9, 2.0, 3.0);
    put("img/plat_counter1.png", 0, 0, 512, 256, 7.5, 6.9, 4.0, 2.0);
    put("img/prota_sheet.png", 128, 256, 128, 256, 2.0, 5.4, 1.0, 2.0);
    put("img/blanky_sheet.png", 0, 0, 128, 128, 6.0, 2.0, 1.5, 1.5, true);
    put("img/pikaboo_sheet.png", 256, 128, 128, 128, 9.0, 3.0, 1.5, 1.5);
    put("img/peanut_sheet.png", 128, 128, 128, 128, 9.5, 5.4, 1.5, 1.5);
    put("img/butter_sheet.png", 128, 0, 128, 128, 5.5, 7.4, 1.5, 1.5);
    put("img/handy_sheet.png", 0, 256, 128, 128, 12.8, 4.4, 1.5, 1.5, true);
    put("img/disparoProta.png", 0, 0, 100, 100, 3.6, 5.6, 0.5, 0.5);
    put("img/disparoEnemigo.png", 0, 0, 100, 100, 5.0, 3.5, 0.5, 0.5);
    put("img/disparoEnemigo.png", 0, 0, 100, 100, 8.2, 1.0, 0.5, 0.5);
    put("img/sci_shot.png", 0, 0, 128, 128, 11.0, 2.2, 1.0, 1.0);
    put("img/rock_shot.png", 0, 0, 128, 128, 3.0, 0.6, 1.0, 1.0);
    put("img/butter_shit.png", 0, 0, 100, 100, 7.0, 8.15, 0.75, 0.75);
    put("img/heart.png", 0, 0, 128, 128, 4.0, 8.15, 0.75, 0.75);
    put("img/cruceta.png", 0, 0, 128, 128, 7.0, 4.5, 1.5, 1.5);
    put("img/reticula.png", 0, 0, 300, 200, 2.5, 5.9, 1.5, 1.0);
    put("img/hp_empty.png", 0, 0, 250, 50, 0, 9.1, 6.5, 1.3);
    put("img/hp.png", 0, 0, 150, 50, 0, 9.1, 3.9, 1.3);
    put("img/coin.png", 0, 0, 128, 128, 13.6, 9.15, 0.6, 0.6);
    put("img/f.png", 0, 0, 163, 162, 14.0, 5.5, 1.0, 1.0);
    cv.save(path);
    std::printf("wrote %s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <run folder> <output folder>\n", argv[0]);
        return 2;
    }
    g_run = argv[1];
    fs::create_directories(argv[2]);
    const fs::path out(argv[2]);
    write_sheet((out / "1_player_enemies.png").string(), "Hero and regular enemies",
                animation_items([](Family f) { return f == Family::Player || f == Family::Enemy; }),
                kCell + kLabel);
    write_sheet((out / "2_bosses.png").string(), "Greed, Lust and her lamp, Valdro",
                animation_items([](Family f) { return f == Family::Boss; }), kCell + kLabel);
    write_sheet((out / "3_npcs_items_hud.png").string(),
                "Talking characters, items, HUD and furniture", animation_items([](Family f) {
                    return f == Family::Npc || f == Family::Item || f == Family::Hud ||
                           f == Family::Platform;
                }),
                kCell + kLabel);
    write_sheet((out / "4_pictures.png").string(), "Rooms, garden layers, menus and portraits",
                picture_items(), 300 + kLabel);
    mock_scene((out / "5_mock_lobby.png").string(), "img/bg0.png", 1000);
    mock_scene((out / "6_mock_gallery.png").string(), "img/bg2.png", 2200);
    for (auto& [k, s] : g_cache) cairo_surface_destroy(s);
    return 0;
}
