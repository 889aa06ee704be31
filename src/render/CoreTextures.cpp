#include "render/CoreTextures.hpp"

#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

CoreTextures& coreTextures() {
    static CoreTextures instance;
    return instance;
}

void loadCoreTextures() {
    freeCoreTextures();
    CoreTextures& t = coreTextures();
    t.protaSheet = textures::load(paths::kProtaSheet);
    t.protaShot = textures::load(paths::kProtaShot);
    for (std::size_t i = 0; i < t.platforms.size(); ++i) {
        t.platforms[i] = textures::load(paths::kPlatformImages[i]);
    }
    t.shortButton = textures::load(paths::kShortButton);
    t.longButton = textures::load(paths::kLongButton);
    t.titleScreen = textures::load(paths::kTitleScreen);
    t.pauseScreen = textures::load(paths::kPauseScreen);
    t.gameOverScreen = textures::load(paths::kGameOverScreen);
    t.rankingScreen = textures::load(paths::kRankingScreen);
    for (std::size_t i = 0; i < t.backgrounds.size(); ++i) {
        t.backgrounds[i] = textures::load(paths::kBackgroundImages[i]);
    }
}

void freeCoreTextures() {
    CoreTextures& t = coreTextures();
    textures::destroy(t.protaSheet);
    textures::destroy(t.protaShot);
    for (auto& texture : t.platforms) {
        textures::destroy(texture);
    }
    textures::destroy(t.shortButton);
    textures::destroy(t.longButton);
    textures::destroy(t.titleScreen);
    textures::destroy(t.pauseScreen);
    textures::destroy(t.gameOverScreen);
    textures::destroy(t.rankingScreen);
    for (auto& texture : t.backgrounds) {
        textures::destroy(texture);
    }
}
