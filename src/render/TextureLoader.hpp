#pragma once

#include <string>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;

// Textures are made one way: load the PNG to a surface, make a texture on the game's renderer,
// free the surface. A missing file or a missing renderer gives a null texture, which draws
// nothing.
//
// At start-up the title should show at once, while most pictures are only needed once a run or
// another menu begins. So start-up may defer its loads: a deferred load hands back at once a
// texture of the picture's size, still empty, and the picture is decoded on worker threads; its
// pixels arrive when fillDecoded or finishDecoding is called. The texture handle never changes,
// so whoever keeps it draws the picture as soon as it is there.
namespace textures {

void setRenderer(SDL_Renderer* renderer);
SDL_Renderer* renderer();

SDL_Texture* load(const char* path);
// The same on a given renderer (start-up sets that take the renderer they draw on).
SDL_Texture* load(SDL_Renderer* renderer, const char* path);
void destroy(SDL_Texture*& texture);

// From now until stopDeferring, every load but those of the pictures in `immediate` is deferred.
void deferLoads(std::vector<std::string> immediate);
// Later loads are made at once again; pictures already deferred keep decoding.
void stopDeferring();
// Gives at most `count` decoded pictures their pixels, without waiting for any.
void fillDecoded(int count);
// Waits for every deferred picture and gives it its pixels.
void finishDecoding();
// Deferred pictures still without their pixels.
int decodingPending();
// Drops every deferred picture not yet filled and stops the workers (before the renderer goes).
void abandonDecoding();

}  // namespace textures
