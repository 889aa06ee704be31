// Shared drawing kit for the Valdro art generator: palette, shaded outlined
// shapes, frames on sprite sheets, text and PNG output.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace valdro::art {

struct Col {
    double r, g, b, a = 1.0;
    Col with_alpha(double na) const { return {r, g, b, na}; }
    Col mix(const Col& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
    }
    Col lighter(double t) const { return mix({1, 1, 1, a}, t); }
    Col darker(double t) const { return mix({0.11, 0.08, 0.13, a}, t); }
};

constexpr Col rgb(int r, int g, int b, double a = 1.0) {
    return {r / 255.0, g / 255.0, b / 255.0, a};
}

namespace pal {
inline constexpr Col ink = rgb(29, 20, 32);        // outline plum
inline constexpr Col burgundy = rgb(131, 28, 36);  // menu text colour
inline constexpr Col burgundyDark = rgb(84, 16, 26);
inline constexpr Col burgundyLight = rgb(176, 56, 60);
inline constexpr Col brass = rgb(201, 154, 62);
inline constexpr Col brassLight = rgb(240, 206, 118);
inline constexpr Col brassDark = rgb(132, 92, 36);
inline constexpr Col cream = rgb(242, 228, 198);
inline constexpr Col creamDark = rgb(212, 190, 150);
inline constexpr Col paper = rgb(250, 242, 222);
inline constexpr Col wood = rgb(122, 70, 44);
inline constexpr Col woodDark = rgb(78, 42, 28);
inline constexpr Col woodLight = rgb(164, 104, 64);
inline constexpr Col night = rgb(20, 46, 58);
inline constexpr Col nightDeep = rgb(11, 26, 36);
inline constexpr Col nightLight = rgb(44, 92, 100);
inline constexpr Col leaf = rgb(34, 84, 74);
inline constexpr Col leafDark = rgb(18, 52, 50);
inline constexpr Col leafLight = rgb(60, 120, 96);
// the hero's colours; nothing else in the game uses this teal
inline constexpr Col heroTeal = rgb(0, 196, 184);
inline constexpr Col heroTealDark = rgb(0, 118, 124);
inline constexpr Col heroTealLight = rgb(120, 240, 222);
inline constexpr Col scarf = rgb(255, 208, 32);
inline constexpr Col scarfDark = rgb(214, 138, 12);
inline constexpr Col skin = rgb(246, 200, 160);
inline constexpr Col skinDark = rgb(206, 146, 112);
inline constexpr Col hair = rgb(62, 36, 30);
inline constexpr Col white = rgb(255, 255, 255);
inline constexpr Col black = rgb(0, 0, 0);
inline constexpr Col gold = rgb(255, 196, 40);
inline constexpr Col goldDark = rgb(196, 124, 20);
inline constexpr Col goldLight = rgb(255, 238, 140);
inline constexpr Col ghost = rgb(236, 234, 246);
inline constexpr Col ghostShade = rgb(170, 160, 204);
inline constexpr Col red = rgb(222, 40, 52);
inline constexpr Col redDark = rgb(140, 18, 40);
inline constexpr Col magenta = rgb(212, 40, 120);
inline constexpr Col violet = rgb(120, 60, 160);
}  // namespace pal

using PathFn = std::function<void(cairo_t*)>;

// Outline width in device pixels used by body()/outline(); families set it per sheet.
extern double g_outline;

// Deterministic random numbers (xorshift), seeded per picture.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 2654435761u + 0x9E3779B97F4A7C15ull) {}
    double uniform();  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    std::uint64_t s_;
};

// A picture being drawn.
class Canvas {
public:
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surf_; }
    int w() const { return w_; }
    int h() const { return h_; }
    void save(const std::string& path) const;

private:
    int w_, h_;
    cairo_surface_t* surf_;
    cairo_t* cr_;
};

void set(cairo_t* cr, const Col& c);

// --- path builders (append to the current path) ---
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void circle(cairo_t* cr, double cx, double cy, double r);
void rrect(cairo_t* cr, double x, double y, double w, double h, double r);
// A stadium (rounded limb) from (x1, y1) to (x2, y2): radius r1 at the start, r2 at the end.
void limb(cairo_t* cr, double x1, double y1, double x2, double y2, double r1, double r2);
// Smooth closed curve through the points (Catmull-Rom).
void blob(cairo_t* cr, const std::vector<double>& xy, double tension = 1.0);
void poly(cairo_t* cr, const std::vector<double>& xy);
void heart_path(cairo_t* cr, double cx, double cy, double s);
void star_path(cairo_t* cr, double cx, double cy, double r1, double r2, int points, double rot = 0);

// --- painting ---
// Stroke the current path with the ink outline (width in device pixels) and clear the path.
void outline(cairo_t* cr, double width = -1, const Col& c = pal::ink);
// Flat fill + one shadow tone (lower right) + one soft highlight (upper left) + outline.
void body(cairo_t* cr, const PathFn& path, const Col& base, const Col& shade, const Col& light,
          double shadeOffset = 0.12);
void body(cairo_t* cr, const PathFn& path, const Col& base);
// Flat fill + outline.
void flat(cairo_t* cr, const PathFn& path, const Col& base, double width = -1);
// Soft radial glow.
void glow(cairo_t* cr, double cx, double cy, double r, const Col& c);

// --- frames on a sheet ---
// Runs fn with a clip to the frame (fx, fy, fw, fh) and a transform that maps a
// unitsW x unitsH box onto it (world units of the character).
void in_frame(cairo_t* cr, int fx, int fy, int fw, int fh, double unitsW, double unitsH,
              const std::function<void()>& fn, bool flip = false);

// --- text ---
enum class Align { Left, Center, Right };
void text(cairo_t* cr, std::string_view s, double x, double y, double size, const Col& fill,
          Align align = Align::Left, double outlineW = 0, const Col& outlineC = pal::ink);
double text_width(cairo_t* cr, std::string_view s, double size);

// Output folder (run folder's img/ parent), set by main.
std::string out_path(std::string_view rel);
void set_out_root(const std::string& root);

}  // namespace valdro::art
