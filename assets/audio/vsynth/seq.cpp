#include "vsynth/seq.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace vsynth {

namespace {
std::vector<std::string_view> split(std::string_view text, char sep) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() &&
               (text[i] == sep || std::isspace(static_cast<unsigned char>(text[i]))))
            ++i;
        std::size_t j = i;
        while (j < text.size() && text[j] != sep &&
               !std::isspace(static_cast<unsigned char>(text[j])))
            ++j;
        if (j > i)
            out.push_back(text.substr(i, j - i));
        i = j;
    }
    return out;
}

int pitchClass(char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
        default:
            return -1;
    }
}

// Reads a root "C", "F#", "Bb" at the start of `s`; returns the pitch class and the characters
// used.
std::pair<int, std::size_t> readRoot(std::string_view s) {
    if (s.empty())
        return {-1, 0};
    int pc = pitchClass(s[0]);
    if (pc < 0)
        return {-1, 0};
    std::size_t used = 1;
    if (s.size() > 1 && s[1] == '#') {
        ++pc;
        ++used;
    } else if (s.size() > 1 && s[1] == 'b') {
        --pc;
        ++used;
    }
    return {(pc + 12) % 12, used};
}

double parseNumber(std::string_view s, double fallback) {
    if (s.empty())
        return fallback;
    try {
        return std::stod(std::string(s));
    } catch (...) {
        return fallback;
    }
}

std::vector<int> intervalsOf(std::string_view quality) {
    if (quality == "")
        return {0, 4, 7};
    if (quality == "m")
        return {0, 3, 7};
    if (quality == "7")
        return {0, 4, 7, 10};
    if (quality == "m7")
        return {0, 3, 7, 10};
    if (quality == "maj7")
        return {0, 4, 7, 11};
    if (quality == "dim")
        return {0, 3, 6};
    if (quality == "sus4")
        return {0, 5, 7};
    if (quality == "sus2")
        return {0, 2, 7};
    if (quality == "5")
        return {0, 7};
    if (quality == "aug")
        return {0, 4, 8};
    return {0, 4, 7};
}

// Chord tone `index` (0 = root) above a base pitch, continuing upwards by octaves.
int chordTone(const Chord& c, int index, int rootMidi) {
    const int n = int(c.intervals.size());
    const int oct = index >= 0 ? index / n : -((-index + n - 1) / n);
    const int k = index - oct * n;
    return rootMidi + c.intervals[std::size_t(k)] + 12 * oct;
}

// The MIDI note of the chord's root at or just above `base`.
int rootNear(const Chord& c, int base) {
    int m = base;
    while (((m % 12) + 12) % 12 != c.root) ++m;
    return m;
}
}  // namespace

int noteNumber(std::string_view name) {
    auto [pc, used] = readRoot(name);
    if (pc < 0 || used >= name.size())
        return -1;
    // The octave belongs to the written letter: Cb4 is B3, B#3 is C4.
    const int letter = pitchClass(name[0]);
    const int accidental = used == 2 ? (name[1] == '#' ? 1 : -1) : 0;
    std::string_view rest = name.substr(used);
    bool neg = false;
    if (!rest.empty() && rest[0] == '-') {
        neg = true;
        rest.remove_prefix(1);
    }
    if (rest.empty())
        return -1;
    int oct = 0;
    for (char ch : rest) {
        if (!std::isdigit(static_cast<unsigned char>(ch)))
            return -1;
        oct = oct * 10 + (ch - '0');
    }
    if (neg)
        oct = -oct;
    return (oct + 1) * 12 + letter + accidental;
}

std::vector<Note> parseNotes(std::string_view text, double startBeat, double velocity) {
    std::vector<Note> out;
    double beat = startBeat;
    double len = 1.0;
    for (std::string_view tok : split(text, ' ')) {
        double vel = velocity;
        if (tok[0] == '!') {
            vel = std::min(1.0, velocity * 1.25);
            tok.remove_prefix(1);
        } else if (tok[0] == '?') {
            vel = velocity * 0.6;
            tok.remove_prefix(1);
        }
        const std::size_t colon = tok.find(':');
        std::string_view pitch = tok.substr(0, colon);
        if (colon != std::string_view::npos)
            len = parseNumber(tok.substr(colon + 1), len);
        if (pitch != "-") {
            for (std::string_view p : split(pitch, '+')) {
                const int m = noteNumber(p);
                if (m >= 0)
                    out.push_back({beat, len, double(m), vel});
            }
        }
        beat += len;
    }
    return out;
}

