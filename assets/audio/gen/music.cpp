// The nine music loops. They share one identity: the four-note cell D-F-E-A
// (tonic, minor third, second, fifth), heard in every track in its own key and tempo,
// over the same small family of instruments.

#include <string>

#include "catalogue.hpp"
#include "vsynth/seq.hpp"

namespace valdro_audio {

using namespace vsynth;

namespace {

// Instruments -------------------------------------------------------------------------------

Patch pad(double cutoff = 1400) {
    Patch p;
    p.layers = {{Wave::Saw, 0, -9, 0.5}, {Wave::Saw, 0, 9, 0.5}, {Wave::Triangle, -12, 0, 0.4}};
    p.amp = {0.5, 0.5, 0.85, 1.2};
    p.cutoff = cutoff;
    p.resonance = 0.6;
    p.legato = 1.0;
    return p;
}

Patch choir() {
    Patch p;
    p.layers = {{Wave::Saw, 0, -7, 0.4}, {Wave::Saw, 0, 7, 0.4}, {Wave::Triangle, 12, 0, 0.3}};
    p.amp = {0.35, 0.4, 0.9, 1.0};
    p.cutoff = 1100;
    p.resonance = 1.8;
    p.vibratoHz = 4.8;
    p.vibratoSemis = 0.1;
    p.legato = 1.0;
    return p;
}

Patch organ() {
    Patch p;
    p.layers = {{Wave::Sine, 0, 0, 0.8},
                {Wave::Sine, 12, 0, 0.5},
                {Wave::Sine, 19, 0, 0.3},
                {Wave::Sine, 24, 0, 0.25},
                {Wave::Sine, -12, 0, 0.5}};
    p.amp = {0.04, 0.1, 0.9, 0.4};
    p.cutoff = 5000;
    p.vibratoHz = 6.2;
    p.vibratoSemis = 0.05;
    p.legato = 1.0;
    return p;
}

Patch bass(double cutoff = 500, double env = 900) {
    Patch p;
    p.layers = {{Wave::Saw, 0, 0, 0.6}, {Wave::Square, -12, 0, 0.5, 0.5}};
    p.amp = {0.004, 0.15, 0.7, 0.06};
    p.cutoff = cutoff;
    p.filterEnvHz = env;
    p.filterEnv = {0.003, 0.12, 0.0, 0.05};
    p.resonance = 1.2;
    p.legato = 0.85;
    return p;
}

Patch softBass() {
    Patch p;
    p.layers = {{Wave::Triangle, 0, 0, 0.8}, {Wave::Sine, -12, 0, 0.5}};
    p.amp = {0.01, 0.3, 0.6, 0.15};
    p.cutoff = 900;
    p.legato = 0.9;
    return p;
}

Patch pluck(double damping = 0.45) {
    Patch p;
    p.kind = Patch::Kind::Pluck;
    p.pluckDamping = damping;
    p.amp = {0.001, 0.0, 1.0, 0.12};
    p.legato = 1.0;
    return p;
}

Patch bell(double ratio = 3.5, double index = 1.5, double decay = 0.8) {
    Patch p;
    p.kind = Patch::Kind::Fm;
    p.fmRatio = ratio;
    p.fmIndex = index;
    p.fmDecay = decay * 0.5;
    p.amp = {0.002, decay, 0.0, 0.3};
    p.legato = 1.0;
    return p;
}

Patch rhodes() {
    Patch p = bell(1.0, 1.8, 1.2);
    p.amp = {0.003, 1.2, 0.25, 0.35};
    p.fmDecay = 0.35;
    p.legato = 0.95;
    return p;
}

Patch lead() {
    Patch p;
    p.layers = {{Wave::Square, 0, -4, 0.5, 0.35}, {Wave::Saw, 0, 5, 0.35}};
    p.amp = {0.01, 0.12, 0.75, 0.12};
    p.cutoff = 1800;
    p.filterEnvHz = 1800;
    p.filterEnv = {0.01, 0.2, 0.2, 0.1};
    p.keyTrack = 0.5;
    p.vibratoHz = 5.6;
    p.vibratoSemis = 0.18;
    p.vibratoDelay = 0.25;
    p.legato = 0.95;
    return p;
}

Patch brass(double cutoff = 900) {
    Patch p;
    p.layers = {{Wave::Saw, 0, -6, 0.5}, {Wave::Saw, 0, 6, 0.5}, {Wave::Saw, -12, 0, 0.2}};
    p.amp = {0.03, 0.12, 0.75, 0.15};
    p.cutoff = cutoff;
    p.filterEnvHz = 2400;
    p.filterEnv = {0.04, 0.25, 0.3, 0.15};
    p.resonance = 1.1;
    p.vibratoHz = 5.2;
    p.vibratoSemis = 0.1;
    p.vibratoDelay = 0.3;
    p.glideSemis = -0.8;
    p.glideTime = 0.06;
    return p;
}

Patch stab() {
    Patch p = brass(700);
    p.amp = {0.01, 0.12, 0.3, 0.08};
    p.filterEnv = {0.01, 0.12, 0.0, 0.08};
    p.filterEnvHz = 3500;
    p.legato = 0.6;
    return p;
}

Patch sax() {
    Patch p;
    p.layers = {{Wave::Saw, 0, 0, 0.6}, {Wave::Square, 0, 3, 0.3, 0.3}};
    p.amp = {0.04, 0.15, 0.8, 0.12};
    p.cutoff = 1300;
    p.filterEnvHz = 1200;
    p.filterEnv = {0.06, 0.3, 0.3, 0.1};
    p.resonance = 2.2;
    p.vibratoHz = 5.0;
    p.vibratoSemis = 0.22;
    p.vibratoDelay = 0.2;
    p.glideSemis = -1.5;
    p.glideTime = 0.08;
    p.drive = 1.3;
    return p;
}

Patch strings() {
    Patch p;
    p.layers = {{Wave::Saw, 0, -5, 0.5}, {Wave::Saw, 0, 6, 0.5}};
    p.amp = {0.02, 0.08, 0.7, 0.08};
    p.cutoff = 1600;
    p.filterEnvHz = 900;
    p.filterEnv = {0.005, 0.1, 0.0, 0.05};
    p.legato = 0.7;
    return p;
}

// Parts -------------------------------------------------------------------------------------

Part voice(Patch p, std::vector<Note> notes, double gain, double pan = 0.0, double reverb = 0.2,
           double echo = 0.0) {
    Part part;
    part.patch = std::move(p);
    part.notes = std::move(notes);
    part.gain = gain;
    part.pan = pan;
    part.reverb = reverb;
    part.echo = echo;
    part.humanize = 0.06;
    return part;
}

Part drum(Drum d, std::vector<Note> notes, double gain, double pan = 0.0, double reverb = 0.1) {
    Part part;
    part.isDrum = true;
    part.drum = d;
    part.notes = std::move(notes);
    part.gain = gain;
    part.pan = pan;
    part.reverb = reverb;
    part.humanize = 0.08;
    return part;
}

// Tuned drum notes: the pattern's hits at one pitch.
std::vector<Note> tuned(std::vector<Note> notes, double midi) {
    for (Note& n : notes) n.midi = midi;
    return notes;
}

// A single hit on `beat`.
std::vector<Note> once(double beat, double velocity = 1.0) {
    return {Note{beat, 0.25, 60.0, velocity}};
}

std::vector<Note> cat(std::initializer_list<std::vector<Note>> parts) {
    std::vector<Note> out;
    for (const auto& p : parts) append(out, p);
    return out;
}

std::vector<Note> notes(const std::string& text, double bar, double velocity = 1.0) {
    return parseNotes(text, bar * 4.0, velocity);
}

std::vector<Chord> prog(const std::string& text, double bar) {
    return parseProgression(text, 4.0, bar * 4.0);
}

Stereo master(const Song& song, std::uint64_t seed) {
    Stereo s = renderLoop(song, seed);
    normalizePeak(s, kMusicPeakDb);
    return s;
}

// The theme in D minor: eight bars over Dm Bb C A Dm Bb Gm A, and an eight-bar answer.
const char* kThemeProg = "Dm Bb C A Dm Bb Gm A";
const char* kTheme =
    "D5:1 F5:.5 E5:.5 A5:2  G5:.5 F5:.5 E5:.5 D5:.5 F5:2  C5:1 E5:.5 D5:.5 G5:2  A5:1.5 G5:.5 "
    "F5:.5 E5:.5 C#5:1 "
    "D5:1 F5:.5 E5:.5 A5:1.5 Bb5:.5  A5:.5 G5:.5 F5:.5 G5:.5 D5:2  Bb4:.5 D5:.5 G5:1 F5:.5 E5:.5 "
    "D5:1  E5:1 C#5:1 A4:2";
const char* kAnswerProg = "Bb C Dm Dm Gm Bb A A";
const char* kAnswer =
    "F5:2 E5:1 D5:1  E5:2 G5:2  A5:3 F5:1  D5:4  G5:1.5 F5:.5 E5:1 D5:1  F5:2 D5:2  E5:1 F5:1 G5:1 "
    "E5:1  C#5:2 E5:2";

// main.mp3 — the title screen: the full theme, hopeful and a little mysterious. 100 BPM, 24 bars.
Stereo mainTheme() {
    Song s;
    s.bpm = 100;
    s.bars = 24;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.3;
    const auto introProg = prog("Dm Bb C A", 0);
    const auto a = prog(kThemeProg, 4);
    const auto b = prog(kAnswerProg, 12);
    const auto last = prog("Dm Bb C A", 20);
    std::vector<Chord> all = introProg;
    for (const auto* part : {&a, &b, &last}) all.insert(all.end(), part->begin(), part->end());

    s.parts.push_back(voice(pad(1200), padNotes(all, 55, 69, 0.5), 0.5, 0.0, 0.5));
    s.parts.push_back(
        voice(pluck(0.35), arpNotes(all, "0120312041203120", 62, 0.25, 0.5), 0.55, 0.35, 0.3, 0.2));
    s.parts.push_back(voice(
        bass(450, 700),
        bassNotes(std::vector<Chord>(all.begin() + 4, all.end()), "r--.r-.rr--.o-f.", 38, 0.8), 0.6,
        0.0, 0.05));
    s.parts.push_back(
        voice(softBass(), bassNotes(introProg, "r---------------", 38, 0.7), 0.6, 0.0, 0.1));
    s.parts.push_back(voice(lead(),
                            cat({notes(kTheme, 4), notes(kAnswer, 12),
                                 notes("D5:1 F5:.5 E5:.5 A5:2  G5:.5 F5:.5 E5:.5 D5:.5 F5:2  C5:1 "
                                       "E5:.5 D5:.5 G5:2  A5:2 E5:1 C#5:1",
                                       20)}),
                            0.45, -0.1, 0.35, 0.25));
    s.parts.push_back(voice(bell(3.5, 1.2, 0.9), notes("D6:1 F6:.5 E6:.5 A6:2 -:12", 0, 0.5), 0.25,
                            0.4, 0.5, 0.4));
    s.parts.push_back(drum(Drum::Kick, drumNotes("X.......x.x.....", 20, 16), 0.7));
    s.parts.push_back(drum(Drum::Snare, drumNotes("........X.......", 20, 16), 0.45, 0.0, 0.25));
    s.parts.push_back(drum(Drum::HatClosed, drumNotes("x.g.x.g.x.g.x.gg", 24), 0.25, 0.3));
    s.parts.push_back(drum(Drum::Crash, once(16), 0.35, -0.3, 0.3));
    s.parts.push_back(
        drum(Drum::Timpani, tuned(drumNotes("X...............", 4), 38), 0.5, 0.0, 0.3));
    return master(s, 9001);
}

// quiet_music.mp3 — shops and talking rooms: a music box over soft chords in F. 80 BPM, 16 bars.
Stereo quietMusic() {
    Song s;
    s.bpm = 80;
    s.bars = 16;
    s.swing = 0.12;
    s.echoBeats = 0.5;
    s.echoFeedback = 0.3;
    const char* chords = "Fmaj7 Dm7 Bbmaj7 C Fmaj7 Am7 Bbmaj7 C7";
    const auto p = prog(std::string(chords) + " " + chords, 0);
    const char* tune =
        "-:1 D5:.5 F5:.5 E5:1 A5:1  G5:1.5 F5:.5 D5:2  -:1 D5:.5 F5:.5 E5:1 C5:1  D5:1 E5:1 G5:2 "
        "-:1 D5:.5 F5:.5 E5:1 A5:1  C6:1.5 A5:.5 G5:1 E5:1  F5:1 D5:1 F5:1 A5:1  G5:3 -:1";
    s.parts.push_back(voice(rhodes(), padNotes(p, 53, 67, 0.45), 0.35, -0.2, 0.4));
    s.parts.push_back(voice(softBass(), bassNotes(p, "r-----.-f---r---", 41, 0.7), 0.55, 0.0, 0.1));
    s.parts.push_back(voice(bell(3.0, 1.0, 0.9), notes(tune, 0, 0.8), 0.45, 0.2, 0.5, 0.35));
    s.parts.push_back(voice(pluck(0.55), notes(tune, 8, 0.8), 0.5, 0.15, 0.4, 0.3));
    s.parts.push_back(voice(
        pluck(0.6), arpNotes(prog(std::string(chords), 8), "0.1.2.1.0.1.2.3.", 53, 0.25, 0.35),
        0.35, -0.35, 0.3));
    s.parts.push_back(drum(Drum::Shaker, drumNotes("..x...x...x...xg", 16), 0.18, 0.3, 0.2));
    s.parts.push_back(drum(Drum::Rim, drumNotes("........x.......", 8, 32), 0.12, -0.2, 0.3));
    return master(s, 9002);
}

// level_music.mp3 — ordinary levels: the theme at a run, driving bass and drums. 132 BPM, 32 bars.
Stereo levelMusic() {
    Song s;
    s.bpm = 132;
    s.bars = 32;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.25;
    const auto intro = prog(kThemeProg, 0);
    const auto a = prog(kThemeProg, 8);
    const auto b = prog(kAnswerProg, 16);
    const auto a2 = prog(kThemeProg, 24);
    std::vector<Chord> all = intro;
    for (const auto* part : {&a, &b, &a2}) all.insert(all.end(), part->begin(), part->end());

    s.parts.push_back(
        voice(bass(600, 1400), bassNotes(all, "r.rrr.o.r.rrf.o.", 38, 0.9), 0.55, 0.0, 0.03));
    s.parts.push_back(voice(pluck(0.3), arpNotes(all, "0120", 62, 0.25, 0.5), 0.4, 0.4, 0.2, 0.15));
    s.parts.push_back(voice(pad(1800), padNotes(b, 57, 72, 0.45), 0.35, -0.2, 0.5));
    s.parts.push_back(voice(lead(),
                            cat({notes(kTheme, 8), notes(kAnswer, 16, 0.9), notes(kTheme, 24)}),
                            0.45, -0.1, 0.25, 0.2));
    // The last repeat doubles the theme an octave down.
    s.parts.push_back(voice(strings(), shifted(notes(kTheme, 24, 0.55), 0, -12), 0.25, 0.45, 0.2));
    // Stabs push the second half of the intro along.
    std::vector<Note> stabs;
    for (const Chord& c : intro)
        if (c.beat >= 16)
            for (double off : {0.0, 1.5, 3.0})
                for (const Note& n : padNotes({c}, 57, 69, 0.7))
                    stabs.push_back({n.beat + off, 0.5, n.midi, 0.7});
    s.parts.push_back(voice(stab(), stabs, 0.3, -0.25, 0.2));
    s.parts.push_back(drum(Drum::Kick, drumNotes("X...x.x.X...x...", 32), 0.75));
    s.parts.push_back(drum(Drum::Snare, drumNotes("....X.......X..g", 28, 16), 0.5, 0.0, 0.2));
    s.parts.push_back(drum(Drum::Snare, drumNotes("........X.......", 4, 0), 0.35, 0.0, 0.2));
    s.parts.push_back(drum(Drum::HatClosed, drumNotes("x.X.x.X.x.X.x.Xx", 32), 0.25, 0.3));
    s.parts.push_back(drum(Drum::HatOpen, drumNotes("..............x.", 32), 0.12, 0.3));
    s.parts.push_back(drum(Drum::Crash, once(32), 0.35, -0.3, 0.3));
    s.parts.push_back(drum(Drum::Crash, once(64), 0.35, 0.3, 0.3));
    s.parts.push_back(drum(Drum::Crash, once(96), 0.35, -0.3, 0.3));
    s.parts.push_back(
        drum(Drum::Tom, tuned(drumNotes("........x.x.xxxx", 1, 124), 45), 0.4, 0.2, 0.2));
    return master(s, 9003);
}

// Greed: brassy swagger in G minor, the cell as G-Bb-A-D.
const char* kGreedProg = "Gm Eb D7 Gm Cm Gm D7 D7";
const char* kGreedTune =
    "G4:1 Bb4:.5 A4:.5 D5:2  Eb5:.5 D5:.5 C5:.5 Bb4:.5 G4:2  F#4:.5 A4:.5 C5:.5 Eb5:.5 D5:2  Bb4:1 "
    "A4:.5 G4:.5 D4:2 "
    "C5:1 Eb5:.5 D5:.5 G5:2  F5:.5 Eb5:.5 D5:.5 C5:.5 Bb4:2  A4:1 C5:1 Eb5:1 F#5:1  G5:1 F#5:.5 "
    "E5:.5 D5:2";
const char* kGreedBridgeProg = "Cm Cm Gm Gm Eb D7 Gm D7";
const char* kGreedBridge =
    "Eb5:1.5 D5:.5 C5:1 G4:1  Eb5:1 F5:1 G5:2  D5:1.5 C5:.5 Bb4:1 G4:1  Bb4:1 C5:1 D5:2 "
    "G5:1 F5:1 Eb5:1 Bb4:1  A4:1 C5:1 F#5:2  G5:1 D5:1 Bb4:1 G4:1  A4:1 C5:1 D5:2";

// boss1.mp3 — the fight with Greed. 126 BPM with a strut, 24 bars.
Stereo boss1() {
    Song s;
    s.bpm = 126;
    s.bars = 24;
    s.swing = 0.18;
    s.echoFeedback = 0.2;
    const auto intro = prog("Gm Gm Eb D7", 0);
    const auto a = prog(kGreedProg, 4);
    const auto b = prog(kGreedBridgeProg, 12);
    const auto turn = prog("Gm Eb D7 D7", 20);
    std::vector<Chord> all = intro;
    for (const auto* part : {&a, &b, &turn}) all.insert(all.end(), part->begin(), part->end());

    s.parts.push_back(
        voice(bass(500, 1000), bassNotes(all, "r.-.f.-.o.-.f.t.", 31, 0.9), 0.6, 0.0, 0.03));
    // Off-beat brass stabs: the gold-counting swagger.
    std::vector<Note> stabs;
    for (const Chord& c : all)
        for (double off : {0.5, 1.5, 2.5, 3.25})
            for (const Note& n : padNotes({c}, 55, 67, 0.8))
                stabs.push_back({c.beat + off, 0.35, n.midi, off == 3.25 ? 0.6 : 0.8});
    s.parts.push_back(voice(stab(), stabs, 0.25, 0.25, 0.2));
    s.parts.push_back(voice(
        brass(1100),
        cat({notes(kGreedTune, 4), notes(kGreedBridge, 12),
             notes("G4:1 Bb4:.5 A4:.5 D5:2  Eb5:1 D5:1 C5:1 Bb4:1  A4:2 D5:2  F#4:2 A4:1 C5:1",
                   20)}),
        0.4, -0.15, 0.3, 0.1));
    s.parts.push_back(voice(
        brass(800), shifted(cat({notes(kGreedTune, 4, 0.6), notes(kGreedBridge, 12, 0.6)}), 0, -12),
        0.22, 0.3, 0.3));
    s.parts.push_back(voice(bell(1.41, 2.5, 0.3), arpNotes(b, "0..2..1.3..2..1.", 79, 0.25, 0.4),
                            0.12, 0.45, 0.4, 0.3));
    s.parts.push_back(drum(Drum::Kick, drumNotes("X.....x.X.....x.", 24), 0.7));
    s.parts.push_back(drum(Drum::Snare, drumNotes("....X.......X.g.", 24), 0.45, 0.0, 0.2));
    s.parts.push_back(drum(Drum::HatClosed, drumNotes("x.x.x.xxx.x.x.xx", 24), 0.25, 0.3));
    s.parts.push_back(drum(Drum::Clap, drumNotes("....x.......x...", 8, 48), 0.3, -0.2, 0.3));
    s.parts.push_back(drum(Drum::Crash, once(16), 0.35, -0.3, 0.3));
    s.parts.push_back(drum(Drum::Crash, once(48), 0.35, 0.3, 0.3));
    s.parts.push_back(drum(Drum::Tom, tuned(drumNotes("........x.x.x.x.", 1, 92), 43), 0.4, 0.2));
    return master(s, 9004);
}

// Lust: a smoky cabaret in A minor, the cell as A-C-B-E.
const char* kLustProg = "Am7 Am7 Dm7 Dm7 Fmaj7 E7 Am7 E7";
const char* kLustTune =
    "A4:1 C5:.5 B4:.5 E5:2  -:.5 G5:.5 E5:.5 D5:.5 C5:2  D5:1 F5:.5 E5:.5 A5:2  G5:.5 F5:.5 E5:.5 "
    "D5:.5 C5:2 "
    "C5:1 E5:.5 D5:.5 A5:2  G#5:1 E5:1 D5:1 B4:1  C5:1.5 B4:.5 A4:2  B4:1 D5:1 G#4:2";

// boss2.mp3 — Lust's stage: swung, sultry, a sax in the spotlight. 100 BPM, 24 bars.
Stereo boss2() {
    Song s;
    s.bpm = 100;
    s.bars = 24;
    s.swing = 0.3;
    s.echoBeats = 1.5;
    s.echoFeedback = 0.3;
    s.reverbRoom = 0.7;
    const auto a = prog(std::string(kLustProg) + " " + kLustProg + " " + kLustProg, 0);
    s.parts.push_back(voice(pluck(0.7), bassNotes(a, "r...t...f...o.-.", 33, 0.9), 0.7, 0.0, 0.1));
    s.parts.push_back(voice(
        rhodes(),
        [&] {
            std::vector<Note> v;
            for (const Chord& c : a)
                for (double off : {0.0, 1.5, 2.5})
                    for (const Note& n : padNotes({c}, 57, 69, 0.6))
                        v.push_back({c.beat + off, off == 0.0 ? 1.4 : 0.9, n.midi, 0.6});
            return v;
        }(),
        0.3, -0.3, 0.4));
    // The sax teases the cell over the first eight bars, then sings the tune, then takes it up
    // high.
    s.parts.push_back(voice(
        sax(),
        cat({repeated(notes("A4:1 C5:.5 B4:.5 E5:3 -:3", 0, 0.8), 2, 16),
             notes("-:2 G4:.5 A4:.5 C5:1 -:4", 2, 0.7), notes("-:2 E5:.5 D5:.5 B4:1 -:4", 6, 0.7),
             notes(kLustTune, 8), shifted(notes(kLustTune, 16), 0, 12)}),
        0.35, 0.1, 0.35, 0.15));
    s.parts.push_back(voice(pad(900), padNotes(prog(kLustProg, 16), 60, 72, 0.4), 0.2, 0.3, 0.5));
    s.parts.push_back(voice(bell(3.5, 1.0, 0.6), notes("A5:1 C6:.5 B5:.5 E6:2 -:28", 0, 0.5), 0.2,
                            0.4, 0.6, 0.5));
    s.parts.push_back(drum(Drum::Kick, drumNotes("X.......x.....x.", 24), 0.55));
    s.parts.push_back(drum(Drum::Snap, drumNotes("....X.......X...", 24), 0.35, -0.2, 0.4));
    s.parts.push_back(drum(Drum::HatClosed, drumNotes("x...x.x.x...x.x.", 24), 0.22, 0.35));
    s.parts.push_back(drum(Drum::Rim, drumNotes("..............g.", 24), 0.12, 0.2));
    s.parts.push_back(drum(Drum::Crash, once(32), 0.25, -0.3, 0.4));
    return master(s, 9005);
}

// Valdro: dark and grand in D minor with the harmonic minor's C#; the cell in the depths.
const char* kValdroProg = "Dm Dm Bb A Gm Dm Eb A";

// boss3.mp3 — the final fight: organ, choir, timpani, driving strings. 140 BPM, 32 bars.
Stereo boss3() {
    Song s;
    s.bpm = 140;
    s.bars = 32;
    s.reverbRoom = 0.85;
    s.reverbDamp = 0.35;
    s.echoFeedback = 0.0;
    const auto p = prog(
        std::string(kValdroProg) + " " + kValdroProg + " " + kValdroProg + " " + kValdroProg, 0);
    const auto sect = [&](int first, int count) {
        return std::vector<Chord>(p.begin() + first, p.begin() + first + count);
    };

    s.parts.push_back(voice(organ(), padNotes(p, 50, 65, 0.55), 0.3, -0.15, 0.6));
    // The strings drive from the first bar, quiet at first.
    s.parts.push_back(voice(strings(),
                            cat({bassNotes(sect(0, 8), "r.r.r.o.r.r.r.f.", 38, 0.5),
                                 bassNotes(sect(8, 24), "rrorrrorrrorrfrt", 38, 0.75)}),
                            0.35, 0.25, 0.2));
    s.parts.push_back(voice(bass(380, 600), bassNotes(sect(8, 24), "r-.r-.r-r-.r-.f-", 26, 0.9),
                            0.55, 0.0, 0.05));
    s.parts.push_back(voice(choir(), padNotes(sect(16, 16), 62, 74, 0.6), 0.3, 0.0, 0.7));
    // The cell stretched out in the low brass: D-F-E-A, then an octave higher in the strings'
    // answer.
    s.parts.push_back(
        voice(brass(700),
              cat({notes("D3:4 F3:4 E3:4 A3:4 G3:4 F3:4 G3:4 A3:4", 8, 0.9),
                   notes("D4:4 F4:4 E4:2 D4:2 A4:4 Bb4:2 A4:2 G4:4 Bb4:2 G4:2 A4:4", 24, 0.9)}),
              0.4, -0.2, 0.4));
    s.parts.push_back(
        voice(lead(),
              notes("D5:1.5 F5:.5 E5:1 A5:1  Bb5:2 A5:2  D6:1.5 C#6:.5 Bb5:1 A5:1  G5:2 F5:1 E5:1 "
                    "D5:1.5 F5:.5 E5:1 A5:1  Bb5:2 G5:2  Eb5:2 G5:1 Bb5:1  A5:3 C#5:1",
                    16, 0.9),
              0.35, 0.1, 0.4, 0.2));
    s.parts.push_back(
        voice(bell(3.5, 2.0, 1.5), notes("D6:4 F6:4 E6:4 A6:4", 0, 0.6), 0.25, 0.3, 0.7));
    s.parts.push_back(drum(
        Drum::Timpani, tuned(drumNotes("X.........x.x...X.........x.xxxx", 4), 38), 0.7, 0.0, 0.4));
    s.parts.push_back(
        drum(Drum::Timpani, tuned(drumNotes("X.....x.X...x.xx", 28, 16), 33), 0.45, 0.0, 0.4));
    s.parts.push_back(drum(Drum::Kick, drumNotes("X.......X.......", 4, 16), 0.6));
    s.parts.push_back(drum(Drum::Kick, drumNotes("X.x...x.X.x...x.", 24, 32), 0.7));
    s.parts.push_back(drum(Drum::Snare, drumNotes("....X.......X.gg", 16, 64), 0.45, 0.0, 0.3));
    s.parts.push_back(drum(Drum::HatClosed, drumNotes("x.x.x.x.x.x.x.x.", 16, 64), 0.2, 0.3));
    s.parts.push_back(drum(Drum::Crash, once(32), 0.4, -0.3, 0.4));
    s.parts.push_back(drum(Drum::Crash, once(64), 0.4, 0.3, 0.4));
    s.parts.push_back(drum(Drum::Crash, once(96), 0.4, -0.3, 0.4));
    s.parts.push_back(
        drum(Drum::Tom, tuned(drumNotes("x.x.x.x.X.X.XXXX", 1, 124), 40), 0.45, 0.2, 0.3));
    return master(s, 9006);
}

// boss1talk.mp3 — Greed holding court: the same tune as a lazy lounge number. 92 BPM, 16 bars.
Stereo boss1Talk() {
    Song s;
    s.bpm = 92;
    s.bars = 16;
    s.swing = 0.3;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.3;
    const auto p = prog(std::string(kGreedProg) + " " + kGreedBridgeProg, 0);
    s.parts.push_back(
        voice(pluck(0.65), bassNotes(p, "r...f...o...f...", 31, 0.8), 0.65, 0.0, 0.1));
    s.parts.push_back(voice(
        rhodes(),
        [&] {
            std::vector<Note> v;
            for (const Chord& c : p)
                for (double off : {0.5, 2.5})
                    for (const Note& n : padNotes({c}, 55, 67, 0.5))
                        v.push_back({c.beat + off, 1.0, n.midi, 0.5});
            return v;
        }(),
        0.3, -0.25, 0.4));
    Patch muted = brass(800);
    muted.filterEnvHz = 1200;
    s.parts.push_back(voice(muted, cat({notes(kGreedTune, 0, 0.8), notes(kGreedBridge, 8, 0.7)}),
                            0.5, 0.15, 0.35, 0.2));
    s.parts.push_back(voice(bell(1.41, 2.0, 0.4),
                            notes("-:30 G6:.5 D6:.5 -:16 -:14 Bb6:.5 G6:.5 D7:1", 0, 0.5), 0.2, 0.4,
                            0.5, 0.4));
    s.parts.push_back(drum(Drum::HatClosed, drumNotes("x..x..x.x..x..x.", 16), 0.11, 0.3));
    s.parts.push_back(drum(Drum::Snap, drumNotes("....x.......x...", 16), 0.18, -0.2, 0.3));
    return master(s, 9007);
}

// boss2talk.mp3 — Lust in the dressing room: Rhodes, brushes and a breathy sax. 84 BPM, 16 bars.
Stereo boss2Talk() {
    Song s;
    s.bpm = 84;
    s.bars = 16;
    s.swing = 0.3;
    s.echoBeats = 1.5;
    s.echoFeedback = 0.35;
    s.reverbRoom = 0.7;
    const auto p = prog(std::string(kLustProg) + " " + kLustProg, 0);
    s.parts.push_back(voice(pluck(0.75), bassNotes(p, "r.......f.....t.", 33, 0.8), 0.7, 0.0, 0.1));
    s.parts.push_back(voice(rhodes(), padNotes(p, 57, 71, 0.5), 0.35, -0.25, 0.5));
    Patch breathy = sax();
    breathy.cutoff = 900;
    breathy.drive = 0.0;
    s.parts.push_back(voice(breathy,
                            notes("A4:1 C5:.5 B4:.5 E5:4 -:2.5  D5:1 F5:.5 E5:.5 A5:4 -:2.5 "
                                  "C5:1 E5:.5 D5:.5 A5:4 -:2  C5:1.5 B4:.5 A4:2 -:4",
                                  8, 0.8),
                            0.35, 0.15, 0.45, 0.3));
    s.parts.push_back(
        voice(bell(3.5, 1.0, 0.6), notes("A5:1 C6:.5 B5:.5 E6:2", 0, 0.5), 0.22, 0.4, 0.6, 0.5));
    s.parts.push_back(drum(Drum::Shaker, drumNotes("x.g.x.g.x.g.x.gg", 16), 0.15, 0.3, 0.3));
    s.parts.push_back(drum(Drum::Rim, drumNotes("....x.......x...", 16), 0.12, -0.2, 0.3));
    s.parts.push_back(drum(Drum::Kick, drumNotes("x.........x.....", 16), 0.35));
    return master(s, 9008);
}

// boss3talk.mp3 — Valdro speaks: organ drones, a choir and a slow heartbeat. 72 BPM, 12 bars.
Stereo boss3Talk() {
    Song s;
    s.bpm = 72;
    s.bars = 12;
    s.reverbRoom = 0.9;
    s.reverbDamp = 0.3;
    s.echoBeats = 1.5;
    s.echoFeedback = 0.35;
    const auto p = prog("Dm Dm Bb A Gm Dm Eb A Dm Bb Gm A", 0);
    s.parts.push_back(voice(organ(), padNotes(p, 50, 62, 0.45), 0.3, -0.1, 0.6));
    s.parts.push_back(voice(choir(), padNotes(p, 62, 72, 0.45), 0.25, 0.2, 0.7));
    s.parts.push_back(voice(softBass(), bassNotes(p, "r---------------", 26, 0.8), 0.55, 0.0, 0.2));
    s.parts.push_back(voice(
        bell(3.5, 2.0, 1.8),
        notes("D5:2 F5:1 E5:1 A5:4 -:8 Bb5:2 A5:1 G5:1 A5:4 -:8 D5:2 F5:1 E5:1 A4:4 -:12", 0, 0.7),
        0.3, 0.25, 0.6, 0.4));
    s.parts.push_back(
        drum(Drum::Timpani, tuned(drumNotes("X..x............", 12), 38), 0.45, 0.0, 0.5));
    return master(s, 9009);
}

}  // namespace

std::vector<Asset> musicTracks() {
    return {
        {"main.mp3", mainTheme},
        {"quiet_music.mp3", quietMusic},
        {"level_music.mp3", levelMusic},
        {"boss1.mp3", boss1},
        {"boss2.mp3", boss2},
        {"boss3.mp3", boss3},
        {"boss1talk.mp3", boss1Talk},
        {"boss2talk.mp3", boss2Talk},
        {"boss3talk.mp3", boss3Talk},
    };
}

}  // namespace valdro_audio
