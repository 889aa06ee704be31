#pragma once
// A small synthesizer: oscillators, envelopes, filters and a few effects.
// Everything works on float buffers at 44.1 kHz; one sample step is 1 / kSampleRate.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vsynth {

inline constexpr int kSampleRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Mono = std::vector<float>;

struct Stereo {
    std::vector<float> l, r;
    std::size_t size() const { return l.size(); }
    void resize(std::size_t n) {
        l.resize(n, 0.0f);
        r.resize(n, 0.0f);
    }
    double seconds() const { return double(size()) / kSampleRate; }
};

// Deterministic pseudo-random numbers (splitmix64): the same seed always gives the same sound.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform();  // [0, 1)
    double bipolar();  // [-1, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t state_;
};

enum class Wave { Sine, Square, Saw, Triangle, Noise };

// Attack / decay / sustain / release. Times in seconds, sustain as a level 0..1.
// The note is held for `gate` seconds; the release starts from whatever level it had then.
struct Adsr {
    double attack = 0.005;
    double decay = 0.05;
    double sustain = 0.8;
    double release = 0.08;
    double level(double t, double gate) const;
    double length(double gate) const { return gate + release; }
};

// Band-limited (polyBLEP) oscillator. Phase runs in [0, 1).
struct Oscillator {
    Wave wave = Wave::Sine;
    double duty = 0.5;
    double phase = 0.0;
    float triState = 0.0f;
    float next(double freq, Rng& rng);
};

// Hz for a MIDI note number (69 = A4 = 440 Hz); fractional notes allowed.
double midiToHz(double midi);
double dbToGain(double db);

// A single pitched sound for effects: oscillator, pitch slide, vibrato, envelope.
struct Tone {
    Wave wave = Wave::Square;
    double freq = 440.0;
    double freqEnd = 0.0;     // 0: no slide
    double slideTime = -1.0;  // seconds; < 0: slide over the whole gate
    double gate = 0.1;        // seconds held before the release
    Adsr env{};
    double duty = 0.5;
    double vibratoHz = 0.0;
    double vibratoSemis = 0.0;
    double gain = 1.0;
};
Mono render(const Tone& tone, Rng& rng);

// Filters ------------------------------------------------------------------

class OnePole {
public:
    enum class Type { LowPass, HighPass };
    OnePole(Type type, double cutoffHz);
    void setCutoff(double cutoffHz);
    float process(float x);

private:
    Type type_;
    double a_ = 0.0, z_ = 0.0;
};

// RBJ cookbook biquad.
class Biquad {
public:
    enum class Type { LowPass, HighPass, BandPass, Peak };
    Biquad(Type type, double freqHz, double q, double gainDb = 0.0);
    void set(double freqHz, double q, double gainDb = 0.0);
    float process(float x);

private:
    Type type_;
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void filter(Mono& m, Biquad::Type type, double freqHz, double q = 0.707, double gainDb = 0.0);
// Cutoff moves exponentially from f0 to f1 over the buffer (f0 -> fMid -> f1 when fMid > 0).
void sweep(Mono& m, Biquad::Type type, double f0, double f1, double q, double fMid = 0.0);
void lowpass1(Mono& m, double cutoffHz);
void highpass1(Mono& m, double cutoffHz);

// Effects and utilities -------------------------------------------------------

Mono noise(double seconds, Rng& rng);
Mono silence(double seconds);
// Adds src into dst starting at `atSeconds`, growing dst when needed.
void mixInto(Mono& dst, const Mono& src, double atSeconds, double gain = 1.0);
void mixInto(Stereo& dst, const Mono& src, std::size_t atSample, double gain, double pan);
void mixInto(Stereo& dst, const Stereo& src, std::size_t atSample, double gain = 1.0);
void applyEnvelope(Mono& m, const Adsr& env, double gate);
void distort(Mono& m, double drive);  // soft clip: tanh(drive x) / tanh(drive)
void fadeIn(Mono& m, double seconds);
void fadeOut(Mono& m, double seconds);
Stereo toStereo(const Mono& m, double pan = 0.0);  // pan -1 left .. +1 right, equal power

// Feedback delay, in place; grows the buffer by `tail` seconds first.
void echo(Stereo& s, double delaySeconds, double feedback, double wet, double tail);

// A plate-like stereo reverb (parallel combs into series all-passes, per channel).
class Reverb {
public:
    Reverb(double roomSize, double damping);
    // Returns only the wet signal, same length as the input.
    Stereo process(const Stereo& in);

private:
    double room_, damp_;
};
// In place: grows by `tail` seconds and adds `wet` of the reverberated signal.
void addReverb(Stereo& s, double roomSize, double damping, double wet, double tail);

double peak(const Stereo& s);
double rms(const Stereo& s);
void scale(Stereo& s, double gain);
void normalizePeak(Stereo& s, double dbfs);
void removeDc(Stereo& s);  // subtracts the mean of each channel
// Cuts the trailing part quieter than `thresholdDb`, then fades the last `fade` seconds.
void trimTail(Stereo& s, double thresholdDb, double fade = 0.01);

}  // namespace vsynth
