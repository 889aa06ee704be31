#include "kit.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#ifdef VALDRO_ART_FT
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#endif

namespace valdro::art {

double g_outline = 3.5;

namespace {
std::string g_root = ".";

cairo_font_face_t* font_face() {
    static cairo_font_face_t* face = nullptr;
    static bool tried = false;
    if (tried)
        return face;
    tried = true;
#ifdef VALDRO_ART_FT
    static FT_Library lib = nullptr;
    static FT_Face ftFace = nullptr;
    const char* path = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";
    if (FT_Init_FreeType(&lib) == 0 && std::filesystem::exists(path) &&
        FT_New_Face(lib, path, 0, &ftFace) == 0) {
        face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    }
#endif
    if (!face) {
        face = cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                          CAIRO_FONT_WEIGHT_BOLD);
    }
    return face;
}
}  // namespace

void set_out_root(const std::string& root) {
    g_root = root;
}

std::string out_path(std::string_view rel) {
    std::filesystem::path p = std::filesystem::path(g_root) / std::string(rel);
    std::filesystem::create_directories(p.parent_path());
    return p.string();
}

double Rng::uniform() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 7;
    s_ ^= s_ << 17;
    return static_cast<double>(s_ >> 11) / 9007199254740992.0;
}

Canvas::Canvas(int w, int h) : w_(w), h_(h) {
    surf_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr_ = cairo_create(surf_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surf_);
}

void Canvas::save(const std::string& path) const {
    cairo_surface_flush(surf_);
    if (cairo_surface_write_to_png(surf_, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path);
    }
}

void set(cairo_t* cr, const Col& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_set_matrix(cr, &m);
}

void circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void rrect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void limb(cairo_t* cr, double x1, double y1, double x2, double y2, double r1, double r2) {
    double a = std::atan2(y2 - y1, x2 - x1);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x2, y2, r2, a - M_PI / 2, a + M_PI / 2);
    cairo_arc(cr, x1, y1, r1, a + M_PI / 2, a + 3 * M_PI / 2);
    cairo_close_path(cr);
}

void blob(cairo_t* cr, const std::vector<double>& xy, double tension) {
    const std::size_t n = xy.size() / 2;
    if (n < 3)
        return;
    auto P = [&](long i) {
        long k = ((i % static_cast<long>(n)) + static_cast<long>(n)) % static_cast<long>(n);
        return std::pair<double, double>{xy[2 * k], xy[2 * k + 1]};
    };
    cairo_new_sub_path(cr);
    auto [x0, y0] = P(0);
    cairo_move_to(cr, x0, y0);
    for (long i = 0; i < static_cast<long>(n); ++i) {
        auto [ax, ay] = P(i - 1);
        auto [bx, by] = P(i);
        auto [cx, cy] = P(i + 1);
        auto [dx, dy] = P(i + 2);
        double t = tension / 6.0;
        cairo_curve_to(cr, bx + (cx - ax) * t, by + (cy - ay) * t, cx - (dx - bx) * t,
                       cy - (dy - by) * t, cx, cy);
    }
    cairo_close_path(cr);
}

void poly(cairo_t* cr, const std::vector<double>& xy) {
    cairo_new_sub_path(cr);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, xy[i], xy[i + 1]);
    cairo_close_path(cr);
}

void heart_path(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + 0.9 * s);
    cairo_curve_to(cr, cx - 0.35 * s, cy + 0.55 * s, cx - 1.0 * s, cy + 0.15 * s, cx - 1.0 * s,
                   cy - 0.3 * s);
    cairo_curve_to(cr, cx - 1.0 * s, cy - 0.85 * s, cx - 0.3 * s, cy - 1.0 * s, cx, cy - 0.5 * s);
    cairo_curve_to(cr, cx + 0.3 * s, cy - 1.0 * s, cx + 1.0 * s, cy - 0.85 * s, cx + 1.0 * s,
                   cy - 0.3 * s);
    cairo_curve_to(cr, cx + 1.0 * s, cy + 0.15 * s, cx + 0.35 * s, cy + 0.55 * s, cx, cy + 0.9 * s);
    cairo_close_path(cr);
}

