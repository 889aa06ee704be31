#include "render/CoreTextures.hpp"

#include <utility>
#include <vector>

#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {

using Handles = std::vector<std::pair<SDL_Texture**, const char*>>;

bool isMenuBackground(std::size_t index) {
    return index == kMenuBoardBackground || index == kLanguageBoardBackground;
}

// Every menu handle with the image it is loaded from.
Handles menuHandles(CoreTextures& t) {
    Handles list = {
        {&t.shortButton, paths::kShortButton},       {&t.longButton, paths::kLongButton},
        {&t.titleScreen, paths::kTitleScreen},       {&t.pauseScreen, paths::kPauseScreen},
        {&t.gameOverScreen, paths::kGameOverScreen}, {&t.rankingScreen, paths::kRankingScreen},
        {&t.titleMargin, paths::kTitleMargin},       {&t.pauseMargin, paths::kPauseMargin},
        {&t.gameMenuMargin, paths::kGameMenuMargin}, {&t.gameOverMargin, paths::kGameOverMargin},
        {&t.rankingMargin, paths::kRankingMargin}};
    for (std::size_t i = 0; i < t.backgrounds.size(); ++i) {
        if (isMenuBackground(i)) {
            list.emplace_back(&t.backgrounds[i], paths::kBackgroundImages[i]);
        }
    }
    return list;
}

// Every handle a run draws with the image it is loaded from.
Handles playHandles(CoreTextures& t) {
    Handles list = {{&t.protaSheet, paths::kProtaSheet}, {&t.protaShot, paths::kProtaShot}};
    for (std::size_t i = 0; i < t.platforms.size(); ++i) {
        list.emplace_back(&t.platforms[i], paths::kPlatformImages[i]);
    }
    for (std::size_t i = 0; i < t.backgrounds.size(); ++i) {
        if (!isMenuBackground(i)) {
            list.emplace_back(&t.backgrounds[i], paths::kBackgroundImages[i]);
        }
    }
    list.emplace_back(&t.shopBackgroundEn, paths::kShopBackgroundEn);
    return list;
}

void load(const Handles& handles) {
    for (auto [handle, path] : handles) {
        textures::destroy(*handle);
        *handle = textures::load(path);
    }
}

}  // namespace

CoreTextures& coreTextures() {
    static CoreTextures instance;
    return instance;
}

void loadCoreTextures() {
    loadMenuCoreTextures();
    loadPlayCoreTextures();
}

void loadMenuCoreTextures() {
    load(menuHandles(coreTextures()));
}

void loadPlayCoreTextures() {
    load(playHandles(coreTextures()));
}

void freeCoreTextures() {
    for (const Handles& handles : {menuHandles(coreTextures()), playHandles(coreTextures())}) {
        for (auto [handle, path] : handles) {
            textures::destroy(*handle);
        }
    }
}

SDL_Texture* marginArtFor(SDL_Texture* background) {
    const CoreTextures& t = coreTextures();
    if (background == nullptr) {
        return nullptr;
    }
    if (background == t.titleScreen) {
        return t.titleMargin;
    }
    if (background == t.pauseScreen) {
        return t.pauseMargin;
    }
    if (background == t.gameOverScreen) {
        return t.gameOverMargin;
    }
    if (background == t.rankingScreen) {
        return t.rankingMargin;
    }
    if (background == t.backgrounds[kMenuBoardBackground] ||
        background == t.backgrounds[kLanguageBoardBackground]) {
        return t.gameMenuMargin;
    }
    return nullptr;
}

SDL_Texture* inLanguage(SDL_Texture* picture, int language) {
    const CoreTextures& t = coreTextures();
    if (language == 1 && picture != nullptr && picture == t.backgrounds[kShopBackground] &&
        t.shopBackgroundEn != nullptr) {
        return t.shopBackgroundEn;
    }
    return picture;
}
