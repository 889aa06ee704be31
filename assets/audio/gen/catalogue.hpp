#pragma once
// The game's sounds and music: every file the generator writes, with its recipe.

#include <functional>
#include <string>
#include <vector>

#include "vsynth/synth.hpp"

namespace valdro_audio {

struct Asset {
    std::string file;                      // below the music folder, e.g. "dash.wav"
    std::function<vsynth::Stereo()> make;  // deterministic: same output on every run
};

std::vector<Asset> effects();
std::vector<Asset> musicTracks();

// Peak levels: effects sit a little above the music so they cut through it.
inline constexpr double kEffectPeakDb = -3.0;
inline constexpr double kMusicPeakDb = -6.0;

}  // namespace valdro_audio
