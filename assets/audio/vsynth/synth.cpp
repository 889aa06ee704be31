#include "vsynth/synth.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace vsynth {

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() {
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}
double Rng::bipolar() {
    return uniform() * 2.0 - 1.0;
}

double Adsr::level(double t, double gate) const {
    auto held = [this](double u) {
        if (u < 0.0)
            return 0.0;
        if (u < attack)
            return u / attack;
        if (u < attack + decay) {
            const double x = (u - attack) / decay;
            return sustain + (1.0 - sustain) * (1.0 - x) * (1.0 - x);
        }
        return sustain;
    };
    if (t < gate)
        return held(t);
    if (release <= 0.0 || t >= gate + release)
        return 0.0;
    const double x = (t - gate) / release;
    return held(gate) * (1.0 - x) * (1.0 - x);
}

namespace {
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
}  // namespace

float Oscillator::next(double freq, Rng& rng) {
    const double dt = std::clamp(freq / kSampleRate, 0.0, 0.49);
    double v = 0.0;
    switch (wave) {
        case Wave::Sine:
            v = std::sin(2.0 * kPi * phase);
            break;
        case Wave::Saw:
            v = 2.0 * phase - 1.0 - polyBlep(phase, dt);
            break;
        case Wave::Square: {
            v = phase < duty ? 1.0 : -1.0;
            v += polyBlep(phase, dt);
            v -= polyBlep(std::fmod(phase + 1.0 - duty, 1.0), dt);
            break;
        }
        case Wave::Triangle:
            v = 1.0 - 4.0 * std::abs(phase - 0.5);
            break;
        case Wave::Noise:
            v = rng.bipolar();
            break;
    }
    phase += dt;
    if (phase >= 1.0)
        phase -= std::floor(phase);
    return float(v);
}

double midiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}
double dbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}

Mono render(const Tone& tone, Rng& rng) {
    const std::size_t n = std::size_t(tone.env.length(tone.gate) * kSampleRate);
    Mono out(n);
    Oscillator osc{tone.wave, tone.duty};
    const double slide = tone.slideTime < 0.0 ? tone.gate : tone.slideTime;
    const double ratio = tone.freqEnd > 0.0 ? tone.freqEnd / tone.freq : 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate;
        double f = tone.freq;
        if (ratio != 1.0)
            f *= std::pow(ratio, std::min(1.0, slide > 0.0 ? t / slide : 1.0));
        if (tone.vibratoSemis > 0.0)
            f *= std::pow(2.0, tone.vibratoSemis / 12.0 * std::sin(2.0 * kPi * tone.vibratoHz * t));
        out[i] = float(osc.next(f, rng) * tone.env.level(t, tone.gate) * tone.gain);
    }
    return out;
}

// Filters ------------------------------------------------------------------

OnePole::OnePole(Type type, double cutoffHz) : type_(type) {
    setCutoff(cutoffHz);
}

void OnePole::setCutoff(double cutoffHz) {
    a_ = 1.0 - std::exp(-2.0 * kPi * std::clamp(cutoffHz, 1.0, kSampleRate * 0.49) / kSampleRate);
}

float OnePole::process(float x) {
    z_ += a_ * (x - z_);
    return float(type_ == Type::LowPass ? z_ : x - z_);
}

Biquad::Biquad(Type type, double freqHz, double q, double gainDb) : type_(type) {
    set(freqHz, q, gainDb);
}

void Biquad::set(double freqHz, double q, double gainDb) {
    const double f = std::clamp(freqHz, 10.0, kSampleRate * 0.45);
    const double w = 2.0 * kPi * f / kSampleRate;
    const double cw = std::cos(w), sw = std::sin(w);
    const double alpha = sw / (2.0 * std::max(q, 0.05));
    double b0 = 0, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
    switch (type_) {
        case Type::LowPass:
            b0 = (1 - cw) / 2;
            b1 = 1 - cw;
            b2 = (1 - cw) / 2;
            a0 = 1 + alpha;
            a1 = -2 * cw;
            a2 = 1 - alpha;
            break;
        case Type::HighPass:
            b0 = (1 + cw) / 2;
            b1 = -(1 + cw);
            b2 = (1 + cw) / 2;
            a0 = 1 + alpha;
            a1 = -2 * cw;
            a2 = 1 - alpha;
            break;
        case Type::BandPass:  // 0 dB peak gain
            b0 = alpha;
            b1 = 0;
            b2 = -alpha;
            a0 = 1 + alpha;
            a1 = -2 * cw;
            a2 = 1 - alpha;
            break;
        case Type::Peak: {
            const double A = std::pow(10.0, gainDb / 40.0);
            b0 = 1 + alpha * A;
            b1 = -2 * cw;
            b2 = 1 - alpha * A;
            a0 = 1 + alpha / A;
            a1 = -2 * cw;
            a2 = 1 - alpha / A;
            break;
        }
    }
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

float Biquad::process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return float(y);
}

