#pragma once

#include <SDL_rect.h>

struct SDL_Renderer;
struct SDL_Texture;

// The root of everything drawn: a world rectangle plus the texture and pixel rectangles
// needed to copy it to the window. Textures are borrowed from the asset catalogue and never
// freed here; the source and destination rectangles are owned.
class Renderizable {
public:
    Renderizable() = default;
    Renderizable(SDL_Texture* texture, double x, double y, double w, double h);
    virtual ~Renderizable();

    Renderizable(const Renderizable& other);
    Renderizable& operator=(const Renderizable& other);

    // Copies the texture (or its source rectangle) to dstRect, rotated by angle about the centre.
    virtual void render(SDL_Renderer* renderer);
    // Recomputes dstRect in window pixels from the world rectangle, the scale (pixels per world
    // unit) and the camera origin. Does nothing without a dstRect.
    virtual void updateDstRect(double scale, double cameraX, double cameraY);
    // True when dstRect lies strictly inside the pixel rectangle (left, top, width, height).
    virtual bool isInside(int width, int height, int left, int top) const;
    // True when dstRect is not strictly inside a window of the given size.
    virtual bool touchesScreenEdge(int width, int height) const;

    void setSrcRect(const SDL_Rect& rect);
    void clearSrcRect();
    void ensureDstRect();

    SDL_Texture* texture = nullptr;
    SDL_Rect* srcRect = nullptr;
    SDL_Rect* dstRect = nullptr;
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;
    double angle = 0.0;
};
