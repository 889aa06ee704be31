#pragma once

#include <SDL_render.h>

#include <string>
#include <vector>

class PictureStore;

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

// The renderer textures are made on, and the largest texture side it takes (0: no limit). A
// change of renderer lets every big picture go.
void setRenderer(SDL_Renderer* renderer, int maxSide = 0);
SDL_Renderer* renderer();

SDL_Texture* load(const char* path);
// The same on a given renderer (start-up sets that take the renderer they draw on).
SDL_Texture* load(SDL_Renderer* renderer, const char* path);
void destroy(SDL_Texture*& texture);

// Big pictures (PictureStore) are handed out as stand-ins whose pixels come and go; they must be
// drawn through copy or copyEx and measured through size. Anything else passes straight to SDL.
void copy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect* dst);
void copyEx(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect* dst,
            double angle, const SDL_Point* center, SDL_RendererFlip flip);
bool size(SDL_Texture* texture, int& width, int& height);
// A big picture just copied whole into a texture of its own lets its pixels go (PictureStore).
void rest(SDL_Texture* texture);
// The largest texture side the renderer takes (0: no limit); records a texture made elsewhere.
int maxSide();
void noteTexture(int width, int height);
// Big pictures needed soon (the next scene's), decoded behind the game.
void prefetch(const std::vector<std::string>& paths);
// Called once a frame: prefetched pictures get their pixels, idle ones let them go.
void endFrame();
PictureStore& store();

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