void filter(Mono& m, Biquad::Type type, double freqHz, double q, double gainDb) {
    Biquad bq(type, freqHz, q, gainDb);
    for (float& s : m) s = bq.process(s);
}

void sweep(Mono& m, Biquad::Type type, double f0, double f1, double q, double fMid) {
    if (m.empty())
        return;
    Biquad bq(type, f0, q);
    const double n = double(m.size());
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (i % 32 == 0) {
            const double x = double(i) / n;
            double f;
            if (fMid > 0.0)
                f = x < 0.5 ? f0 * std::pow(fMid / f0, x * 2.0)
                            : fMid * std::pow(f1 / fMid, x * 2.0 - 1.0);
            else
                f = f0 * std::pow(f1 / f0, x);
            bq.set(f, q);
        }
        m[i] = bq.process(m[i]);
    }
}

void lowpass1(Mono& m, double cutoffHz) {
    OnePole p(OnePole::Type::LowPass, cutoffHz);
    for (float& s : m) s = p.process(s);
}

void highpass1(Mono& m, double cutoffHz) {
    OnePole p(OnePole::Type::HighPass, cutoffHz);
    for (float& s : m) s = p.process(s);
}

// Effects and utilities -------------------------------------------------------

Mono noise(double seconds, Rng& rng) {
    Mono m(std::size_t(seconds * kSampleRate));
    for (float& s : m) s = float(rng.bipolar());
    return m;
}

Mono silence(double seconds) {
    return Mono(std::size_t(seconds * kSampleRate), 0.0f);
}

void mixInto(Mono& dst, const Mono& src, double atSeconds, double gain) {
    const std::size_t at = std::size_t(std::max(0.0, atSeconds) * kSampleRate);
    if (dst.size() < at + src.size())
        dst.resize(at + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i) dst[at + i] += float(src[i] * gain);
}

void mixInto(Stereo& dst, const Mono& src, std::size_t at, double gain, double pan) {
    if (dst.size() < at + src.size())
        dst.resize(at + src.size());
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const float gl = float(gain * std::cos(angle) * std::sqrt(2.0));
    const float gr = float(gain * std::sin(angle) * std::sqrt(2.0));
    for (std::size_t i = 0; i < src.size(); ++i) {
        dst.l[at + i] += src[i] * gl;
        dst.r[at + i] += src[i] * gr;
    }
}

void mixInto(Stereo& dst, const Stereo& src, std::size_t at, double gain) {
    if (dst.size() < at + src.size())
        dst.resize(at + src.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        dst.l[at + i] += float(src.l[i] * gain);
        dst.r[at + i] += float(src.r[i] * gain);
    }
}

void applyEnvelope(Mono& m, const Adsr& env, double gate) {
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] *= float(env.level(double(i) / kSampleRate, gate));
}

void distort(Mono& m, double drive) {
    const double norm = 1.0 / std::tanh(drive);
    for (float& s : m) s = float(std::tanh(drive * s) * norm);
}

void fadeIn(Mono& m, double seconds) {
    const std::size_t n = std::min(m.size(), std::size_t(seconds * kSampleRate));
    for (std::size_t i = 0; i < n; ++i) m[i] *= float(double(i) / double(n));
}

void fadeOut(Mono& m, double seconds) {
    const std::size_t n = std::min(m.size(), std::size_t(seconds * kSampleRate));
    for (std::size_t i = 0; i < n; ++i) m[m.size() - 1 - i] *= float(double(i) / double(n));
}

Stereo toStereo(const Mono& m, double pan) {
    Stereo s;
    mixInto(s, m, 0, 1.0, pan);
    return s;
}

