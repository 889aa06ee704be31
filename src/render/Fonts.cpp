#include "render/Fonts.hpp"

#include <SDL_ttf.h>

#include "render/LineCache.hpp"
#include "render/Paths.hpp"

namespace fonts {
namespace {
TTF_Font* gInterface = nullptr;
TTF_Font* gDialogue = nullptr;
int gPointSize = 0;

void closeOne(TTF_Font*& font) {
    if (font != nullptr) {
        TTF_CloseFont(font);
        font = nullptr;
    }
}
}  // namespace

void openFonts(int size) {
    // Texts drawn with the old fonts would keep their old size.
    line_cache::clear();
    closeOne(gInterface);
    closeOne(gDialogue);
    gPointSize = size;
    if (TTF_WasInit() == 0 || size <= 0) {
        return;
    }
    gInterface = TTF_OpenFont(paths::kFont, size);
    gDialogue = TTF_OpenFont(paths::kFont, size);
}

void closeFonts() {
    line_cache::clear();
    closeOne(gInterface);
    closeOne(gDialogue);
}

TTF_Font* interfaceFont() {
    return gInterface;
}
TTF_Font* dialogueFont() {
    return gDialogue;
}
int pointSize() {
    return gPointSize;
}

}  // namespace fonts
