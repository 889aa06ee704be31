#include "menus/Button.hpp"

#include <SDL_keyboard.h>
#include <SDL_render.h>

#include <algorithm>

#include "menus/TextCache.hpp"
#include "render/TextureLoader.hpp"

namespace {
// Characters, not bytes: "Español" is seven letters wide however it is encoded.
int characterCount(const std::string& text) {
    int count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

SDL_Rect toPixels(const WorldRect& r, double scale, double camX, double camY) {
    return SDL_Rect{static_cast<int>((r.x - camX) * scale), static_cast<int>((r.y - camY) * scale),
                    static_cast<int>(scale * r.w), static_cast<int>(scale * r.h)};
}
}  // namespace

Button::Button(int buttonId, const WorldRect& buttonArea, std::map<int, std::string> buttonTexts,
               SDL_Texture* plate, int buttonParam)
    : Renderizable(nullptr, buttonArea.x, buttonArea.y, buttonArea.w, buttonArea.h),
      area(buttonArea),
      id(buttonId),
      param(buttonParam),
      texts(std::move(buttonTexts)),
      background(plate) {}

Button::~Button() {
    dropOwnedTexture();
}

void Button::dropOwnedTexture() {
    if (ownsTexture_) {
        textures::destroy(texture);
        ownsTexture_ = false;
    }
}

void Button::render(SDL_Renderer* renderer) {
    if (renderer == nullptr) {
        return;
    }
    if (background != nullptr && backgroundDst && cornerPixels_ > 0) {
        renderCard(renderer, *backgroundDst);
    } else if (background != nullptr && backgroundDst) {
        SDL_RenderCopyEx(renderer, background, nullptr, &*backgroundDst, angle, nullptr,
                         SDL_FLIP_NONE);
    }
    // Cached texts are looked up again: the controls screen re-renders them to highlight a set.
    SDL_Texture* text = ownsTexture_ ? texture : text_cache::get(shownText);
    if (text != nullptr && dstRect != nullptr) {
        SDL_RenderCopyEx(renderer, text, nullptr, dstRect, angle, nullptr, SDL_FLIP_NONE);
    }
}

void Button::renderCard(SDL_Renderer* renderer, const SDL_Rect& to) const {
    int width = 0;
    int height = 0;
    if (SDL_QueryTexture(background, nullptr, nullptr, &width, &height) != 0) {
        return;
    }
    // The plate's corner, a quarter of its side, holds its rounded frame whole.
    const int sourceCorner = std::min(width, height) / 4;
    const int corner = std::min({cornerPixels_, to.w / 2, to.h / 2});
    const int sx[] = {0, sourceCorner, width - sourceCorner, width};
    const int sy[] = {0, sourceCorner, height - sourceCorner, height};
    const int dx[] = {to.x, to.x + corner, to.x + to.w - corner, to.x + to.w};
    const int dy[] = {to.y, to.y + corner, to.y + to.h - corner, to.y + to.h};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const SDL_Rect src{sx[column], sy[row], sx[column + 1] - sx[column],
                               sy[row + 1] - sy[row]};
            const SDL_Rect dst{dx[column], dy[row], dx[column + 1] - dx[column],
                               dy[row + 1] - dy[row]};
            if (dst.w > 0 && dst.h > 0) {
                SDL_RenderCopy(renderer, background, &src, &dst);
            }
        }
    }
}

void Button::updateDstRect(double scale, double camX, double camY) {
    if (background != nullptr) {
        backgroundDst = toPixels(area, scale, camX, camY);
        cornerPixels_ = static_cast<int>(cardCorner * scale);
    }
    Renderizable::updateDstRect(scale, camX, camY);
}

void Button::layOut(const std::string& text) {
    ensureDstRect();
    if (text == text_cache::kSpeakerOn || text == text_cache::kSpeakerOff) {
        // The speaker icon fills the button.
        x = area.x;
        y = area.y;
        w = area.w;
        h = area.h;
        return;
    }
    const int length = std::max(characterCount(text), 1);
    double textH = area.h * kTextFill;
    double textW = textH * length * kCharAspect;
    const double widest = area.w * (background != nullptr ? kPlateTextFill : kTextFill);
    if (textW > widest) {
        textW = widest;
        textH = textW / (length * kCharAspect);
    }
    x = area.x + (area.w - textW) / 2.0;
    y = area.y + (area.h - textH) / 2.0;
    w = textW;
    h = textH;
}

void Button::setText(int index) {
    if (texts.empty()) {
        return;
    }
    auto it = texts.find(index);
    const std::string text = it == texts.end() ? std::string{} : it->second;
    if (text.empty() && (texture != nullptr || !shownText.empty())) {
        return;
    }
    dropOwnedTexture();
    shownText = text;
    texture = text_cache::get(text);
    layOut(text);
}

void Button::setKeyText(int keycode) {
    setNameText(SDL_GetKeyName(static_cast<SDL_Keycode>(keycode)));
}

void Button::setNameText(const std::string& name) {
    dropOwnedTexture();
    shownText = name;
    layOut(name);
    texture = text_cache::renderText(name, text_cache::kWhite);
    ownsTexture_ = texture != nullptr;
    tintColour = text_cache::kWhite;
}

void Button::tint(SDL_Color colour) {
    tintColour = colour;
    if (ownsTexture_ && texture != nullptr) {
        SDL_SetTextureColorMod(texture, colour.r, colour.g, colour.b);
    }
}

bool Button::contains(double px, double py) const {
    return area.x <= px && px <= area.x + area.w && area.y <= py && py <= area.y + area.h;
}

const std::string& Button::spanishText() const {
    static const std::string kNone;
    auto it = texts.find(0);
    return it == texts.end() ? kNone : it->second;
}
