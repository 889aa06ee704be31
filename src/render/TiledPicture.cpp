#include "render/TiledPicture.hpp"

#include <SDL_surface.h>

#include <cmath>

namespace {
void copy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect& src, const SDL_Rect& dst,
          bool turned, double angle, const SDL_Point* center, SDL_RendererFlip flip) {
    if (turned) {
        SDL_RenderCopyEx(renderer, texture, &src, &dst, angle, center, flip);
    } else {
        SDL_RenderCopy(renderer, texture, &src, &dst);
    }
}

bool holds(const SDL_Rect& outer, const SDL_Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

int scaled(int offset, double scale) {
    return static_cast<int>(std::lround(offset * scale));
}
}  // namespace

TiledPicture::~TiledPicture() {
    clear();
}

void TiledPicture::clear() {
    for (Tile& t : tiles_) {
        SDL_DestroyTexture(t.texture);
    }
    tiles_.clear();
    width_ = height_ = 0;
}

std::vector<int> TiledPicture::cuts(int size, int maxSide, int cell) {
    std::vector<int> at{0};
    if (maxSide <= 0 || size <= maxSide) {
        return at;
    }
    const int step = cell > 0 && cell <= maxSide ? maxSide / cell * cell : maxSide;
    for (int x = step; x < size; x += step) {
        at.push_back(x);
    }
    return at;
}

bool TiledPicture::make(SDL_Renderer* renderer, const SDL_Surface& pixels, Uint32 textureFormat,
                        SDL_BlendMode blend, int maxSide, int cellW, int cellH) {
    clear();
    const std::vector<int> columns = cuts(pixels.w, maxSide, cellW);
    const std::vector<int> rows = cuts(pixels.h, maxSide, cellH);
    width_ = pixels.w;
    height_ = pixels.h;
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const int y = rows[j];
        const int h = (j + 1 < rows.size() ? rows[j + 1] : pixels.h) - y;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int x = columns[i];
            const int w = (i + 1 < columns.size() ? columns[i + 1] : pixels.w) - x;
            SDL_Texture* texture =
                SDL_CreateTexture(renderer, textureFormat, SDL_TEXTUREACCESS_STATIC, w, h);
            if (texture == nullptr) {
                clear();
                return false;
            }
            const Uint8* from = static_cast<const Uint8*>(pixels.pixels) +
                                static_cast<std::size_t>(y) * pixels.pitch +
                                static_cast<std::size_t>(x) * 4;
            SDL_UpdateTexture(texture, nullptr, from, pixels.pitch);
            SDL_SetTextureBlendMode(texture, blend);
            tiles_.push_back(Tile{texture, SDL_Rect{x, y, w, h}});
        }
    }
    return true;
}

std::size_t TiledPicture::bytes() const {
    return tiles_.empty() ? 0 : static_cast<std::size_t>(width_) * height_ * 4;
}

void TiledPicture::draw(SDL_Renderer* renderer, SDL_Texture* looks, const SDL_Rect* src,
                        const SDL_Rect* dst, bool turned, double angle, const SDL_Point* center,
                        SDL_RendererFlip flip) const {
    if (renderer == nullptr || tiles_.empty()) {
        return;
    }
    // As SDL does: the part is cut to the picture, the destination stays as asked.
    const SDL_Rect whole{0, 0, width_, height_};
    SDL_Rect s = whole;
    if (src != nullptr && SDL_IntersectRect(src, &whole, &s) != SDL_TRUE) {
        return;
    }
    SDL_Rect d{0, 0, 0, 0};
    if (dst != nullptr) {
        d = *dst;
    } else {
        SDL_Rect viewport;
        SDL_RenderGetViewport(renderer, &viewport);
        d = SDL_Rect{0, 0, viewport.w, viewport.h};
    }
    if (d.w <= 0 || d.h <= 0) {
        return;
    }
    Uint8 r = 255;
    Uint8 g = 255;
    Uint8 b = 255;
    Uint8 a = 255;
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    if (looks != nullptr) {
        SDL_GetTextureColorMod(looks, &r, &g, &b);
        SDL_GetTextureAlphaMod(looks, &a);
        SDL_GetTextureBlendMode(looks, &mode);
    }
    auto dress = [&](SDL_Texture* texture) {
        if (looks != nullptr) {
            SDL_SetTextureColorMod(texture, r, g, b);
            SDL_SetTextureAlphaMod(texture, a);
            SDL_SetTextureBlendMode(texture, mode);
        }
    };
    for (const Tile& t : tiles_) {
        if (holds(t.area, s)) {
            dress(t.texture);
            const SDL_Rect part{s.x - t.area.x, s.y - t.area.y, s.w, s.h};
            copy(renderer, t.texture, part, d, turned, angle, center, flip);
            return;
        }
    }
    // The part spans tiles: each tile's share goes where it falls in dst, every piece turned
    // about the same point.
    const double sx = static_cast<double>(d.w) / s.w;
    const double sy = static_cast<double>(d.h) / s.h;
    const double pivotX = d.x + (center != nullptr ? center->x : d.w / 2.0);
    const double pivotY = d.y + (center != nullptr ? center->y : d.h / 2.0);
    for (const Tile& t : tiles_) {
        SDL_Rect piece;
        if (SDL_IntersectRect(&s, &t.area, &piece) != SDL_TRUE) {
            continue;
        }
        int left = scaled(piece.x - s.x, sx);
        int right = scaled(piece.x + piece.w - s.x, sx);
        int top = scaled(piece.y - s.y, sy);
        int bottom = scaled(piece.y + piece.h - s.y, sy);
        if ((flip & SDL_FLIP_HORIZONTAL) != 0) {
            const int mirrored = d.w - right;
            right = d.w - left;
            left = mirrored;
        }
        if ((flip & SDL_FLIP_VERTICAL) != 0) {
            const int mirrored = d.h - bottom;
            bottom = d.h - top;
            top = mirrored;
        }
        const SDL_Rect to{d.x + left, d.y + top, right - left, bottom - top};
        if (to.w <= 0 || to.h <= 0) {
            continue;
        }
        const SDL_Rect part{piece.x - t.area.x, piece.y - t.area.y, piece.w, piece.h};
        const SDL_Point pivot{static_cast<int>(std::lround(pivotX - to.x)),
                              static_cast<int>(std::lround(pivotY - to.y))};
        dress(t.texture);
        copy(renderer, t.texture, part, to, turned, angle, &pivot, flip);
    }
}
