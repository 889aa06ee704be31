#include "render/PictureStore.hpp"

#include <SDL_surface.h>

#include <algorithm>
#include <array>

#include "render/ImageDecoder.hpp"
#include "render/Paths.hpp"

namespace {

// Sheets whose frames lie on a grid are cut on it, so no frame straddles two tiles.
struct SheetGrid {
    const char* path;
    int cellW;
    int cellH;
};
constexpr std::array<SheetGrid, 5> kSheetGrids = {{
    {paths::kValdro1Sheet, 896, 640},
    {paths::kValdro2Sheet, 896, 640},
    {paths::kValdro3Sheet, 896, 640},
    {paths::kLustSheet, 768, 576},
    {paths::kBellboySheet, 384, 576},
}};

SheetGrid gridOf(const std::string& path) {
    for (const SheetGrid& g : kSheetGrids) {
        if (path == g.path) {
            return g;
        }
    }
    return SheetGrid{nullptr, 0, 0};
}

Uint32 formatOf(bool alpha) {
    return alpha ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGB888;
}

int largestTile(int size, int maxSide, int cell) {
    const std::vector<int> at = TiledPicture::cuts(size, maxSide, cell);
    return at.size() > 1 ? at[1] : size;
}

}  // namespace

PictureStore::PictureStore() = default;

PictureStore::~PictureStore() {
    clear();
}

PictureStore::Entry* PictureStore::find(SDL_Texture* texture) const {
    if (texture == nullptr) {
        return nullptr;
    }
    for (const auto& e : entries_) {
        if (e->handle == texture) {
            return e.get();
        }
    }
    return nullptr;
}

PictureStore::Entry* PictureStore::findPath(const std::string& path) const {
    for (const auto& e : entries_) {
        if (e->path == path) {
            return e.get();
        }
    }
    return nullptr;
}

PictureStore::Entry* PictureStore::add(SDL_Renderer* renderer, const std::string& path) {
    int width = 0;
    int height = 0;
    bool alpha = false;
    if (renderer == nullptr || !ImageDecoder::readHeader(path.c_str(), width, height, alpha) ||
        static_cast<std::size_t>(width) * height * 4 < kManagedBytes) {
        return nullptr;
    }
    // The stand-in is one see-through pixel: whatever draws it past draw() shows nothing.
    SDL_Texture* handle =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
    if (handle == nullptr) {
        return nullptr;
    }
    const Uint32 clear = 0;
    SDL_UpdateTexture(handle, nullptr, &clear, 4);
    SDL_SetTextureBlendMode(handle, alpha ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    auto e = std::make_unique<Entry>();
    e->path = path;
    e->renderer = renderer;
    e->handle = handle;
    e->width = width;
    e->height = height;
    e->alpha = alpha;
    e->lastDrawn = frame_;
    entries_.push_back(std::move(e));
    return entries_.back().get();
}

SDL_Texture* PictureStore::acquire(SDL_Renderer* renderer, const char* path) {
    if (renderer == nullptr || path == nullptr) {
        return nullptr;
    }
    Entry* e = findPath(path);
    if (e != nullptr && e->renderer != renderer) {
        forget(*e);
        e = nullptr;
    }
    if (e == nullptr) {
        e = add(renderer, path);
    }
    if (e == nullptr) {
        return nullptr;
    }
    e->owners += 1;
    return e->handle;
}

bool PictureStore::release(SDL_Texture* texture) {
    Entry* e = find(texture);
    if (e == nullptr) {
        return false;
    }
    e->owners = std::max(0, e->owners - 1);
    if (e->owners == 0 && !e->wanted) {
        forget(*e);
    }
    return true;
}

void PictureStore::give(Entry& e, SDL_Surface* pixels) {
    if (pixels == nullptr) {
        e.unreadable = true;
        return;
    }
    makeRoom(static_cast<std::size_t>(e.width) * e.height * 4);
    const SheetGrid grid = gridOf(e.path);
    if (e.picture.make(e.renderer, *pixels, formatOf(e.alpha),
                       e.alpha ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE, maxSide_, grid.cellW,
                       grid.cellH)) {
        noteTexture(largestTile(e.width, maxSide_, grid.cellW),
                    largestTile(e.height, maxSide_, grid.cellH));
        figures_.residentBytes += e.picture.bytes();
        figures_.peakResidentBytes = std::max(figures_.peakResidentBytes, figures_.residentBytes);
    }
    SDL_FreeSurface(pixels);
}

void PictureStore::makeRoom(std::size_t more) {
    while (figures_.residentBytes + more > kBudgetBytes) {
        Entry* oldest = nullptr;
        for (const auto& e : entries_) {
            if (e->picture.ready() && !e->wanted && e->lastDrawn < frame_ &&
                (oldest == nullptr || e->lastDrawn < oldest->lastDrawn)) {
                oldest = e.get();
            }
        }
        if (oldest == nullptr) {
            return;
        }
        letGo(*oldest);
    }
}

void PictureStore::letGo(Entry& e) {
    figures_.residentBytes -= std::min(figures_.residentBytes, e.picture.bytes());
    e.picture.clear();
}

void PictureStore::forget(Entry& e) {
    letGo(e);
    if (e.ticket >= 0 && decoder_) {
        decoder_->drop(e.ticket);
    }
    SDL_DestroyTexture(e.handle);
    const auto at = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const auto& p) { return p.get() == &e; });
    entries_.erase(at);
}

