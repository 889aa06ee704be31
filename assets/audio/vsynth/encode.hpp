#pragma once
// Writing finished sounds: 16-bit PCM WAV and MP3 (through libmp3lame).

#include <cstdint>
#include <string>
#include <vector>

#include "vsynth/synth.hpp"

namespace vsynth {

using Bytes = std::vector<std::uint8_t>;

// 16-bit signed little-endian stereo PCM in a RIFF/WAVE container at kSampleRate.
// Samples outside [-1, 1] are clamped.
Bytes encodeWav(const Stereo& s);

// Constant-bit-rate joint-stereo MP3 with a LAME info frame, so decoders that honour it
// drop the encoder delay and padding and the file loops without a gap.
Bytes encodeMp3(const Stereo& s, int kbps = 128, int quality = 5);

bool writeFile(const std::string& path, const Bytes& bytes);

}  // namespace vsynth
