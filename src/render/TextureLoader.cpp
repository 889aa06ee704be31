#include "render/TextureLoader.hpp"

#include <SDL_image.h>
#include <SDL_render.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <thread>

#include "render/ImageDecoder.hpp"

namespace textures {
namespace {

// Both cores unpack pictures behind the title; more workers only fight over them.
constexpr unsigned kMaxDecoders = 3;

// A deferred texture waiting for its decoded picture.
struct Pending {
    SDL_Texture* texture;
    int ticket;
};

SDL_Renderer* gRenderer = nullptr;
bool gDeferring = false;
std::vector<std::string> gImmediate;
std::unique_ptr<ImageDecoder> gDecoder;
std::vector<Pending> gPending;

// What the PNG's header says of the picture.
struct PngHeader {
    int width = 0;
    int height = 0;
    bool alpha = false;
};

// Reads the size and colour type from a PNG's IHDR chunk. Only the two colour types the art
// generator writes are taken (truecolour with or without alpha); anything else loads at once.
bool readPngHeader(const char* path, PngHeader& header) {
    static constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                                0x0D, 0x0A, 0x1A, 0x0A};
    std::array<unsigned char, 26> bytes{};
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    if (got != bytes.size() || !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()) ||
        bytes[12] != 'I' || bytes[13] != 'H' || bytes[14] != 'D' || bytes[15] != 'R') {
        return false;
    }
    auto be32 = [&](int at) {
        return static_cast<long>(bytes[at]) << 24 | static_cast<long>(bytes[at + 1]) << 16 |
               static_cast<long>(bytes[at + 2]) << 8 | static_cast<long>(bytes[at + 3]);
    };
    const long width = be32(16);
    const long height = be32(20);
    const int bitDepth = bytes[24];
    const int colourType = bytes[25];
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || bitDepth != 8 ||
        (colourType != 2 && colourType != 6)) {
        return false;
    }
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    header.alpha = colourType == 6;
    return true;
}

SDL_Texture* loadNow(SDL_Renderer* renderer, const char* path) {
    SDL_Surface* surface = IMG_Load(path);
    if (surface == nullptr) {
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    return texture;
}

// An empty texture of the picture's size, filled once the workers have decoded it. Pictures with
// alpha blend as loaded ones do; opaque ones are copied without blending.
SDL_Texture* loadDeferred(SDL_Renderer* renderer, const char* path) {
    PngHeader header;
    if (!readPngHeader(path, header)) {
        return loadNow(renderer, path);
    }
    const Uint32 format = header.alpha ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGB888;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STATIC, header.width, header.height);
    if (texture == nullptr) {
        return loadNow(renderer, path);
    }
    SDL_SetTextureBlendMode(texture, header.alpha ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    if (!gDecoder) {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        gDecoder = std::make_unique<ImageDecoder>(static_cast<int>(std::min(cores, kMaxDecoders)));
    }
    gPending.push_back(Pending{texture, gDecoder->queue(path, format)});
    return texture;
}

void fill(const Pending& p, SDL_Surface* surface) {
    if (surface != nullptr) {
        SDL_UpdateTexture(p.texture, nullptr, surface->pixels, surface->pitch);
        SDL_FreeSurface(surface);
    }
}

}  // namespace

void setRenderer(SDL_Renderer* r) {
    gRenderer = r;
}

SDL_Renderer* renderer() {
    return gRenderer;
}

SDL_Texture* load(const char* path) {
    return load(gRenderer, path);
}

SDL_Texture* load(SDL_Renderer* renderer, const char* path) {
    if (renderer == nullptr) {
        return nullptr;
    }
    if (gDeferring && std::find(gImmediate.begin(), gImmediate.end(), path) == gImmediate.end()) {
        return loadDeferred(renderer, path);
    }
    return loadNow(renderer, path);
}

void destroy(SDL_Texture*& texture) {
    if (texture == nullptr) {
        return;
    }
    const auto pending = std::find_if(gPending.begin(), gPending.end(),
                                      [&](const Pending& p) { return p.texture == texture; });
    if (pending != gPending.end()) {
        gDecoder->drop(pending->ticket);
        gPending.erase(pending);
    }
    SDL_DestroyTexture(texture);
    texture = nullptr;
}

void deferLoads(std::vector<std::string> immediate) {
    gDeferring = true;
    gImmediate = std::move(immediate);
}

void stopDeferring() {
    gDeferring = false;
    gImmediate.clear();
}

void fillDecoded(int count) {
    for (auto p = gPending.begin(); p != gPending.end() && count > 0;) {
        SDL_Surface* surface = nullptr;
        if (gDecoder->take(p->ticket, surface, false)) {
            fill(*p, surface);
            p = gPending.erase(p);
            --count;
        } else {
            ++p;
        }
    }
    if (gPending.empty() && !gDeferring) {
        gDecoder.reset();
    }
}

void finishDecoding() {
    for (const Pending& p : gPending) {
        SDL_Surface* surface = nullptr;
        gDecoder->take(p.ticket, surface, true);
        fill(p, surface);
    }
    gPending.clear();
    if (!gDeferring) {
        gDecoder.reset();
    }
}

int decodingPending() {
    return static_cast<int>(gPending.size());
}

void abandonDecoding() {
    stopDeferring();
    gPending.clear();
    gDecoder.reset();
}

}  // namespace textures