bool PictureStore::draw(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src,
                        const SDL_Rect* dst, bool turned, double angle, const SDL_Point* center,
                        SDL_RendererFlip flip) {
    Entry* e = find(texture);
    if (e == nullptr) {
        return false;
    }
    if (!e->picture.ready() && !e->unreadable) {
        // Nothing is drawn half there: a picture not ready yet is decoded now.
        SDL_Surface* pixels = nullptr;
        if (e->ticket >= 0) {
            decoder_->take(e->ticket, pixels, true);
            e->ticket = -1;
        } else {
            pixels = ImageDecoder::decode(e->path.c_str(), formatOf(e->alpha));
        }
        figures_.loadsWhileDrawing += 1;
        give(*e, pixels);
    }
    e->lastDrawn = frame_;
    e->wanted = false;
    e->picture.draw(renderer, texture, src, dst, turned, angle, center, flip);
    return true;
}

void PictureStore::rest(SDL_Texture* texture) {
    if (Entry* e = find(texture)) {
        letGo(*e);
    }
}

bool PictureStore::size(SDL_Texture* texture, int& width, int& height) const {
    const Entry* e = find(texture);
    if (e == nullptr) {
        return false;
    }
    width = e->width;
    height = e->height;
    return true;
}

bool PictureStore::resident(SDL_Texture* texture) const {
    const Entry* e = find(texture);
    return e != nullptr && e->picture.ready();
}

int PictureStore::tiles(SDL_Texture* texture) const {
    const Entry* e = find(texture);
    return e != nullptr ? e->picture.tileCount() : 0;
}

void PictureStore::prefetch(const std::vector<std::string>& paths) {
    for (std::size_t i = 0; i < entries_.size();) {
        Entry& e = *entries_[i];
        const bool asked = std::find(paths.begin(), paths.end(), e.path) != paths.end();
        if (!asked && e.owners == 0) {
            forget(e);
            continue;
        }
        if (!asked) {
            // Still held (a scene just left may keep it), but neither scene now in play asked
            // for it: unless it is drawn in the next frames, it lets go without the long idle
            // wait, so the last scene's room is not held beside a boss's sheets.
            e.wanted = false;
            e.lastDrawn = std::min(e.lastDrawn, frame_ - kIdleFrames + kLeftoverFrames);
        }
        ++i;
    }
    for (const std::string& path : paths) {
        Entry* e = findPath(path);
        if (e == nullptr) {
            e = add(renderer_, path);
        }
        if (e == nullptr) {
            continue;
        }
        e->wanted = true;
        e->lastDrawn = frame_;
        if (!e->picture.ready() && e->ticket < 0 && !e->unreadable) {
            if (!decoder_) {
                // One worker, one picture ahead: a big picture is held twice only while it is
                // uploaded.
                decoder_ = std::make_unique<ImageDecoder>(1, 1);
            }
            e->ticket = decoder_->queue(path, formatOf(e->alpha));
        }
    }
}

void PictureStore::endFrame() {
    frame_ += 1;
    for (const auto& e : entries_) {
        SDL_Surface* pixels = nullptr;
        if (e->ticket >= 0 && decoder_->take(e->ticket, pixels, false)) {
            e->ticket = -1;
            give(*e, pixels);
            break;  // one picture a frame
        }
    }
    for (const auto& e : entries_) {
        if (e->picture.ready() && !e->wanted && frame_ - e->lastDrawn > kIdleFrames) {
            letGo(*e);
        }
    }
}

void PictureStore::finishPrefetching() {
    for (const auto& e : entries_) {
        if (e->ticket >= 0) {
            SDL_Surface* pixels = nullptr;
            decoder_->take(e->ticket, pixels, true);
            e->ticket = -1;
            give(*e, pixels);
        }
    }
}

void PictureStore::clear() {
    decoder_.reset();
    for (const auto& e : entries_) {
        e->ticket = -1;
    }
    while (!entries_.empty()) {
        forget(*entries_.back());
    }
    figures_ = Figures{};
}

void PictureStore::noteTexture(int width, int height) {
    figures_.largestSide = std::max({figures_.largestSide, width, height});
}