std::vector<Chord> parseProgression(std::string_view text, double beatsPerBar, double startBeat) {
    std::vector<Chord> out;
    double beat = startBeat;
    for (std::string_view tok : split(text, ' ')) {
        const std::size_t colon = tok.find(':');
        std::string_view name = tok.substr(0, colon);
        const double beats = colon == std::string_view::npos
                                 ? beatsPerBar
                                 : parseNumber(tok.substr(colon + 1), beatsPerBar);
        auto [pc, used] = readRoot(name);
        if (pc >= 0)
            out.push_back({beat, beats, pc, intervalsOf(name.substr(used))});
        beat += beats;
    }
    return out;
}

std::vector<Note> padNotes(const std::vector<Chord>& prog, int lowMidi, int highMidi,
                           double velocity) {
    std::vector<Note> out;
    for (const Chord& c : prog) {
        for (int m = lowMidi; m <= highMidi; ++m) {
            const int rel = ((m % 12) - c.root + 12) % 12;
            if (std::find(c.intervals.begin(), c.intervals.end(), rel) != c.intervals.end())
                out.push_back({c.beat, c.beats, double(m), velocity});
        }
    }
    return out;
}

std::vector<Note> bassNotes(const std::vector<Chord>& prog, std::string_view rhythm,
                            int octaveRootMidi, double velocity, double beatsPerBar) {
    std::vector<Note> out;
    if (rhythm.empty())
        return out;
    for (const Chord& c : prog) {
        const int root = rootNear(c, octaveRootMidi);
        const int steps = int(std::lround(c.beats * 4.0));
        const int barSteps = int(std::lround(beatsPerBar * 4.0));
        for (int s = 0; s < steps; ++s) {
            const char ch = rhythm[std::size_t((s % barSteps) % int(rhythm.size()))];
            const double at = c.beat + s * 0.25;
            int m = -1;
            switch (ch) {
                case 'r':
                    m = root;
                    break;
                case 't':
                    m = chordTone(c, 1, root);
                    break;
                case 'f':
                    m = chordTone(c, std::min<int>(2, int(c.intervals.size()) - 1), root);
                    break;
                case 'o':
                    m = root + 12;
                    break;
                case 'l':
                    m = root - 12;
                    break;
                case '-':
                    // Extend the last note if it is still sounding up to here.
                    if (!out.empty() && std::abs(out.back().beat + out.back().beats - at) < 1e-6)
                        out.back().beats += 0.25;
                    break;
                default:
                    break;
            }
            if (m >= 0)
                out.push_back({at, 0.25, double(m), velocity});
        }
    }
    return out;
}

std::vector<Note> arpNotes(const std::vector<Chord>& prog, std::string_view pattern, int baseMidi,
                           double stepBeats, double velocity) {
    std::vector<Note> out;
    if (pattern.empty())
        return out;
    for (const Chord& c : prog) {
        const int root = rootNear(c, baseMidi);
        const int steps = int(std::lround(c.beats / stepBeats));
        for (int s = 0; s < steps; ++s) {
            const char ch = pattern[std::size_t(s) % pattern.size()];
            if (!std::isdigit(static_cast<unsigned char>(ch)))
                continue;
            out.push_back({c.beat + s * stepBeats, stepBeats, double(chordTone(c, ch - '0', root)),
                           velocity});
        }
    }
    return out;
}

std::vector<Note> drumNotes(std::string_view pattern, int bars, double startBeat,
                            double beatsPerBar) {
    std::vector<Note> out;
    if (pattern.empty())
        return out;
    const int steps = int(std::lround(bars * beatsPerBar * 4.0));
    for (int s = 0; s < steps; ++s) {
        const char ch = pattern[std::size_t(s) % pattern.size()];
        double v = 0.0;
        if (ch == 'X')
            v = 1.0;
        else if (ch == 'x')
            v = 0.75;
        else if (ch == 'g')
            v = 0.4;
        if (v > 0.0)
            out.push_back({startBeat + s * 0.25, 0.25, 60.0, v});
    }
    return out;
}

