#pragma once

#include <SDL_render.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "render/TiledPicture.hpp"

class ImageDecoder;

// The big pictures (room backgrounds, boss and character sheets, portraits, menu boards) are
// most of the game's memory, and few of them are on screen at once. Each is handed out as a
// stand-in texture that never changes, while its pixels come and go: they are decoded when the
// picture is first drawn or, better, ahead of need (prefetch, on a decoder thread, given their
// pixels between frames), and let go once it has not been drawn for a while. Every drawing of
// a stand-in goes through draw, which copies from the picture's tiles (TiledPicture), so no
// texture is ever larger than the renderer takes.
class PictureStore {
public:
    // What the benchmark reports.
    struct Figures {
        std::size_t residentBytes = 0;
        std::size_t peakResidentBytes = 0;
        int largestSide = 0;        // the largest texture side asked of the renderer
        int loadsWhileDrawing = 0;  // pictures decoded on the spot because none was ready
    };

    // Pictures of at least this many bytes decoded are kept here; smaller ones are plain textures.
    static constexpr std::size_t kManagedBytes = std::size_t{1} << 20;
    // A picture not drawn for this many frames lets its pixels go (a prefetched one waits).
    static constexpr int kIdleFrames = 300;
    // A picture no scene in play asked for at the last prefetch waits only this many frames.
    static constexpr int kLeftoverFrames = 2;
    // Beyond this many bytes of pixels, the pictures drawn longest ago go first, before another
    // is given its pixels (the three sheets of Valdro's forms alone are 138 MB).
    static constexpr std::size_t kBudgetBytes = std::size_t{160} << 20;

    PictureStore();
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    // The renderer prefetched pictures are made on, and the largest texture side it takes (0: no
    // limit); pictures already made keep their tiles.
    void setRenderer(SDL_Renderer* renderer, int maxSide) {
        renderer_ = renderer;
        maxSide_ = maxSide;
    }
    int maxSide() const { return maxSide_; }

    // The stand-in of path when it is a big picture (the same one each time it is asked for;
    // each acquire wants one release). Null when path is not one: the caller loads it itself.
    SDL_Texture* acquire(SDL_Renderer* renderer, const char* path);
    // False when texture is not a stand-in of this store.
    bool release(SDL_Texture* texture);
    // Draws a stand-in (see TiledPicture::draw), decoding it first when its pixels are away.
    // False when texture is not a stand-in.
    bool draw(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src,
              const SDL_Rect* dst, bool turned, double angle, const SDL_Point* center,
              SDL_RendererFlip flip);
    // The picture's own size; false when texture is not a stand-in.
    bool size(SDL_Texture* texture, int& width, int& height) const;
    // Whether the stand-in's pixels are in memory now.
    bool resident(SDL_Texture* texture) const;
    // How many tiles the stand-in is held in (0 while its pixels are away).
    int tiles(SDL_Texture* texture) const;

    // The stand-in has just been copied whole into a texture of its own (a prescaled copy): its
    // pixels go now, to come back only if it is drawn again.
    void rest(SDL_Texture* texture);
    // These pictures are needed soon: they are decoded behind the game and kept until drawn.
    // Pictures of an earlier prefetch that were never drawn nor acquired are let go.
    void prefetch(const std::vector<std::string>& paths);
    // Between frames: gives one prefetched picture its pixels, lets idle ones go.
    void endFrame();
    // Waits for every prefetched picture and gives it its pixels (tests, tools).
    void finishPrefetching();
    // Lets every picture go (before the renderer goes).
    void clear();

    Figures figures() const { return figures_; }
    void resetPeak() { figures_.peakResidentBytes = figures_.residentBytes; }
    // Notes a texture made elsewhere (prescaled copies), for the largest side asked for.
    void noteTexture(int width, int height);

private:
    struct Entry {
        std::string path;
        SDL_Renderer* renderer = nullptr;
        SDL_Texture* handle = nullptr;
        int width = 0;
        int height = 0;
        bool alpha = false;
        int owners = 0;
        bool wanted = false;  // prefetched and not drawn since
        int ticket = -1;      // being decoded
        bool unreadable = false;
        long long lastDrawn = 0;
        TiledPicture picture;
    };

    Entry* find(SDL_Texture* texture) const;
    Entry* findPath(const std::string& path) const;
    Entry* add(SDL_Renderer* renderer, const std::string& path);
    void give(Entry& e, SDL_Surface* pixels);
    void letGo(Entry& e);
    void forget(Entry& e);
    // Lets pictures not drawn since the last frame go, longest idle first, until `more` bytes fit
    // in the budget (prefetched pictures not yet drawn are kept).
    void makeRoom(std::size_t more);

    std::vector<std::unique_ptr<Entry>> entries_;
    std::unique_ptr<ImageDecoder> decoder_;
    SDL_Renderer* renderer_ = nullptr;
    int maxSide_ = 0;
    long long frame_ = 0;
    Figures figures_;
};
