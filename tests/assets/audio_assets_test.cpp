// The generated effects, music and font in the run folder, loaded the way the game loads them.

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string kRun = VALDRO_RUN_DIR;

struct Decoded {
    std::vector<float> l, r;
    double seconds() const { return double(l.size()) / 44100.0; }
    double peak() const {
        double p = 0.0;
        for (std::size_t i = 0; i < l.size(); ++i)
            p = std::max({p, double(std::abs(l[i])), double(std::abs(r[i]))});
        return p;
    }
    double rms() const {
        double acc = 0.0;
        for (std::size_t i = 0; i < l.size(); ++i) acc += double(l[i]) * l[i] + double(r[i]) * r[i];
        return l.empty() ? 0.0 : std::sqrt(acc / (2.0 * double(l.size())));
    }
};

double db(double gain) {
    return 20.0 * std::log10(std::max(gain, 1e-9));
}

// Loads a file with Mix_LoadWAV_RW (as the game loads its effects) into float samples.
Decoded decode(const std::string& relative) {
    Decoded d;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile((kRun + "/" + relative).c_str(), "rb"), 1);
    if (!chunk)
        return d;
    const auto* pcm = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    const std::size_t frames = chunk->alen / 4;
    d.l.resize(frames);
    d.r.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        d.l[i] = float(pcm[2 * i] / 32768.0);
        d.r[i] = float(pcm[2 * i + 1] / 32768.0);
    }
    Mix_FreeChunk(chunk);
    return d;
}

class AudioAssets : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_FLAC);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
        int freq = 0, channels = 0;
        Uint16 format = 0;
        ASSERT_EQ(Mix_QuerySpec(&freq, &format, &channels), 1);
        ASSERT_EQ(freq, 44100);  // the decoding helper assumes the device format
        ASSERT_EQ(format, AUDIO_S16LSB);
        ASSERT_EQ(channels, 2);
        ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
    }
    static void TearDownTestSuite() {
        TTF_Quit();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

// Every effect the game plays, with the longest it may last for its moment.
struct Effect {
    const char* file;
    double maxSeconds;
};
const Effect kEffects[] = {
    {"music/click.wav", 0.15},
    {"music/dash.wav", 0.6},
    {"music/heart_fall.wav", 0.6},
    {"music/hit_enemy.wav", 0.4},
    {"music/shoot_prota.wav", 0.5},  // the player may fire several times a second
    {"music/shoot_blanky.wav", 0.6},
    {"music/shoot_peanut.wav", 0.6},
    {"music/shoot_butter.wav", 0.6},
    {"music/shoot_pikaboo.wav", 0.6},
    {"music/shoot_handy_rock.mp3", 0.6},
    {"music/shoot_handy_scissors.mp3", 0.6},
    {"music/item_bougth.wav", 1.0},
    {"music/interact_prota.wav", 0.6},
    {"music/damage_taken.wav", 0.6},
    {"music/game_over.wav", 3.0},
    {"music/butter_damage.wav", 0.4},
    {"music/peanut_damage.wav", 0.4},
    {"music/blanky_damage.wav", 0.6},
    {"music/handy_damage.wav", 0.4},
    {"music/pikaboo_damage.wav", 0.6},
    {"music/story_completed.wav", 3.0},
    {"music/lust_swing.wav", 0.6},
    {"music/valdro_swing.wav", 0.7},
    {"music/lust_kiss.wav", 0.8},
    {"music/greed_pearl.wav", 0.6},
    {"music/greed_diamond.wav", 0.6},
    {"music/greed_coins.wav", 0.8},
    {"music/valdro_wave.wav", 0.8},
    {"music/skull.wav", 0.6},
    {"music/fire_skull.wav", 0.8},
    {"music/lust_laugh.wav", 1.0},
    {"music/greed_start_running.wav", 0.8},
    {"music/dano.mp3", 0.6},
    {"music/nonono.wav", 1.0},
};

const char* const kMusic[] = {
    "music/main.mp3",      "music/quiet_music.mp3", "music/level_music.mp3",
    "music/boss1.mp3",     "music/boss2.mp3",       "music/boss3.mp3",
    "music/boss1talk.mp3", "music/boss2talk.mp3",   "music/boss3talk.mp3",
};

}  // namespace

