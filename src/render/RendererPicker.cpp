#include "render/RendererPicker.hpp"

#include <SDL_hints.h>
#include <SDL_opengl.h>
#include <SDL_render.h>
#include <SDL_video.h>

#include <cstring>
#include <string>

namespace {

// Mesa's drivers that shade on the processor, as they name themselves in GL_RENDERER.
constexpr const char* kProcessorGlDrivers[] = {"llvmpipe", "softpipe", "Software Rasterizer",
                                               "SWR"};

bool isOpenGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer, &info) == 0 && info.name != nullptr &&
           std::strncmp(info.name, "opengl", 6) == 0;
}

// GL_RENDERER of the context the renderer just made current; empty when it cannot be read.
std::string currentGlRenderer() {
    using GetString = const GLubyte*(APIENTRY*)(GLenum);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) {
        return {};
    }
    const GLubyte* name = getString(GL_RENDERER);
    return name != nullptr ? reinterpret_cast<const char*>(name) : std::string{};
}

int softwareDriverIndex() {
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info{};
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && info.name != nullptr &&
            std::strcmp(info.name, "software") == 0) {
            return i;
        }
    }
    return -1;
}

}  // namespace

bool RendererPicker::drawsOnProcessor(std::string_view glRenderer) {
    for (const char* driver : kProcessorGlDrivers) {
        if (glRenderer.find(driver) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

SDL_Renderer* RendererPicker::open(SDL_Window* window, Uint32 flags) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags);
    const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (renderer == nullptr || (named != nullptr && *named != '\0') || !isOpenGl(renderer) ||
        !drawsOnProcessor(currentGlRenderer())) {
        return renderer;
    }
    const int software = softwareDriverIndex();
    if (software < 0) {
        return renderer;
    }
    SDL_DestroyRenderer(renderer);
    renderer = SDL_CreateRenderer(window, software, flags);
    // Should the software renderer fail on this window, OpenGL is still better than nothing.
    return renderer != nullptr ? renderer : SDL_CreateRenderer(window, -1, flags);
}
