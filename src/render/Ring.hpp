#pragma once

#include <SDL.h>

// A frame of solid lines drawn inwards from outer's edge, as the menus mark the plate a pad or
// the keyboard is on. The renderer's draw colour is left as it was.
namespace ring {

void draw(SDL_Renderer* renderer, SDL_Rect outer, int thickness, SDL_Color colour);

}  // namespace ring