std::vector<Note> shifted(std::vector<Note> notes, double beats, double semitones) {
    for (Note& n : notes) {
        n.beat += beats;
        n.midi += semitones;
    }
    return notes;
}

void append(std::vector<Note>& dst, const std::vector<Note>& src, double beats) {
    for (Note n : src) {
        n.beat += beats;
        dst.push_back(n);
    }
}

std::vector<Note> repeated(const std::vector<Note>& notes, int count, double everyBeats) {
    std::vector<Note> out;
    for (int i = 0; i < count; ++i) append(out, notes, i * everyBeats);
    return out;
}

// Instruments -----------------------------------------------------------------

Mono renderNote(const Patch& p, double midi, double seconds, double velocity, Rng& rng) {
    const double freq = midiToHz(midi);
    const std::size_t n = std::size_t(p.amp.length(seconds) * kSampleRate) + 1;
    Mono out(n, 0.0f);
    const double amp = p.gain * velocity;

    if (p.kind == Patch::Kind::Pluck) {
        // Karplus-Strong: a burst of noise circulating in a delay line one period long.
        const std::size_t period =
            std::max<std::size_t>(2, std::size_t(std::lround(kSampleRate / freq)));
        std::vector<float> line(period);
        OnePole bright(OnePole::Type::LowPass, 1500.0 + 9000.0 * (1.0 - p.pluckDamping) * velocity);
        for (float& v : line) v = bright.process(float(rng.bipolar()));
        // Averaging two neighbours is the string's loss; damping shortens the ring further.
        const float keep = float(0.5 * (0.9995 - 0.006 * p.pluckDamping));
        std::size_t idx = 0;
        float prev = 0.0f;
        for (std::size_t i = 0; i < n; ++i) {
            const float cur = line[idx];
            line[idx] = (cur + prev) * keep;
            prev = cur;
            if (++idx == period)
                idx = 0;
            out[i] = float(cur * amp * p.amp.level(double(i) / kSampleRate, seconds));
        }
        highpass1(out, 30.0);
        return out;
    }

    std::vector<Oscillator> oscs;
    std::vector<double> ratios;
    for (const Layer& l : p.layers) {
        oscs.push_back({l.wave, l.duty, rng.uniform()});
        ratios.push_back(std::exp2((l.semitones + l.cents / 100.0) / 12.0));
    }
    Oscillator carrier{Wave::Sine, 0.5, 0.0}, modulator{Wave::Sine, 0.5, 0.0};
    Biquad lp(Biquad::Type::LowPass, p.cutoff, p.resonance);
    const double track = p.keyTrack != 0.0 ? std::pow(freq / 261.63, p.keyTrack) : 1.0;
    const bool filtered = p.kind == Patch::Kind::Subtractive;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate;
        double f = freq;
        if (p.glideSemis != 0.0 && t < p.glideTime)
            f *= std::exp2(p.glideSemis * (1.0 - t / p.glideTime) / 12.0);
        if (p.vibratoSemis > 0.0 && t > p.vibratoDelay) {
            const double depth = p.vibratoSemis * std::min(1.0, (t - p.vibratoDelay) / 0.2);
            f *= std::exp2(depth / 12.0 * std::sin(2.0 * kPi * p.vibratoHz * (t - p.vibratoDelay)));
        }
        double v = 0.0;
        if (p.kind == Patch::Kind::Fm) {
            const double index = p.fmIndex * std::exp(-t / std::max(1e-3, p.fmDecay));
            const double m = modulator.next(f * p.fmRatio, rng);
            // Phase modulation: bend the carrier's phase by the modulator.
            carrier.phase = std::fmod(carrier.phase + f / kSampleRate + 1.0, 1.0);
            v = std::sin(2.0 * kPi * carrier.phase + index * m);
        } else {
            for (std::size_t k = 0; k < oscs.size(); ++k)
                v += oscs[k].next(f * ratios[k], rng) * p.layers[k].gain;
        }
        if (filtered) {
            if (i % 16 == 0)
                lp.set(p.cutoff * track + p.filterEnvHz * velocity * p.filterEnv.level(t, seconds),
                       p.resonance);
            v = lp.process(float(v));
        }
        if (p.drive > 0.0)
            v = std::tanh(p.drive * v) / std::tanh(p.drive);
        out[i] = float(v * amp * p.amp.level(t, seconds));
    }
    return out;
}

