#include "render/Background.hpp"

#include <SDL_render.h>

Background::Background(SDL_Texture* tex, double px, double py, double pw, double ph, SDL_Rect view,
                       int speed, int texWidth, int texHeight)
    : Renderizable(tex, px, py, pw, ph),
      viewRect(view),
      scrollSpeed(speed),
      textureWidth(texWidth),
      textureHeight(texHeight) {
    ensureDstRect();
}

void Background::render(SDL_Renderer* renderer) {
    if (renderer != nullptr && texture != nullptr && dstRect != nullptr) {
        atDrawnSize_.draw(renderer, texture, &viewRect, *dstRect);
    }
    viewRect.x += scrollSpeed;
    if (viewRect.x + viewRect.w >= textureWidth) {
        viewRect.x = 0;
    }
}