void echo(Stereo& s, double delaySeconds, double feedback, double wet, double tail) {
    const std::size_t d = std::max<std::size_t>(1, std::size_t(delaySeconds * kSampleRate));
    const std::size_t dry = s.size();
    s.resize(dry + std::size_t(tail * kSampleRate));
    std::vector<float> bl(d, 0.0f), br(d, 0.0f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t k = i % d;
        const float el = bl[k], er = br[k];
        // Cross-feed the repeats for a little ping-pong width.
        bl[k] = float(s.l[i] + er * feedback);
        br[k] = float(s.r[i] + el * feedback);
        s.l[i] += float(el * wet);
        s.r[i] += float(er * wet);
    }
}

namespace {
struct Comb {
    std::vector<float> buf;
    std::size_t idx = 0;
    float store = 0.0f;
    explicit Comb(std::size_t n) : buf(n, 0.0f) {}
    float process(float in, float feedback, float damp) {
        const float out = buf[idx];
        store = out * (1.0f - damp) + store * damp;
        buf[idx] = in + store * feedback;
        if (++idx == buf.size())
            idx = 0;
        return out;
    }
};
struct Allpass {
    std::vector<float> buf;
    std::size_t idx = 0;
    explicit Allpass(std::size_t n) : buf(n, 0.0f) {}
    float process(float in) {
        const float b = buf[idx];
        buf[idx] = in + b * 0.5f;
        if (++idx == buf.size())
            idx = 0;
        return b - in;
    }
};

void reverbChannel(const std::vector<float>& in, std::vector<float>& out, double room, double damp,
                   std::size_t spread) {
    static constexpr std::array<std::size_t, 8> combs{1116, 1188, 1277, 1356,
                                                      1422, 1491, 1557, 1617};
    static constexpr std::array<std::size_t, 4> allpasses{556, 441, 341, 225};
    std::vector<Comb> cs;
    for (std::size_t c : combs) cs.emplace_back(c + spread);
    std::vector<Allpass> as;
    for (std::size_t a : allpasses) as.emplace_back(a + spread);
    const float fb = float(room * 0.28 + 0.7);
    const float dp = float(damp * 0.4);
    out.assign(in.size(), 0.0f);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const float x = in[i] * 0.015f;
        float acc = 0.0f;
        for (Comb& c : cs) acc += c.process(x, fb, dp);
        for (Allpass& a : as) acc = a.process(acc);
        out[i] = acc * 3.0f;
    }
}
}  // namespace

Reverb::Reverb(double roomSize, double damping) : room_(roomSize), damp_(damping) {}

Stereo Reverb::process(const Stereo& in) {
    Stereo out;
    reverbChannel(in.l, out.l, room_, damp_, 0);
    reverbChannel(in.r, out.r, room_, damp_, 23);
    return out;
}

void addReverb(Stereo& s, double roomSize, double damping, double wet, double tail) {
    s.resize(s.size() + std::size_t(tail * kSampleRate));
    const Stereo w = Reverb(roomSize, damping).process(s);
    mixInto(s, w, 0, wet);
}

double peak(const Stereo& s) {
    double p = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i)
        p = std::max({p, double(std::abs(s.l[i])), double(std::abs(s.r[i]))});
    return p;
}

double rms(const Stereo& s) {
    if (s.size() == 0)
        return 0.0;
    double acc = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i)
        acc += double(s.l[i]) * s.l[i] + double(s.r[i]) * s.r[i];
    return std::sqrt(acc / (2.0 * double(s.size())));
}

void scale(Stereo& s, double gain) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        s.l[i] = float(s.l[i] * gain);
        s.r[i] = float(s.r[i] * gain);
    }
}

void normalizePeak(Stereo& s, double dbfs) {
    const double p = peak(s);
    if (p > 0.0)
        scale(s, dbToGain(dbfs) / p);
}

void removeDc(Stereo& s) {
    if (s.size() == 0)
        return;
    for (auto* ch : {&s.l, &s.r}) {
        double mean = 0.0;
        for (float v : *ch) mean += v;
        mean /= double(ch->size());
        for (float& v : *ch) v = float(v - mean);
    }
}

void trimTail(Stereo& s, double thresholdDb, double fade) {
    const double thr = peak(s) * dbToGain(thresholdDb);
    std::size_t end = s.size();
    while (end > 0 && std::abs(s.l[end - 1]) < thr && std::abs(s.r[end - 1]) < thr) --end;
    s.l.resize(end);
    s.r.resize(end);
    const std::size_t n = std::min(end, std::size_t(fade * kSampleRate));
    for (std::size_t i = 0; i < n; ++i) {
        const float g = float(double(i) / double(n));
        s.l[end - 1 - i] *= g;
        s.r[end - 1 - i] *= g;
    }
}

}  // namespace vsynth
