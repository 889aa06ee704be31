#pragma once

#include <functional>
#include <map>
#include <string>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// The process-wide sound table, the music playing now and the two volume levels.
// Volumes run 0 to 100 and are handed to SDL_mixer as they are (its full scale is 128).
struct AudioState {
    std::map<std::string, Mix_Chunk*> sounds;
    Mix_Music* currentMusic = nullptr;
    std::string currentMusicPath;
    int musicVolume = 50;
    int sfxVolume = 50;
    int savedMusicVolume = 0;  // the volume kept while music is muted; 0 when not muted
    int savedSfxVolume = 0;
};

namespace audio {

AudioState& state();

// Opens the mixer device the way the game always runs it: 44.1 kHz, 16-bit, stereo, 32 channels.
void openDevice();
// Loads the 34 effects, stores and applies both volumes, starts the menu music.
void initAudio(int musicVolume, int sfxVolume);
void applyEffectsVolume();
void applyMusicVolume();
// Plays an effect once on the first free channel. Unknown keys and missing files play nothing.
void playSound(const std::string& key);
// Replaces the current music and loops it forever.
void playMusic(const char* path);
void haltMusic();
void haltEffects();
// Frees every chunk and the music.
void freeAll();
// Frees everything and closes the device (shutdown). Safe when it never opened.
void closeDevice();

// Tests and tools listen to what the game plays.
using SoundListener = std::function<void(const std::string& key)>;
void setSoundListener(SoundListener listener);

}  // namespace audio
