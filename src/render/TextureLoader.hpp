#pragma once

struct SDL_Renderer;
struct SDL_Texture;

// Textures are made one way: load the PNG to a surface, make a texture on the game's renderer,
// free the surface. A missing file or a missing renderer gives a null texture, which draws
// nothing.
namespace textures {

void setRenderer(SDL_Renderer* renderer);
SDL_Renderer* renderer();

SDL_Texture* load(const char* path);
// The same on a given renderer (start-up sets that take the renderer they draw on).
SDL_Texture* load(SDL_Renderer* renderer, const char* path);
void destroy(SDL_Texture*& texture);

}  // namespace textures
