#pragma once

#include "render/PrescaledTexture.hpp"
#include "render/Renderizable.hpp"

// A horizontally scrolling strip: a window into a wide texture that slides right every drawn
// frame and jumps back to the start when it would run off the end.
class Background : public Renderizable {
public:
    Background() = default;
    Background(SDL_Texture* texture, double x, double y, double w, double h, SDL_Rect view,
               int scrollSpeed, int textureWidth, int textureHeight);

    void render(SDL_Renderer* renderer) override;

    SDL_Rect viewRect{0, 0, 0, 0};
    int scrollSpeed = 0;
    int textureWidth = 0;
    int textureHeight = 0;

private:
    PrescaledTexture atDrawnSize_;
};
