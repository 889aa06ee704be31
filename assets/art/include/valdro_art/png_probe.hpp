// Reading generated PNGs back for the art tests: pixels, coverage, luminance.
// Needs SDL2 and SDL2_image (the test binary links them); the generator does not use it.
#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#ifndef VALDRO_RUN_DIR
#error "VALDRO_RUN_DIR must name the run folder"
#endif

namespace valdro::art::probe {

struct Pixel {
    int r, g, b, a;
};

// A loaded picture in ABGR8888 (bytes R, G, B, A in memory).
class Image {
public:
    explicit Image(const std::string& rel) {
        const std::string path = std::string(VALDRO_RUN_DIR) + "/" + rel;
        SDL_Surface* raw = IMG_Load(path.c_str());
        if (!raw)
            return;
        surf_ = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ABGR8888, 0);
        SDL_FreeSurface(raw);
    }
    ~Image() {
        if (surf_)
            SDL_FreeSurface(surf_);
    }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    bool ok() const { return surf_ != nullptr; }
    int w() const { return surf_->w; }
    int h() const { return surf_->h; }
    Pixel at(int x, int y) const {
        const auto* p = static_cast<const Uint8*>(surf_->pixels) + y * surf_->pitch + x * 4;
        return {p[0], p[1], p[2], p[3]};
    }
    // Fraction of pixels in the rectangle with alpha above the threshold.
    double coverage(int x, int y, int w, int h, int alpha = 24) const {
        long n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) n += at(i, j).a > alpha;
        return static_cast<double>(n) / (static_cast<double>(w) * h);
    }

    // Where the drawing in a rectangle sits: centre of visible pixels (relative to the
    // rectangle, 0..1) and the bounding box of them in pixels (relative to it).
    struct Mass {
        double cx = 0, cy = 0, coverage = 0;
        int top = 0, bottom = 0, left = 0, right = 0;
    };
    Mass mass(int x, int y, int w, int h, int alpha = 24) const {
        Mass m;
        m.top = h;
        m.left = w;
        long n = 0;
        double sx = 0, sy = 0;
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                if (at(x + i, y + j).a <= alpha)
                    continue;
                ++n;
                sx += i;
                sy += j;
                m.top = std::min(m.top, j);
                m.bottom = std::max(m.bottom, j);
                m.left = std::min(m.left, i);
                m.right = std::max(m.right, i);
            }
        }
        if (n > 0) {
            m.cx = sx / n / w;
            m.cy = sy / n / h;
        }
        m.coverage = static_cast<double>(n) / (static_cast<double>(w) * h);
        return m;
    }

private:
    SDL_Surface* surf_ = nullptr;
};

// Images are large; load each once for the whole suite.
inline const Image& image(std::string_view rel) {
    static std::map<std::string, std::unique_ptr<Image>> cache;
    auto& slot = cache[std::string(rel)];
    if (!slot)
        slot = std::make_unique<Image>(std::string(rel));
    return *slot;
}

inline double luminance(double r, double g, double b) {
    auto lin = [](double c) {
        c /= 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b);
}

inline double contrast(double l1, double l2) {
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

}  // namespace valdro::art::probe