Mono renderDrum(Drum drum, double midi, double velocity, Rng& rng) {
    auto decay = [](Mono& m, double tau, double attack = 0.0005) {
        for (std::size_t i = 0; i < m.size(); ++i) {
            const double t = double(i) / kSampleRate;
            m[i] *= float(std::min(1.0, t / attack) * std::exp(-t / tau));
        }
    };
    Mono out;
    switch (drum) {
        case Drum::Kick: {
            Tone body{Wave::Sine, 150.0, 42.0, 0.09, 0.3, {0.001, 0.0, 1.0, 0.05}};
            out = render(body, rng);
            decay(out, 0.16);
            Mono click = noise(0.006, rng);
            filter(click, Biquad::Type::LowPass, 3000.0);
            mixInto(out, click, 0.0, 0.35);
            distort(out, 1.5);
            break;
        }
        case Drum::Snare: {
            Tone body{Wave::Triangle, 220.0, 180.0, 0.05, 0.12, {0.001, 0.0, 1.0, 0.02}};
            out = render(body, rng);
            decay(out, 0.05);
            Mono n = noise(0.25, rng);
            filter(n, Biquad::Type::HighPass, 1200.0);
            filter(n, Biquad::Type::Peak, 5000.0, 1.0, 4.0);
            decay(n, 0.07);
            mixInto(out, n, 0.0, 0.8);
            break;
        }
        case Drum::HatClosed:
        case Drum::HatOpen: {
            out = noise(drum == Drum::HatOpen ? 0.45 : 0.09, rng);
            filter(out, Biquad::Type::HighPass, 7000.0, 0.9);
            filter(out, Biquad::Type::Peak, 10000.0, 1.2, 5.0);
            decay(out, drum == Drum::HatOpen ? 0.12 : 0.022);
            break;
        }
        case Drum::Clap: {
            out = silence(0.3);
            for (int k = 0; k < 3; ++k) {
                Mono b = noise(0.012, rng);
                mixInto(out, b, 0.011 * k, 0.8);
            }
            Mono tail = noise(0.25, rng);
            decay(tail, 0.06);
            mixInto(out, tail, 0.033, 0.9);
            filter(out, Biquad::Type::BandPass, 1300.0, 1.2);
            filter(out, Biquad::Type::HighPass, 500.0);
            break;
        }
        case Drum::Tom:
        case Drum::Timpani: {
            const bool timp = drum == Drum::Timpani;
            const double f = midiToHz(midi);
            Tone body{Wave::Sine,         f * (timp ? 1.03 : 1.5), f,
                      timp ? 0.15 : 0.05, timp ? 1.2 : 0.35,       {0.001, 0.0, 1.0, 0.05}};
            out = render(body, rng);
            if (timp) {
                Tone over{Wave::Sine, f * 1.5 * 1.02, f * 1.5, 0.15, 1.0, {0.001, 0.0, 1.0, 0.05}};
                mixInto(out, render(over, rng), 0.0, 0.35);
            }
            decay(out, timp ? 0.45 : 0.14);
            Mono n = noise(0.05, rng);
            filter(n, Biquad::Type::LowPass, timp ? 900.0 : 2000.0);
            decay(n, 0.015);
            mixInto(out, n, 0.0, 0.4);
            break;
        }
        case Drum::Rim: {
            Tone body{Wave::Sine, 1700.0, 0.0, 0.02, 0.03, {0.0005, 0.0, 1.0, 0.01}};
            out = render(body, rng);
            Mono n = noise(0.03, rng);
            filter(n, Biquad::Type::BandPass, 2500.0, 2.0);
            mixInto(out, n, 0.0, 1.5);
            decay(out, 0.012);
            break;
        }
        case Drum::Snap: {
            out = noise(0.12, rng);
            filter(out, Biquad::Type::BandPass, 2200.0, 1.5);
            decay(out, 0.018);
            break;
        }
        case Drum::Crash: {
            out = noise(1.8, rng);
            filter(out, Biquad::Type::HighPass, 3500.0, 0.7);
            filter(out, Biquad::Type::Peak, 7000.0, 0.8, 4.0);
            decay(out, 0.5, 0.002);
            break;
        }
        case Drum::Shaker: {
            out = noise(0.12, rng);
            filter(out, Biquad::Type::BandPass, 6500.0, 1.0);
            for (std::size_t i = 0; i < out.size(); ++i) {
                const double t = double(i) / kSampleRate;
                out[i] *=
                    float(std::min(1.0, t / 0.02) * std::exp(-std::max(0.0, t - 0.02) / 0.025));
            }
            break;
        }
    }
    for (float& s : out) s = float(s * velocity);
    return out;
}

