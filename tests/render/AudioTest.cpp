#include "render/Audio.hpp"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "render/EnemyTextures.hpp"
#include "render/Fonts.hpp"
#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {

// Runs in the built run folder, where the generated sounds, images and font live.
class InRunFolder : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(VALDRO_RUN_DIR);
        if (!std::filesystem::exists(paths::kSoundFiles[0].file)) {
            GTEST_SKIP() << "the run folder holds no generated assets";
        }
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO), 0) << SDL_GetError();
        audio::openDevice();
    }
    void TearDown() override {
        audio::freeAll();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit();
        std::filesystem::current_path(previous_);
    }
    std::filesystem::path previous_;
};

TEST_F(InRunFolder, InitAudioLoadsEveryEffectAndAppliesBothVolumes) {
    audio::initAudio(100, 50);
    const AudioState& s = audio::state();
    ASSERT_EQ(s.sounds.size(), paths::kSoundFiles.size());
    for (const auto& entry : paths::kSoundFiles) {
        Mix_Chunk* chunk = s.sounds.at(entry.key);
        ASSERT_NE(chunk, nullptr) << entry.file;
        EXPECT_EQ(Mix_VolumeChunk(chunk, -1), 50) << entry.key;
    }
    EXPECT_EQ(Mix_VolumeMusic(-1), 100);
    EXPECT_NE(s.currentMusic, nullptr);
    EXPECT_EQ(s.currentMusicPath, paths::kMenuMusic);
    EXPECT_EQ(s.savedMusicVolume, 0);
    EXPECT_EQ(s.savedSfxVolume, 0);

    audio::state().sfxVolume = 15;
    audio::applyEffectsVolume();
    EXPECT_EQ(Mix_VolumeChunk(s.sounds.at("bossHit"), -1), 15);
}

TEST_F(InRunFolder, EffectsOverlapOnFreeChannelsAndListenersHearThem) {
    audio::initAudio(50, 50);
    std::vector<std::string> heard;
    audio::setSoundListener([&](const std::string& key) { heard.push_back(key); });
    audio::playSound("shootProta");
    audio::playSound("damageTaken");
    audio::playSound("no such sound");
    audio::setSoundListener(nullptr);
    EXPECT_EQ(Mix_Playing(-1), 2);
    EXPECT_EQ(heard, (std::vector<std::string>{"shootProta", "damageTaken", "no such sound"}));
}

TEST_F(InRunFolder, EnemyTexturesLoadAndFreeAsOneSet) {
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 64, 64, 0);
    ASSERT_NE(window, nullptr);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    ASSERT_NE(renderer, nullptr);
    textures::setRenderer(renderer);
    loadEnemyTextures();
    const EnemyTextures& t = enemyTextures();
    for (SDL_Texture* handle :
         {t.blankySheet, t.blankyShot, t.pikabooSheet, t.peanutSheet, t.peanutShot, t.butterSheet,
          t.butterDrop, t.handySheet, t.scissorsShot, t.rockShot}) {
        EXPECT_NE(handle, nullptr);
    }
    // The two enemy-shot textures are separate textures of one image.
    EXPECT_NE(t.blankyShot, t.peanutShot);
    loadEnemyTextures();  // reloading replaces the set
    freeEnemyTextures();
    EXPECT_EQ(t.blankySheet, nullptr);
    EXPECT_EQ(t.rockShot, nullptr);
    textures::setRenderer(nullptr);
    EXPECT_EQ(textures::load(paths::kBlankySheet), nullptr);  // no renderer: nothing to draw with
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
}

TEST(Audio, MissingFilesGiveNullHandlesThatPlayNothing) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path("/");
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
    audio::openDevice();
    audio::initAudio(50, 50);
    EXPECT_EQ(audio::state().sounds.size(), 34u);
    EXPECT_EQ(audio::state().sounds.at("click"), nullptr);
    EXPECT_EQ(audio::state().currentMusic, nullptr);
    audio::playSound("click");  // nothing to play, nothing breaks
    audio::applyEffectsVolume();
    EXPECT_EQ(Mix_Playing(-1), 0);
    audio::freeAll();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();
    std::filesystem::current_path(previous);
}

}  // namespace
