// The synthesizer and sequencer behind the game's sounds and music.

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "vsynth/encode.hpp"
#include "vsynth/seq.hpp"
#include "vsynth/synth.hpp"

using namespace vsynth;

namespace {

Mono sine(double hz, double seconds, double amplitude = 1.0) {
    Mono m(std::size_t(seconds * kSampleRate));
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] = float(amplitude * std::sin(2.0 * kPi * hz * double(i) / kSampleRate));
    return m;
}

double peakOf(const Mono& m, std::size_t from = 0) {
    double p = 0.0;
    for (std::size_t i = from; i < m.size(); ++i) p = std::max(p, double(std::abs(m[i])));
    return p;
}

int risingZeroCrossings(const Mono& m) {
    int n = 0;
    for (std::size_t i = 1; i < m.size(); ++i) n += (m[i - 1] < 0.0f && m[i] >= 0.0f) ? 1 : 0;
    return n;
}

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t le16(const Bytes& b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}
std::string tag(const Bytes& b, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(&b[at]), 4);
}

}  // namespace

TEST(AudioSynthEnvelope, FollowsAttackDecaySustainRelease) {
    const Adsr env{0.1, 0.2, 0.5, 0.4};
    struct Case {
        double t, gate, expected;
    };
    const Case cases[] = {
        {0.0, 1.0, 0.0},    // silent at the start
        {0.05, 1.0, 0.5},   // half way up the attack
        {0.1, 1.0, 1.0},    // full at the end of the attack
        {0.3, 1.0, 0.5},    // down to sustain at the end of the decay
        {0.8, 1.0, 0.5},    // holds while the gate is open
        {1.4, 1.0, 0.0},    // silent once the release is over
        {1.2, 1.0, 0.125},  // release falls from the sustain level: 0.5 * (1 - 0.5)^2
        {0.05, 0.05, 0.5},  // a short gate releases from where the attack got to
        {0.25, 0.05, 0.125},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(env.level(c.t, c.gate), c.expected, 1e-9) << "t=" << c.t << " gate=" << c.gate;
    // The decay never undershoots the sustain level and the release never rises.
    double last = 1.0;
    for (double t = 0.1; t < 0.3; t += 0.001) EXPECT_GE(env.level(t, 1.0), 0.5 - 1e-9);
    for (double t = 1.0; t < 1.4; t += 0.001) {
        const double v = env.level(t, 1.0);
        EXPECT_LE(v, last + 1e-12);
        last = v;
    }
}

TEST(AudioSynthOscillator, EveryPitchedWaveHasItsFrequencyRangeAndNoOffset) {
    for (Wave w : {Wave::Sine, Wave::Square, Wave::Saw, Wave::Triangle}) {
        Rng rng(1);
        Oscillator osc{w};
        Mono m(kSampleRate);
        for (float& s : m) s = osc.next(440.0, rng);
        double mean = 0.0;
        for (float s : m) mean += s;
        mean /= double(m.size());
        EXPECT_NEAR(risingZeroCrossings(m), 440, 2) << int(w);
        EXPECT_NEAR(mean, 0.0, 0.01) << int(w);
        EXPECT_GT(peakOf(m), 0.9) << int(w);
        EXPECT_LT(peakOf(m), 1.2) << int(w);  // band-limiting overshoots a little, never wildly
    }
}

TEST(AudioSynthFilter, PassesAndStopsTheRightBands) {
    struct Case {
        Biquad::Type type;
        double cutoff, probe, minGain, maxGain;
    };
    const Case cases[] = {
        {Biquad::Type::LowPass, 1000, 100, 0.95, 1.05},
        {Biquad::Type::LowPass, 1000, 8000, 0.0, 0.03},
        {Biquad::Type::HighPass, 1000, 8000, 0.95, 1.05},
        {Biquad::Type::HighPass, 1000, 100, 0.0, 0.03},
        {Biquad::Type::BandPass, 1000, 1000, 0.95, 1.05},
        {Biquad::Type::BandPass, 1000, 100, 0.0, 0.2},
    };
    for (const Case& c : cases) {
        Mono m = sine(c.probe, 0.5);
        filter(m, c.type, c.cutoff, 0.707);
        const double gain = peakOf(m, m.size() / 2);
        EXPECT_GE(gain, c.minGain) << int(c.type) << " at " << c.probe << " Hz";
        EXPECT_LE(gain, c.maxGain) << int(c.type) << " at " << c.probe << " Hz";
    }
    Mono lo = sine(100, 0.5), hi = sine(8000, 0.5);
    lowpass1(lo, 1000);
    lowpass1(hi, 1000);
    EXPECT_GT(peakOf(lo, lo.size() / 2), 5.0 * peakOf(hi, hi.size() / 2));
}

TEST(AudioSynthLevels, NormaliseTrimAndRemoveOffset) {
    Stereo s = toStereo(sine(440, 0.5, 0.2));
    for (float& v : s.l) v += 0.3f;
    removeDc(s);
    double mean = 0.0;
    for (float v : s.l) mean += v;
    EXPECT_NEAR(mean / double(s.size()), 0.0, 1e-4);
    normalizePeak(s, -6.0);
    EXPECT_NEAR(peak(s), dbToGain(-6.0), 1e-4);

    Stereo t = toStereo(sine(440, 0.2));
    t.resize(t.size() + kSampleRate);  // a second of silence to cut
    trimTail(t, -40.0, 0.01);
    EXPECT_NEAR(t.seconds(), 0.2, 0.01);
    EXPECT_EQ(t.l.back(), 0.0f);  // faded out, no click at the end
}

TEST(AudioSynthWav, HeaderDescribes16BitStereoAt44100AndSamplesAreClamped) {
    Stereo s;
    s.l = {0.0f, 0.5f, 1.5f};
    s.r = {-1.0f, -0.5f, -1.5f};
    const Bytes b = encodeWav(s);
    ASSERT_EQ(b.size(), 44u + 3u * 4u);
    EXPECT_EQ(tag(b, 0), "RIFF");
    EXPECT_EQ(le32(b, 4), b.size() - 8);
    EXPECT_EQ(tag(b, 8), "WAVE");
    EXPECT_EQ(tag(b, 12), "fmt ");
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1u);  // PCM
    EXPECT_EQ(le16(b, 22), 2u);  // stereo
    EXPECT_EQ(le32(b, 24), 44100u);
    EXPECT_EQ(le32(b, 28), 44100u * 4u);  // byte rate
    EXPECT_EQ(le16(b, 32), 4u);           // block align
    EXPECT_EQ(le16(b, 34), 16u);
    EXPECT_EQ(tag(b, 36), "data");
    EXPECT_EQ(le32(b, 40), 12u);
    const std::int16_t expected[] = {0, -32767, 16384, -16384, 32767, -32767};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(std::int16_t(le16(b, 44 + 2 * std::size_t(i))), expected[i]) << i;

    // SDL reads it as the mixer's own format.
    SDL_AudioSpec picture{};
    Uint8* data = nullptr;
    Uint32 len = 0;
    ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(b.data(), int(b.size())), 1, &picture, &data, &len),
              nullptr)
        << SDL_GetError();
    EXPECT_EQ(picture.freq, 44100);
    EXPECT_EQ(picture.format, AUDIO_S16LSB);
    EXPECT_EQ(picture.channels, 2);
    EXPECT_EQ(len, 12u);
    SDL_FreeWAV(data);
}

