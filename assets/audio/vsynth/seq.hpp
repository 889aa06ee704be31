#pragma once
// A small sequencer: notes written as text, chord progressions, drum patterns,
// instrument patches, and a song renderer that produces a seamless loop.

#include <cstdint>
#include <string_view>
#include <vector>

#include "vsynth/synth.hpp"

namespace vsynth {

struct Note {
    double beat = 0.0;   // start, in beats from the start of the song
    double beats = 1.0;  // length in beats
    double midi = 60.0;  // pitch (drums: ignored unless the drum is tuned)
    double velocity = 1.0;
};

// "C4" = 60, "F#3" = 54, "Bb2" = 46. Returns -1 when the name is not a note.
int noteNumber(std::string_view name);

// Space-separated tokens "pitch:beats". A pitch is a note name, several joined by '+'
// for a chord, or '-' for a rest. The length may be omitted to repeat the previous one.
// A leading '!' accents a note, a leading '?' plays it softly.
// Example: "D4:1 F4:.5 E4 -:1 D3+A3:2".
std::vector<Note> parseNotes(std::string_view text, double startBeat = 0.0, double velocity = 1.0);

struct Chord {
    double beat = 0.0, beats = 4.0;
    int root = 0;                // pitch class, 0 = C
    std::vector<int> intervals;  // semitones above the root, root included (0)
};

// Chords separated by spaces, each "Name[:beats]" (default: one bar). Names: root letter,
// optional '#'/'b', then one of "", "m", "7", "m7", "maj7", "dim", "sus4", "sus2", "5", "aug".
std::vector<Chord> parseProgression(std::string_view text, double beatsPerBar = 4.0,
                                    double startBeat = 0.0);

// Sustained chord tones inside [lowMidi, highMidi].
std::vector<Note> padNotes(const std::vector<Chord>& prog, int lowMidi, int highMidi,
                           double velocity = 1.0);

// A rhythm over one bar of sixteenths, repeated for every chord. Per step:
// 'r' root, 't' third (second chord tone), 'f' fifth (third chord tone), 'o' root an octave up,
// 'l' root an octave down, '-' holds the previous note, '.' rest.
std::vector<Note> bassNotes(const std::vector<Chord>& prog, std::string_view rhythm,
                            int octaveRootMidi, double velocity = 1.0, double beatsPerBar = 4.0);

// Arpeggio: each step of `pattern` (sixteenths, repeated through every chord) is a digit naming
// the chord tone (0 = root, 1, 2, ... wrapping upwards by octaves), or '.' for a rest.
std::vector<Note> arpNotes(const std::vector<Chord>& prog, std::string_view pattern, int baseMidi,
                           double stepBeats = 0.25, double velocity = 1.0);

// Drum hits from a pattern of sixteenths: 'X' accent, 'x' normal, 'g' ghost, '.' rest.
// The pattern repeats from `startBeat` for `bars` bars.
std::vector<Note> drumNotes(std::string_view pattern, int bars, double startBeat = 0.0,
                            double beatsPerBar = 4.0);

// Moves notes by `beats` and `semitones`.
std::vector<Note> shifted(std::vector<Note> notes, double beats, double semitones = 0.0);
// Appends `src` to `dst` moved by `beats`.
void append(std::vector<Note>& dst, const std::vector<Note>& src, double beats = 0.0);
// `count` copies of `notes`, each `everyBeats` after the previous one.
std::vector<Note> repeated(const std::vector<Note>& notes, int count, double everyBeats);

// Instruments -----------------------------------------------------------------

struct Layer {
    Wave wave = Wave::Saw;
    double semitones = 0.0;  // transposition, e.g. 12 for an octave up
    double cents = 0.0;      // detune
    double gain = 1.0;
    double duty = 0.5;
};

struct Patch {
    enum class Kind { Subtractive, Pluck, Fm };
    Kind kind = Kind::Subtractive;
    std::vector<Layer> layers = std::vector<Layer>(1);  // one default layer
    Adsr amp{};
    double cutoff = 6000.0;    // low-pass cutoff, Hz
    double filterEnvHz = 0.0;  // added to the cutoff at the filter envelope's peak
    Adsr filterEnv{0.005, 0.2, 0.0, 0.1};
    double resonance = 0.707;
    double keyTrack = 0.0;  // cutoff follows pitch: multiplied by (freq / 261.6)^keyTrack
    double vibratoHz = 0.0, vibratoSemis = 0.0, vibratoDelay = 0.0;
    double glideSemis = 0.0, glideTime = 0.05;           // starts this far off pitch and slides in
    double fmRatio = 2.0, fmIndex = 2.0, fmDecay = 0.5;  // Kind::Fm
    double pluckDamping = 0.5;                           // Kind::Pluck: 0 bright .. 1 dull
    double legato = 0.92;  // fraction of the written length the note is held
    double drive = 0.0;    // soft clipping after the filter, 0 = off
    double gain = 1.0;
};

// One note of a patch as a mono buffer (held `seconds`, plus the release).
Mono renderNote(const Patch& patch, double midi, double seconds, double velocity, Rng& rng);

enum class Drum { Kick, Snare, HatClosed, HatOpen, Clap, Tom, Rim, Crash, Timpani, Shaker, Snap };
// A drum hit. Tuned drums (Tom, Timpani) use `midi`.
Mono renderDrum(Drum drum, double midi, double velocity, Rng& rng);

struct Part {
    Patch patch{};
    bool isDrum = false;
    Drum drum = Drum::Kick;
    std::vector<Note> notes;
    double gain = 1.0;
    double pan = 0.0;
    double reverb = 0.2;    // send to the song's reverb
    double echo = 0.0;      // send to the song's echo
    double humanize = 0.0;  // random velocity spread
};

struct Song {
    double bpm = 120.0;
    double beatsPerBar = 4.0;
    int bars = 16;
    double swing = 0.0;  // 0 straight .. 0.33 triplet feel, on eighth notes
    double reverbRoom = 0.6, reverbDamp = 0.5, reverbWet = 1.0;
    double echoBeats = 0.75, echoFeedback = 0.35;
    std::vector<Part> parts;

    double secondsPerBeat() const { return 60.0 / bpm; }
    double totalBeats() const { return bars * beatsPerBar; }
    std::size_t loopSamples() const;
};

// Seconds from the start of the song to `beat`, with swing applied.
double beatToSeconds(const Song& song, double beat);

// Renders the song as a loop of exactly `loopSamples()` samples: whatever rings past the end
// (releases, echoes, reverb) is folded back onto the start, so playing it again and again
// sounds continuous. The mean of each channel is removed.
Stereo renderLoop(const Song& song, std::uint64_t seed);

}  // namespace vsynth
