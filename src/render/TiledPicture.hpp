#pragma once

#include <SDL_blendmode.h>
#include <SDL_rect.h>
#include <SDL_render.h>

#include <cstddef>
#include <vector>

struct SDL_Surface;

// A picture held as one texture, or, when it is wider or taller than the renderer takes, as a
// grid of textures that are each small enough. Drawing a part of it copies from the one tile that
// holds the part, so a sprite frame looks exactly as it would from the whole picture; a part that
// spans tiles (the room behind the band) is drawn piece by piece, each piece where it falls.
class TiledPicture {
public:
    TiledPicture() = default;
    ~TiledPicture();
    TiledPicture(const TiledPicture&) = delete;
    TiledPicture& operator=(const TiledPicture&) = delete;

    // Cuts pixels (32 bits a pixel, in textureFormat) into tiles no side of which exceeds maxSide
    // (0: no limit). Tiles are cut on multiples of cellW × cellH when given, so that no frame of a
    // sheet laid out on that grid straddles two tiles. False when a tile could not be made.
    bool make(SDL_Renderer* renderer, const SDL_Surface& pixels, Uint32 textureFormat,
              SDL_BlendMode blend, int maxSide, int cellW = 0, int cellH = 0);
    // Copies src (null: all) to dst (null: the whole viewport), turned by angle about center
    // (null: dst's centre) and flipped, with the colour, alpha and blend of `looks`. Turned copies
    // (`turned`) go through SDL_RenderCopyEx, plain ones through SDL_RenderCopy, as the caller
    // would have drawn the whole picture.
    void draw(SDL_Renderer* renderer, SDL_Texture* looks, const SDL_Rect* src, const SDL_Rect* dst,
              bool turned, double angle, const SDL_Point* center, SDL_RendererFlip flip) const;
    void clear();

    bool ready() const { return !tiles_.empty(); }
    int tileCount() const { return static_cast<int>(tiles_.size()); }
    int width() const { return width_; }
    int height() const { return height_; }
    std::size_t bytes() const;
    // Where a picture of `size` pixels is cut with tiles of at most maxSide on multiples of cell.
    static std::vector<int> cuts(int size, int maxSide, int cell);

private:
    struct Tile {
        SDL_Texture* texture;
        SDL_Rect area;
    };

    std::vector<Tile> tiles_;
    int width_ = 0;
    int height_ = 0;
};