TEST(AudioSynthMp3, DecodesBackToTheSameLengthAndPitch) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    Mix_Init(MIX_INIT_MP3);
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    const Stereo s = toStereo(sine(441, 1.0, 0.5));
    const Bytes mp3 = encodeMp3(s);
    ASSERT_FALSE(mp3.empty());
    EXPECT_LT(mp3.size(), 20000u);  // about 128 kbit/s
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(mp3.data(), int(mp3.size())), 1);
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    const std::size_t frames = chunk->alen / 4;
    // The info frame lets the decoder drop the encoder's delay and padding: no gap when looping.
    EXPECT_NEAR(double(frames), double(s.size()), 0.005 * kSampleRate);
    Mono left(frames);
    const auto* pcm = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    for (std::size_t i = 0; i < frames; ++i) left[i] = float(pcm[2 * i] / 32768.0);
    EXPECT_NEAR(risingZeroCrossings(left), 441, 3);
    EXPECT_NEAR(peakOf(left), 0.5, 0.05);
    Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(AudioSequencerNotation, NotesRestsChordsAndCarriedLengths) {
    const auto n = parseNotes("D4:1 F4:.5 E4 -:2 !D3+A3:3 ?G4", 8.0, 0.8);
    ASSERT_EQ(n.size(), 6u);
    struct Want {
        double beat, beats, midi;
    };
    const Want want[] = {{8, 1, 62},  {9, .5, 65}, {9.5, .5, 64},
                         {12, 3, 50}, {12, 3, 57}, {15, 3, 67}};
    for (std::size_t i = 0; i < n.size(); ++i) {
        EXPECT_DOUBLE_EQ(n[i].beat, want[i].beat) << i;
        EXPECT_DOUBLE_EQ(n[i].beats, want[i].beats) << i;
        EXPECT_DOUBLE_EQ(n[i].midi, want[i].midi) << i;
    }
    EXPECT_GT(n[3].velocity, 0.8);  // accented
    EXPECT_LT(n[5].velocity, 0.8);  // soft
}

