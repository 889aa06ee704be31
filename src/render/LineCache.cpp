#include "render/LineCache.hpp"

#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <vector>

namespace line_cache {
namespace {

struct Entry {
    SDL_Renderer* renderer;
    TTF_Font* font;
    SDL_Color colour;
    std::string text;
    SDL_Texture* texture;
};

// Few enough that a straight search beats hashing, and a lookup allocates nothing.
std::vector<Entry> gEntries;

bool sameColour(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

}  // namespace

SDL_Texture* texture(SDL_Renderer* renderer, TTF_Font* font, const std::string& text,
                     SDL_Color colour) {
    if (renderer == nullptr || font == nullptr || text.empty()) {
        return nullptr;
    }
    for (const Entry& e : gEntries) {
        if (e.renderer == renderer && e.font == font && sameColour(e.colour, colour) &&
            e.text == text) {
            return e.texture;
        }
    }
    SDL_Surface* surface = TTF_RenderUTF8_Blended(font, text.c_str(), colour);
    if (surface == nullptr) {
        return nullptr;
    }
    SDL_Texture* made = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    if (made == nullptr) {
        return nullptr;
    }
    if (gEntries.size() >= kMaxTexts) {
        clear();
    }
    gEntries.reserve(kMaxTexts);
    gEntries.push_back(Entry{renderer, font, colour, text, made});
    return made;
}

bool draw(SDL_Renderer* renderer, TTF_Font* font, const std::string& text, SDL_Color colour,
          const SDL_Rect& where) {
    if (where.w <= 0 || where.h <= 0) {
        return false;
    }
    SDL_Texture* shown = texture(renderer, font, text, colour);
    return shown != nullptr && SDL_RenderCopy(renderer, shown, nullptr, &where) == 0;
}

bool drawCentred(SDL_Renderer* renderer, TTF_Font* font, const std::string& text, SDL_Color colour,
                 int left, int width, int y, int height, int maxWidth) {
    SDL_Texture* shown = texture(renderer, font, text, colour);
    int tw = 0;
    int th = 0;
    if (shown == nullptr || SDL_QueryTexture(shown, nullptr, nullptr, &tw, &th) != 0 || th <= 0) {
        return false;
    }
    const int w = std::min(maxWidth, tw * height / th);
    const SDL_Rect dst{left + (width - w) / 2, y, w, height};
    return SDL_RenderCopy(renderer, shown, nullptr, &dst) == 0;
}

void clear() {
    for (const Entry& e : gEntries) {
        SDL_DestroyTexture(e.texture);
    }
    gEntries.clear();
}

std::size_t size() {
    return gEntries.size();
}

}  // namespace line_cache
