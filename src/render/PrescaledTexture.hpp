#pragma once

struct SDL_Renderer;
struct SDL_Texture;

// The software renderer blends a picture drawn at another size than its own several times more
// slowly than one drawn pixel for pixel. A big picture drawn over most of the window (a talking
// character's portrait) is therefore kept a second time at the size it is drawn, made again
// whenever that size changes.
class PrescaledTexture {
public:
    PrescaledTexture() = default;
    ~PrescaledTexture();
    PrescaledTexture(const PrescaledTexture&) = delete;
    PrescaledTexture& operator=(const PrescaledTexture&) = delete;

    // What to draw source with at width × height pixels: the copy at that size, made now if
    // needed, or source itself when the renderer cannot make one.
    SDL_Texture* at(SDL_Renderer* renderer, SDL_Texture* source, int width, int height);
    // Frees the copy (before its renderer goes).
    void clear();

private:
    bool make(SDL_Renderer* renderer, SDL_Texture* source, int width, int height);

    SDL_Texture* copy_ = nullptr;
    SDL_Texture* source_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