TEST(AudioSequencerNotation, ProgressionDrivesPadBassAndArpeggio) {
    const auto prog = parseProgression("Dm:2 A7:2 Bb", 4.0, 4.0);
    ASSERT_EQ(prog.size(), 3u);
    EXPECT_EQ(prog[0].root, 2);
    EXPECT_EQ(prog[0].intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_DOUBLE_EQ(prog[1].beat, 6.0);
    EXPECT_EQ(prog[1].intervals, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(prog[2].root, 10);
    EXPECT_DOUBLE_EQ(prog[2].beats, 4.0);

    const auto pad = padNotes({prog[0]}, 60, 71);  // D minor between C4 and B4: D4 F4 A4
    std::vector<double> pitches;
    for (const Note& n : pad) pitches.push_back(n.midi);
    EXPECT_EQ(pitches, (std::vector<double>{62, 65, 69}));

    // Root held for three steps, rest, fifth, then an octave: over a two-beat Dm.
    const auto bass = bassNotes({prog[0]}, "r--.f.o.", 36);
    ASSERT_EQ(bass.size(), 3u);
    EXPECT_DOUBLE_EQ(bass[0].midi, 38);
    EXPECT_DOUBLE_EQ(bass[0].beats, 0.75);
    EXPECT_DOUBLE_EQ(bass[1].midi, 45);
    EXPECT_DOUBLE_EQ(bass[1].beat, 5.0);
    EXPECT_DOUBLE_EQ(bass[2].midi, 50);
    EXPECT_DOUBLE_EQ(bass[2].beat, 5.5);

    const auto arp = arpNotes({prog[1]}, "0123", 57, 0.5);  // A7 from A3: A C# E G
    ASSERT_EQ(arp.size(), 4u);
    EXPECT_DOUBLE_EQ(arp[1].midi, 61);
    EXPECT_DOUBLE_EQ(arp[3].midi, 67);
    EXPECT_DOUBLE_EQ(arp[3].beat, 7.5);

    EXPECT_EQ(drumNotes("x...x...", 2).size(), 8u);  // a half-bar pattern fills two bars
}

TEST(AudioSequencerSong, LoopHasExactLengthIsDeterministicAndWrapsItsTail) {
    Song song;
    song.bpm = 120;
    song.bars = 2;
    Part pad;
    pad.patch.layers = {{Wave::Saw, 0, 0, 1.0}};
    pad.patch.amp = {0.01, 0.0, 1.0, 1.5};  // a long release rings past the loop end
    pad.patch.legato = 1.0;
    pad.notes = parseNotes("-:4 D3+A3:4");
    Part hats;
    hats.isDrum = true;
    hats.drum = Drum::HatClosed;
    hats.notes = drumNotes("x.x.", 2);
    song.parts = {pad, hats};

    const Stereo a = renderLoop(song, 7);
    ASSERT_EQ(a.size(), std::size_t(4.0 * kSampleRate));
    EXPECT_EQ(a.l, renderLoop(song, 7).l);
    EXPECT_NE(a.l, renderLoop(song, 8).l);  // the noise of the hats follows the seed

    // The chord is released at the end of the loop; its release must sound at the start.
    double head = 0.0;
    for (std::size_t i = 0; i < std::size_t(0.2 * kSampleRate); ++i)
        head = std::max(head, double(std::abs(a.l[i])));
    EXPECT_GT(head, 0.1 * peak(a));
    // And the seam joins up: the step from the last sample to the first is an ordinary step.
    double maxStep = 0.0;
    for (std::size_t i = 1; i < a.size(); ++i)
        maxStep = std::max(maxStep, double(std::abs(a.l[i] - a.l[i - 1])));
    EXPECT_LE(std::abs(a.l.front() - a.l.back()), maxStep);
    double mean = 0.0;
    for (float v : a.l) mean += v;
    EXPECT_NEAR(mean / double(a.size()), 0.0, 1e-4);
}

TEST(AudioSequencerInstruments, EveryDrumIsAShortDecayingHit) {
    struct Case {
        Drum drum;
        double maxSeconds;
    };
    const Case cases[] = {
        {Drum::Kick, 0.5},    {Drum::Snare, 0.4},  {Drum::HatClosed, 0.15}, {Drum::HatOpen, 0.6},
        {Drum::Clap, 0.4},    {Drum::Tom, 0.5},    {Drum::Rim, 0.1},        {Drum::Crash, 2.0},
        {Drum::Timpani, 1.5}, {Drum::Shaker, 0.2}, {Drum::Snap, 0.2},
    };
    for (const Case& c : cases) {
        Rng rng(5);
        const Mono m = renderDrum(c.drum, 45, 1.0, rng);
        SCOPED_TRACE(int(c.drum));
        ASSERT_FALSE(m.empty());
        EXPECT_LE(double(m.size()) / kSampleRate, c.maxSeconds);
        const std::size_t q = m.size() / 4;
        const Mono head(m.begin(), m.begin() + std::ptrdiff_t(q)),
            tail(m.end() - std::ptrdiff_t(q), m.end());
        EXPECT_GT(peakOf(head), 0.05);
        EXPECT_LT(peakOf(m), 2.0);
        EXPECT_LT(peakOf(tail), 0.5 * peakOf(head));
        for (float v : m) ASSERT_TRUE(std::isfinite(v));
        // Half the velocity, half the level.
        Rng again(5);
        EXPECT_NEAR(peakOf(renderDrum(c.drum, 45, 0.5, again)), 0.5 * peakOf(m), 1e-4);
    }
}
