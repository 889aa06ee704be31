#pragma once

#include <SDL_stdinc.h>

class PrescaledTexture;
struct SDL_Rect;
struct SDL_Renderer;
struct SDL_Texture;

// A wide window shows more than the 16 units a room is played in. Beside the band the room goes
// on as it is painted, darkened so the eye keeps to the band; past the painted room's ends it
// goes round to its other end, as a corridor that repeats.
namespace band_margins {
// How bright the margins stay (255: as bright as the band).
constexpr Uint8 kShade = 90;

// picture: the room; part: the part of it the band shows; band: where that part is drawn;
// prescaled: the band's copy of the picture at the band's scale (used when it has one);
// windowWidth: the width of what is drawn on. Rows above and below the band are left alone.
void draw(SDL_Renderer* renderer, PrescaledTexture& prescaled, SDL_Texture* picture,
          const SDL_Rect& part, const SDL_Rect& band, int windowWidth, Uint8 shade = kShade);
}  // namespace band_margins
