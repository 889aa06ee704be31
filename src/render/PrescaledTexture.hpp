#pragma once

struct SDL_Rect;
struct SDL_Renderer;
struct SDL_Texture;

// The software renderer blends a picture drawn at another size than its own several times more
// slowly than one drawn pixel for pixel. A big picture drawn over most of the window every frame
// (a talking character's portrait, the room behind the band, the garden) is therefore kept a
// second time at the size it is drawn, made again whenever that size changes.
class PrescaledTexture {
public:
    PrescaledTexture() = default;
    // opaqueCoreUnblended: the picture has a large opaque part (a portrait's dialogue panel). Its
    // copy is searched once for the largest opaque rectangle, which is then copied without
    // blending; only the rest is blended.
    explicit PrescaledTexture(bool opaqueCoreUnblended) : findCore_(opaqueCoreUnblended) {}
    ~PrescaledTexture();
    PrescaledTexture(const PrescaledTexture&) = delete;
    PrescaledTexture& operator=(const PrescaledTexture&) = delete;

    // What to draw source with at width × height pixels: the copy at that size, made now if
    // needed, or source itself when the renderer cannot make one.
    SDL_Texture* at(SDL_Renderer* renderer, SDL_Texture* source, int width, int height);
    // Draws all of source over dst (whose size the copy takes).
    void drawWhole(SDL_Renderer* renderer, SDL_Texture* source, const SDL_Rect& dst);
    // Draws the part src (null: all) of source over dst, from a copy scaled so that the part
    // needs no further scaling.
    void draw(SDL_Renderer* renderer, SDL_Texture* source, const SDL_Rect* src,
              const SDL_Rect& dst);
    // Frees the copy (before its renderer goes).
    void clear();
    // The picture the copy is of; null without a copy.
    SDL_Texture* source() const { return source_; }
    // The opaque rectangle found in the copy, in its pixels (empty when none was looked for).
    int coreX() const { return coreX_; }
    int coreY() const { return coreY_; }
    int coreWidth() const { return coreW_; }
    int coreHeight() const { return coreH_; }

    // Copies are never made larger than this on a side: some graphics cards hold no larger
    // texture. Beyond it the picture is scaled as it is drawn.
    static constexpr int kMaxSide = 8192;
    // The same, or less when the renderer takes no texture that large.
    static int largestSide();

private:
    bool make(SDL_Renderer* renderer, SDL_Texture* source, int width, int height);
    // Reads the copy back (it is the render target now) and finds its largest opaque rectangle.
    void findOpaqueCore(SDL_Renderer* renderer);

    SDL_Texture* copy_ = nullptr;
    SDL_Texture* source_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool findCore_ = false;
    int coreX_ = 0;
    int coreY_ = 0;
    int coreW_ = 0;
    int coreH_ = 0;
};