// Song ------------------------------------------------------------------------

std::size_t Song::loopSamples() const {
    return std::size_t(std::llround(totalBeats() * secondsPerBeat() * kSampleRate));
}

double beatToSeconds(const Song& song, double beat) {
    double b = beat;
    if (song.swing > 0.0) {
        const double whole = std::floor(beat);
        const double f = beat - whole;
        const double split = 0.5 * (1.0 + song.swing);
        b = whole + (f < 0.5 ? f * 2.0 * split : split + (f - 0.5) * 2.0 * (1.0 - split));
    }
    return b * song.secondsPerBeat();
}

Stereo renderLoop(const Song& song, std::uint64_t seed) {
    const std::size_t loop = song.loopSamples();
    const std::size_t tail = std::size_t(4.0 * kSampleRate);
    Stereo dry, reverbSend, echoSend;
    dry.resize(loop + tail);
    reverbSend.resize(loop + tail);
    echoSend.resize(loop + tail);
    Rng rng(seed);
    for (const Part& part : song.parts) {
        for (const Note& note : part.notes) {
            const double start = beatToSeconds(song, note.beat);
            const double end = beatToSeconds(song, note.beat + note.beats);
            double vel = note.velocity;
            if (part.humanize > 0.0)
                vel *= 1.0 + part.humanize * rng.bipolar();
            Mono m = part.isDrum ? renderDrum(part.drum, note.midi, vel, rng)
                                 : renderNote(part.patch, note.midi,
                                              (end - start) * part.patch.legato, vel, rng);
            const std::size_t at = std::size_t(start * kSampleRate);
            if (m.size() > tail + loop - std::min(at, loop))
                m.resize(tail + loop - std::min(at, loop));
            mixInto(dry, m, at, part.gain, part.pan);
            if (part.reverb > 0.0)
                mixInto(reverbSend, m, at, part.gain * part.reverb, part.pan);
            if (part.echo > 0.0)
                mixInto(echoSend, m, at, part.gain * part.echo, part.pan);
        }
    }
    if (song.echoFeedback > 0.0) {
        Stereo e = echoSend;
        echo(e, song.echoBeats * song.secondsPerBeat(), song.echoFeedback, 1.0, 0.0);
        // Keep only the repeats; the dry part of the echo send is already in the mix.
        for (std::size_t i = 0; i < e.size(); ++i) {
            e.l[i] -= echoSend.l[i];
            e.r[i] -= echoSend.r[i];
        }
        mixInto(dry, e, 0, 1.0);
        mixInto(reverbSend, e, 0, 0.3);
    }
    const Stereo wet = Reverb(song.reverbRoom, song.reverbDamp).process(reverbSend);
    mixInto(dry, wet, 0, song.reverbWet);
    // Fold everything that rings past the loop end back onto its start.
    Stereo out;
    out.resize(loop);
    for (std::size_t i = 0; i < dry.size(); ++i) {
        out.l[i % loop] += dry.l[i];
        out.r[i % loop] += dry.r[i];
    }
    removeDc(out);
    return out;
}

}  // namespace vsynth