TEST_F(AudioAssets, EveryEffectLoadsIsAudibleUnclippedAndShort) {
    std::vector<Decoded> all;
    for (const Effect& e : kEffects) {
        SCOPED_TRACE(e.file);
        ASSERT_TRUE(std::filesystem::exists(kRun + "/" + e.file));
        const Decoded d = decode(e.file);
        ASSERT_FALSE(d.l.empty()) << Mix_GetError();
        EXPECT_GT(d.seconds(), 0.01);
        EXPECT_LE(d.seconds(), e.maxSeconds);
        EXPECT_GT(db(d.peak()), -9.0);  // loud enough to be heard over the music
        EXPECT_LT(db(d.peak()), -0.5);  // and never at full scale
        EXPECT_GT(db(d.rms()), -35.0);  // more than a tick of sound
        // It starts and ends quietly, with no click at either edge.
        EXPECT_LT(std::abs(d.l.back()), 0.02);
        EXPECT_LT(std::abs(d.l.front()), 0.2);
        all.push_back(d);
    }
    // Each key has a sound of its own.
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_NE(all[i].l, all[j].l) << kEffects[i].file << " and " << kEffects[j].file;
}

TEST_F(AudioAssets, EveryMusicTrackStreamsForAtLeastThirtySeconds) {
    for (const char* file : kMusic) {
        SCOPED_TRACE(file);
        Mix_Music* music = Mix_LoadMUS((kRun + "/" + file).c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
        const double duration = Mix_MusicDuration(music);
        EXPECT_GE(duration, 30.0);
        EXPECT_LE(duration, 120.0);
        EXPECT_EQ(Mix_PlayMusic(music, -1), 0) << Mix_GetError();
        Mix_HaltMusic();
        Mix_FreeMusic(music);
    }
}

TEST_F(AudioAssets, MusicIsLevelledBelowTheEffectsAndLoopsWithoutAClick) {
    for (const char* file : kMusic) {
        SCOPED_TRACE(file);
        const Decoded d = decode(file);
        ASSERT_GT(d.seconds(), 30.0);
        EXPECT_LT(db(d.peak()), -3.0);  // headroom under the effects
        EXPECT_GT(db(d.peak()), -10.0);
        EXPECT_GT(db(d.rms()), -30.0);  // does not vanish behind them either
        for (const auto* ch : {&d.l, &d.r}) {
            double mean = 0.0;
            std::vector<float> steps(ch->size() - 1);
            for (std::size_t i = 0; i < ch->size(); ++i) {
                mean += (*ch)[i];
                if (i > 0)
                    steps[i - 1] = std::abs((*ch)[i] - (*ch)[i - 1]);
            }
            EXPECT_LT(std::abs(mean / double(ch->size())),
                      0.005);  // no offset to thump at the loop point
            // Played again from the top, the last sample runs on into the first: the jump
            // across the loop point is no bigger than 99 in 100 of the track's own steps.
            auto p99 = steps.begin() + std::ptrdiff_t(steps.size() * 99 / 100);
            std::nth_element(steps.begin(), p99, steps.end());
            EXPECT_LE(std::abs(ch->back() - ch->front()), *p99);
        }
    }
}

TEST_F(AudioAssets, FontOpensAndRendersSpanishText) {
    const std::string path = kRun + "/fonts/cavolini_b.ttf";
    TTF_Font* font = TTF_OpenFont(path.c_str(), 32);
    ASSERT_NE(font, nullptr) << TTF_GetError();
    EXPECT_GT(TTF_FontHeight(font), 20);
    for (Uint16 ch :
         {Uint16('A'), Uint16(0xF1), Uint16(0xE1), Uint16(0xBF), Uint16(0xA1)})  // A ñ á ¿ ¡
        EXPECT_TRUE(TTF_GlyphIsProvided(font, ch)) << ch;
    const SDL_Color white{255, 255, 255, 255};
    SDL_Surface* text = TTF_RenderUTF8_Blended(font, "¿Continuar? ¡Sí!", white);
    ASSERT_NE(text, nullptr) << TTF_GetError();
    EXPECT_GT(text->w, 100);
    SDL_FreeSurface(text);
    TTF_CloseFont(font);
}
