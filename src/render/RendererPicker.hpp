#pragma once

#include <SDL_stdinc.h>

#include <string_view>

struct SDL_Renderer;
struct SDL_Window;

// SDL's first choice of renderer is OpenGL. Where OpenGL itself is worked out on the processor
// (Mesa's llvmpipe on a machine without a graphics card) every picture copy is shaded pixel by
// pixel on the processor and the game falls short of 100 frames a second, while SDL's software
// renderer copies the same pixels several times faster. So such an OpenGL is passed over for
// the software renderer; a renderer named in SDL_RENDER_DRIVER is always taken as it is.
class RendererPicker {
public:
    // The renderer the game draws with in window, made with SDL_CreateRenderer's flags; null
    // when none can be made (SDL_GetError says why).
    static SDL_Renderer* open(SDL_Window* window, Uint32 flags);
    // Whether an OpenGL renderer string (GL_RENDERER) names a driver that runs on the processor.
    static bool drawsOnProcessor(std::string_view glRenderer);
};
