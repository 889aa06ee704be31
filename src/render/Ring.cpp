#include "render/Ring.hpp"

namespace ring {

void draw(SDL_Renderer* renderer, SDL_Rect outer, int thickness, SDL_Color colour) {
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    Uint8 a = 0;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
    for (int i = 0; i < thickness && outer.w > 0 && outer.h > 0; ++i) {
        SDL_RenderDrawRect(renderer, &outer);
        outer = SDL_Rect{outer.x + 1, outer.y + 1, outer.w - 2, outer.h - 2};
    }
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
}

}  // namespace ring
