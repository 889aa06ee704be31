#include "render/BandMargins.hpp"

#include <SDL_render.h>

#include <algorithm>
#include <cmath>

#include "render/PrescaledTexture.hpp"
#include "render/TextureLoader.hpp"

namespace band_margins {
namespace {

// Where the picture lies on the window's rows of the band, at the band's scale.
struct Layout {
    double sx = 1.0;
    int left = 0;   // the picture's left end, in window pixels
    int width = 0;  // the picture's width, in window pixels
};

// Draws window columns [from, from + w) of the band's rows from picture columns
// [at, at + w) of the picture at the band's scale.
class Painter {
public:
    Painter(SDL_Renderer* renderer, SDL_Texture* picture, SDL_Texture* copy, const SDL_Rect& part,
            const SDL_Rect& band, const Layout& layout, int copyY)
        : renderer_(renderer),
          picture_(picture),
          copy_(copy),
          part_(part),
          band_(band),
          layout_(layout),
          copyY_(copyY) {}

    void piece(int from, int w, int at) const {
        if (w <= 0) {
            return;
        }
        const SDL_Rect dst{from, band_.y, w, band_.h};
        if (copy_ != nullptr) {
            const SDL_Rect src{at, copyY_, w, band_.h};
            SDL_RenderCopy(renderer_, copy_, &src, &dst);
            return;
        }
        const int x0 = static_cast<int>(std::floor(at / layout_.sx));
        const int x1 = std::max(x0 + 1, static_cast<int>(std::ceil((at + w) / layout_.sx)));
        const SDL_Rect src{x0, part_.y, x1 - x0, part_.h};
        textures::copy(renderer_, picture_, &src, &dst);
    }

private:
    SDL_Renderer* renderer_;
    SDL_Texture* picture_;
    SDL_Texture* copy_;
    SDL_Rect part_;
    SDL_Rect band_;
    Layout layout_;
    int copyY_;
};

}  // namespace

void draw(SDL_Renderer* renderer, PrescaledTexture& prescaled, SDL_Texture* picture,
          const SDL_Rect& part, const SDL_Rect& band, int windowWidth, Uint8 shade) {
    const int right = band.x + band.w;
    if (renderer == nullptr || picture == nullptr || part.w <= 0 || part.h <= 0 || band.w <= 0 ||
        band.h <= 0 || (band.x <= 0 && right >= windowWidth)) {
        return;
    }
    int pictureWidth = 0;
    int pictureHeight = 0;
    if (!textures::size(picture, pictureWidth, pictureHeight) || pictureWidth <= 0) {
        return;
    }
    Layout layout;
    layout.sx = static_cast<double>(band.w) / part.w;
    const double sy = static_cast<double>(band.h) / part.h;
    layout.width = static_cast<int>(std::lround(pictureWidth * layout.sx));
    const int copyHeight = static_cast<int>(std::lround(pictureHeight * sy));

    // The band's own copy when it has one at this scale, as the band is drawn from it.
    SDL_Texture* copy = nullptr;
    int copyY = 0;
    if (prescaled.source() == picture && layout.width <= PrescaledTexture::largestSide() &&
        copyHeight <= PrescaledTexture::largestSide() && layout.width >= band.w &&
        copyHeight >= band.h) {
        SDL_Texture* made = prescaled.at(renderer, picture, layout.width, copyHeight);
        if (made != picture) {
            copy = made;
            copyY = std::clamp(static_cast<int>(std::lround(part.y * sy)), 0, copyHeight - band.h);
        }
    }
    const int shownX = copy != nullptr
                           ? std::clamp(static_cast<int>(std::lround(part.x * layout.sx)), 0,
                                        layout.width - band.w)
                           : static_cast<int>(std::lround(part.x * layout.sx));
    layout.left = band.x - shownX;
    const int pictureRight = layout.left + layout.width;

    SDL_Texture* shaded = copy != nullptr ? copy : picture;
    Uint8 r = 255;
    Uint8 g = 255;
    Uint8 b = 255;
    SDL_GetTextureColorMod(shaded, &r, &g, &b);
    SDL_SetTextureColorMod(shaded, shade, shade, shade);
    const Painter paint(renderer, picture, copy, part, band, layout, copyY);

    // Left of the band: the room as painted, then, past its painted left end, its right end
    // (a mirror image would print the door numbers backwards).
    const int leftFrom = std::max(0, layout.left);
    paint.piece(leftFrom, band.x - leftFrom, leftFrom - layout.left);
    if (layout.left > 0) {
        const int wrapFrom = std::max(0, layout.left - layout.width);
        const int w = layout.left - wrapFrom;
        paint.piece(wrapFrom, w, layout.width - w);
    }
    // Right of the band, the same towards the painted right end, then the room's left end.
    const int rightTo = std::min(windowWidth, pictureRight);
    paint.piece(right, rightTo - right, right - layout.left);
    if (pictureRight < windowWidth) {
        const int wrapTo = std::min(windowWidth, pictureRight + layout.width);
        paint.piece(pictureRight, wrapTo - pictureRight, 0);
    }
    SDL_SetTextureColorMod(shaded, r, g, b);
}

}  // namespace band_margins
