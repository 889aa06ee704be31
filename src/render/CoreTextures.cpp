#include "render/CoreTextures.hpp"

#include <utility>
#include <vector>

#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {
// Every handle with the image it is loaded from.
std::vector<std::pair<SDL_Texture**, const char*>> handles(CoreTextures& t) {
    std::vector<std::pair<SDL_Texture**, const char*>> list = {
        {&t.protaSheet, paths::kProtaSheet},         {&t.protaShot, paths::kProtaShot},
        {&t.shortButton, paths::kShortButton},       {&t.longButton, paths::kLongButton},
        {&t.titleScreen, paths::kTitleScreen},       {&t.pauseScreen, paths::kPauseScreen},
        {&t.gameOverScreen, paths::kGameOverScreen}, {&t.rankingScreen, paths::kRankingScreen}};
    for (std::size_t i = 0; i < t.platforms.size(); ++i) {
        list.emplace_back(&t.platforms[i], paths::kPlatformImages[i]);
    }
    for (std::size_t i = 0; i < t.backgrounds.size(); ++i) {
        list.emplace_back(&t.backgrounds[i], paths::kBackgroundImages[i]);
    }
    return list;
}
}  // namespace

CoreTextures& coreTextures() {
    static CoreTextures instance;
    return instance;
}

void loadCoreTextures() {
    freeCoreTextures();
    for (auto [handle, path] : handles(coreTextures())) {
        *handle = textures::load(path);
    }
}

void freeCoreTextures() {
    for (auto [handle, path] : handles(coreTextures())) {
        textures::destroy(*handle);
    }
}
