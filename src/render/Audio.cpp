#include "render/Audio.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include "render/Paths.hpp"

namespace audio {
namespace {
constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSize = 2048;
constexpr int kMixingChannels = 32;

// The mixer's channel calls are only safe while the device is open.
bool deviceOpen() {
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

SoundListener& listener() {
    static SoundListener instance;
    return instance;
}
}  // namespace

AudioState& state() {
    static AudioState instance;
    return instance;
}

void openDevice() {
    Mix_Init(MIX_INIT_FLAC | MIX_INIT_MP3 | MIX_INIT_OGG);
    Mix_OpenAudio(kFrequency, AUDIO_S16LSB, kChannels, kChunkSize);
    Mix_AllocateChannels(kMixingChannels);
}

void initAudio(int musicVolume, int sfxVolume) {
    AudioState& s = state();
    for (const auto& entry : paths::kSoundFiles) {
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(entry.file, "rb"), 1);
        auto it = s.sounds.find(entry.key);
        if (it != s.sounds.end()) {
            if (it->second != nullptr) {
                Mix_FreeChunk(it->second);
            }
            it->second = chunk;
        } else {
            s.sounds.emplace(entry.key, chunk);
        }
    }
    s.savedMusicVolume = 0;
    s.savedSfxVolume = 0;
    s.musicVolume = musicVolume;
    s.sfxVolume = sfxVolume;
    applyMusicVolume();
    applyEffectsVolume();
    playMusic(paths::kMenuMusic);
}

void applyEffectsVolume() {
    for (auto& [key, chunk] : state().sounds) {
        if (chunk != nullptr) {
            Mix_VolumeChunk(chunk, state().sfxVolume);
        }
    }
}

void applyMusicVolume() {
    Mix_VolumeMusic(state().musicVolume);
}

void playSound(const std::string& key) {
    if (listener()) {
        listener()(key);
    }
    auto it = state().sounds.find(key);
    if (it != state().sounds.end() && it->second != nullptr) {
        Mix_PlayChannelTimed(-1, it->second, 0, -1);
    }
}

void playMusic(const char* path) {
    AudioState& s = state();
    if (s.currentMusic != nullptr) {
        Mix_FreeMusic(s.currentMusic);
    }
    s.currentMusic = Mix_LoadMUS(path);
    s.currentMusicPath = path;
    if (s.currentMusic != nullptr) {
        Mix_PlayMusic(s.currentMusic, -1);
    }
}

void haltMusic() {
    if (deviceOpen()) {
        Mix_HaltMusic();
    }
}

void haltEffects() {
    if (deviceOpen()) {
        Mix_HaltChannel(-1);
    }
}

void closeDevice() {
    freeAll();
    if (deviceOpen()) {
        Mix_CloseAudio();
    }
    Mix_Quit();
}

void freeAll() {
    AudioState& s = state();
    haltEffects();
    if (s.currentMusic != nullptr) {
        Mix_FreeMusic(s.currentMusic);
        s.currentMusic = nullptr;
    }
    s.currentMusicPath.clear();
    for (auto& [key, chunk] : s.sounds) {
        if (chunk != nullptr) {
            Mix_FreeChunk(chunk);
        }
    }
    s.sounds.clear();
}

void setSoundListener(SoundListener l) {
    listener() = std::move(l);
}

}  // namespace audio