void star_path(cairo_t* cr, double cx, double cy, double r1, double r2, int points, double rot) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double a = rot - M_PI / 2 + i * M_PI / points;
        double r = (i % 2 == 0) ? r1 : r2;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void outline(cairo_t* cr, double width, const Col& c) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_line_width(cr, width < 0 ? g_outline : width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    set(cr, c);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void body(cairo_t* cr, const PathFn& path, const Col& base, const Col& shade, const Col& light,
          double shadeOffset) {
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    double x1, y1, x2, y2;
    cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    set(cr, base);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    const double w = x2 - x1, h = y2 - y1;
    const double off = shadeOffset * std::min(w, h) + 1e-6;
    // shadow: everything of the shape not covered by the shape moved down-right
    cairo_new_path(cr);
    cairo_rectangle(cr, x1 - w, y1 - h, 3 * w, 3 * h);
    cairo_save(cr);
    cairo_translate(cr, -off * 0.8, -off);
    path(cr);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    set(cr, shade);
    cairo_fill(cr);
    // one soft highlight near the top left
    cairo_pattern_t* g = cairo_pattern_create_radial(x1 + 0.32 * w, y1 + 0.26 * h, 0, x1 + 0.32 * w,
                                                     y1 + 0.26 * h, 0.34 * std::max(w, h));
    cairo_pattern_add_color_stop_rgba(g, 0, light.r, light.g, light.b, 0.85);
    cairo_pattern_add_color_stop_rgba(g, 0.55, light.r, light.g, light.b, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, light.r, light.g, light.b, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    cairo_new_path(cr);
    path(cr);
    outline(cr);
}

void body(cairo_t* cr, const PathFn& path, const Col& base) {
    body(cr, path, base, base.darker(0.32), base.lighter(0.45));
}

void flat(cairo_t* cr, const PathFn& path, const Col& base, double width) {
    cairo_new_path(cr);
    path(cr);
    set(cr, base);
    cairo_fill_preserve(cr);
    if (width != 0) {
        outline(cr, width);
    } else {
        cairo_new_path(cr);
    }
}

void glow(cairo_t* cr, double cx, double cy, double r, const Col& c) {
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, c.a);
    cairo_pattern_add_color_stop_rgba(g, 0.45, c.r, c.g, c.b, c.a * 0.4);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    circle(cr, cx, cy, r);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void in_frame(cairo_t* cr, int fx, int fy, int fw, int fh, double unitsW, double unitsH,
              const std::function<void()>& fn, bool flip) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, fx, fy, fw, fh);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_translate(cr, fx, fy);
    if (flip) {
        cairo_translate(cr, fw, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_scale(cr, fw / unitsW, fh / unitsH);
    fn();
    cairo_restore(cr);
    cairo_new_path(cr);
}

double text_width(cairo_t* cr, std::string_view s, double size) {
    cairo_save(cr);
    cairo_set_font_face(cr, font_face());
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    std::string str(s);
    cairo_text_extents(cr, str.c_str(), &ext);
    cairo_restore(cr);
    return ext.x_advance;
}

void text(cairo_t* cr, std::string_view s, double x, double y, double size, const Col& fill,
          Align align, double outlineW, const Col& outlineC) {
    cairo_save(cr);
    cairo_set_font_face(cr, font_face());
    cairo_set_font_size(cr, size);
    std::string str(s);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, str.c_str(), &ext);
    double sx = x;
    if (align == Align::Center)
        sx = x - ext.x_advance / 2;
    if (align == Align::Right)
        sx = x - ext.x_advance;
    cairo_new_path(cr);
    cairo_move_to(cr, sx, y);
    cairo_text_path(cr, str.c_str());
    if (outlineW > 0) {
        cairo_save(cr);
        set(cr, outlineC);
        cairo_identity_matrix(cr);
        cairo_set_line_width(cr, outlineW);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_restore(cr);
    }
    set(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace valdro::art
