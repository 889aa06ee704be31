#pragma once

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <cstddef>
#include <string>

struct SDL_Renderer;
struct SDL_Texture;
typedef struct _TTF_Font TTF_Font;

// The texts drawn every frame (the score, the clock, the line a character is saying) change a
// few times a second at most, while rendering a line with the font costs far more than drawing
// its texture. So each text is rendered once per font, colour and renderer and its texture kept
// until the fonts change.
namespace line_cache {

// When this many texts are kept, all are dropped and rebuilt as they are drawn again: the
// clock and the score make a new text every second or so.
inline constexpr std::size_t kMaxTexts = 64;

// The texture of `text` in `font` and `colour`, owned by the cache; null when nothing can be
// drawn (no renderer, no font, empty text).
SDL_Texture* texture(SDL_Renderer* renderer, TTF_Font* font, const std::string& text,
                     SDL_Color colour);

// Draws `text` stretched over the pixel rectangle where; nothing (and false) for an empty
// rectangle or when texture gives nothing.
bool draw(SDL_Renderer* renderer, TTF_Font* font, const std::string& text, SDL_Color colour,
          const SDL_Rect& where);
// Draws one row of text `height` pixels tall with its top at y, centred across the span of
// `width` pixels from left: as wide as the font makes it at that height, but never wider than
// maxWidth (squeezed instead).
bool drawCentred(SDL_Renderer* renderer, TTF_Font* font, const std::string& text, SDL_Color colour,
                 int left, int width, int y, int height, int maxWidth);

// Frees every kept texture. fonts::openFonts and fonts::closeFonts call it, so the fonts must be
// closed before the renderer the texts were drawn with is destroyed.
void clear();
std::size_t size();

}  // namespace line_cache
