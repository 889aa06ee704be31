// The 34 sound effects. Each recipe builds a mono sketch from tones, noise and filters,
// then `finish` adds optional room, trims the silent tail and sets the peak level.

#include <algorithm>
#include <cmath>

#include "catalogue.hpp"
#include "vsynth/seq.hpp"

namespace valdro_audio {

using namespace vsynth;
using BT = Biquad::Type;

namespace {

Mono tone(Wave w, double f0, double f1, double gate, Adsr env, double gain = 1.0, double duty = 0.5,
          double vibHz = 0.0, double vibSemis = 0.0, double slideTime = -1.0) {
    Rng unused(1);
    Tone t;
    t.wave = w;
    t.freq = f0;
    t.freqEnd = f1;
    t.slideTime = slideTime;
    t.gate = gate;
    t.env = env;
    t.duty = duty;
    t.vibratoHz = vibHz;
    t.vibratoSemis = vibSemis;
    t.gain = gain;
    return render(t, unused);  // pitched waves draw no random numbers
}

// Noise shaped by an exponential decay after a linear attack.
Mono burst(Rng& rng, double seconds, double attack, double tau) {
    Mono m = noise(seconds, rng);
    for (std::size_t i = 0; i < m.size(); ++i) {
        const double t = double(i) / kSampleRate;
        m[i] *= float(std::min(1.0, t / std::max(attack, 1e-4)) *
                      std::exp(-std::max(0.0, t - attack) / tau));
    }
    fadeOut(m, 0.005);
    return m;
}

Mono bell(Rng& rng, double midi, double decay, double ratio = 3.5, double index = 2.0,
          double gain = 1.0) {
    Patch p;
    p.kind = Patch::Kind::Fm;
    p.fmRatio = ratio;
    p.fmIndex = index;
    p.fmDecay = decay * 0.6;
    p.amp = {0.001, decay, 0.0, 0.05};
    p.gain = gain;
    return renderNote(p, midi, decay, 1.0, rng);
}

Patch brass() {
    Patch p;
    p.layers = {{Wave::Saw, 0, -6, 0.6}, {Wave::Saw, 0, 6, 0.6}, {Wave::Square, -12, 0, 0.3, 0.5}};
    p.amp = {0.03, 0.1, 0.8, 0.18};
    p.cutoff = 900;
    p.filterEnvHz = 2600;
    p.filterEnv = {0.05, 0.25, 0.35, 0.2};
    p.resonance = 1.0;
    p.vibratoHz = 5.5;
    p.vibratoSemis = 0.12;
    p.vibratoDelay = 0.25;
    return p;
}

// A voice-like syllable: a buzzing source through two vowel formants.
Mono syllable(Rng& rng, double f0, double f1, double gate, double formant1, double formant2,
              double breath) {
    Mono src = tone(Wave::Saw, f0, f1, gate, {0.012, 0.03, 0.8, 0.04}, 1.0, 0.5, 7.0, 0.25);
    Mono a = src, b = src;
    filter(a, BT::BandPass, formant1, 5.0);
    filter(b, BT::BandPass, formant2, 6.0);
    Mono out(src.size());
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = a[i] + 0.6f * b[i] + 0.08f * src[i];
    Mono h = burst(rng, 0.05, 0.004, 0.015);
    filter(h, BT::BandPass, formant2, 1.5);
    mixInto(out, h, 0.0, breath);
    return out;
}

Stereo finish(const Mono& m, double reverbWet = 0.0, double room = 0.4, double maxSeconds = 0.55) {
    Stereo s = toStereo(m);
    for (auto* ch : {&s.l, &s.r}) {
        OnePole dc(OnePole::Type::HighPass, 20.0);
        for (float& v : *ch) v = dc.process(v);
    }
    if (reverbWet > 0.0)
        addReverb(s, room, 0.5, reverbWet, 0.35);
    trimTail(s, -40.0, 0.02);
    const std::size_t cap = std::size_t(maxSeconds * kSampleRate);
    if (s.size() > cap) {
        s.resize(cap);
        trimTail(s, -200.0, 0.06);
    }
    normalizePeak(s, kEffectPeakDb);
    return s;
}

// ---------------------------------------------------------------------------------------------

Stereo click() {
    Rng rng(101);
    Mono m = tone(Wave::Square, 2400, 1700, 0.012, {0.0005, 0.006, 0.3, 0.012}, 0.5, 0.3);
    Mono n = burst(rng, 0.02, 0.0005, 0.003);
    filter(n, BT::HighPass, 3000);
    mixInto(m, n, 0.0, 0.6);
    Stereo s = finish(m, 0.0, 0.4, 0.08);
    normalizePeak(s, -6.0);  // menus click a lot: keep it gentle
    return s;
}

Stereo dash() {
    Rng rng(102);
    Mono n = noise(0.36, rng);
    sweep(n, BT::BandPass, 350, 700, 1.4, 3200);
    applyEnvelope(n, {0.08, 0.2, 0.1, 0.06}, 0.3);
    Mono low = tone(Wave::Sine, 180, 80, 0.22, {0.02, 0.1, 0.3, 0.08}, 0.25);
    mixInto(n, low, 0.0);
    return finish(n, 0.12);
}

Stereo heartFall() {
    Rng rng(103);
    Mono m;
    const double notes[] = {88, 84, 81, 76};  // E6 C6 A5 E5, tumbling down
    for (int i = 0; i < 4; ++i)
        mixInto(m, bell(rng, notes[i], 0.22, 2.0, 1.0, 0.8 - 0.1 * i), 0.06 * i);
    Mono land = tone(Wave::Sine, 420, 140, 0.05, {0.002, 0.03, 0.3, 0.05}, 0.9);
    mixInto(m, land, 0.28);
    return finish(m, 0.15);
}

Stereo enemyHit() {
    Rng rng(104);
    Mono m = tone(Wave::Square, 320, 90, 0.09, {0.001, 0.04, 0.5, 0.04}, 0.6);
    Mono n = burst(rng, 0.12, 0.001, 0.025);
    filter(n, BT::LowPass, 3000);
    mixInto(m, n, 0.0, 0.8);
    distort(m, 2.0);
    return finish(m);
}

Stereo shootProta() {
    Rng rng(105);
    Mono m = tone(Wave::Square, 1500, 300, 0.11, {0.001, 0.03, 0.6, 0.04}, 0.7, 0.25, 0, 0, 0.12);
    mixInto(m, tone(Wave::Sine, 750, 150, 0.11, {0.001, 0.03, 0.6, 0.04}, 0.4, 0.5, 0, 0, 0.12),
            0.0);
    Mono n = burst(rng, 0.03, 0.0005, 0.006);
    filter(n, BT::HighPass, 2500);
    mixInto(m, n, 0.0, 0.5);
    return finish(m, 0.08);
}

Stereo shootBlanky() {
    Rng rng(106);
    Mono m = tone(Wave::Sine, 560, 880, 0.2, {0.03, 0.05, 0.8, 0.08}, 0.8, 0.5, 9.0, 0.6);
    mixInto(m, tone(Wave::Triangle, 1120, 1760, 0.2, {0.03, 0.05, 0.8, 0.08}, 0.2, 0.5, 9.0, 0.6),
            0.0);
    Mono air = burst(rng, 0.25, 0.04, 0.08);
    filter(air, BT::BandPass, 1400, 1.2);
    mixInto(m, air, 0.0, 0.3);
    return finish(m, 0.3, 0.6);
}

Stereo shootPeanut() {
    Rng rng(107);
    Mono m = tone(Wave::Sine, 220, 1000, 0.045, {0.001, 0.02, 0.5, 0.03}, 1.0, 0.5, 0, 0, 0.03);
    Mono n = burst(rng, 0.03, 0.0005, 0.005);
    filter(n, BT::LowPass, 2500);
    mixInto(m, n, 0.0, 0.7);
    return finish(m, 0.05);
}

Stereo shootButter() {
    Rng rng(108);
    Mono m = tone(Wave::Sine, 700, 140, 0.12, {0.002, 0.05, 0.5, 0.06}, 0.9);
    Mono squish = burst(rng, 0.2, 0.01, 0.05);
    sweep(squish, BT::LowPass, 1200, 300, 2.0);
    mixInto(m, squish, 0.02, 1.0);
    return finish(m);
}

Stereo shootPikaboo() {
    Rng rng(109);
    Mono m = tone(Wave::Triangle, 300, 560, 0.1, {0.02, 0.02, 1.0, 0.01}, 0.9, 0.5, 6.0, 0.3);
    mixInto(m, tone(Wave::Triangle, 560, 380, 0.15, {0.005, 0.05, 0.8, 0.08}, 0.9, 0.5, 6.0, 0.4),
            0.105);
    return finish(m, 0.2);
}

Stereo shootHandyRock() {
    Rng rng(110);
    Mono thud = tone(Wave::Sine, 110, 45, 0.08, {0.001, 0.05, 0.4, 0.08}, 1.0);
    Mono rumble = burst(rng, 0.3, 0.01, 0.08);
    filter(rumble, BT::LowPass, 350, 1.0);
    mixInto(thud, rumble, 0.0, 1.4);
    Mono whoosh = noise(0.25, rng);
    sweep(whoosh, BT::BandPass, 300, 1300, 1.5);
    applyEnvelope(whoosh, {0.1, 0.1, 0.3, 0.05}, 0.2);
    mixInto(thud, whoosh, 0.04, 0.6);
    distort(thud, 1.5);
    return finish(thud);
}

Stereo shootHandyScissors() {
    Rng rng(111);
    Mono m;
    for (int k = 0; k < 2; ++k) {
        Mono snip = burst(rng, 0.06, 0.0005, 0.012);
        filter(snip, BT::HighPass, 4500);
        filter(snip, BT::Peak, 7500, 3.0, 9.0);
        mixInto(m, snip, 0.12 * k, 0.9);
        mixInto(m, bell(rng, k == 0 ? 98 : 100, 0.12, 1.41, 3.0, 0.35), 0.12 * k);
    }
    return finish(m, 0.06);
}

Stereo itemBought() {
    Rng rng(112);
    Mono m;
    // The drawer rattles open, then the bell rings twice: ka-ching.
    for (int k = 0; k < 4; ++k) {
        Mono r = burst(rng, 0.02, 0.0005, 0.004);
        filter(r, BT::BandPass, 3000, 2.0);
        mixInto(m, r, 0.012 * k, 0.7);
    }
    mixInto(m, bell(rng, 83, 0.35, 3.0, 1.6, 0.8), 0.06);  // B5
    mixInto(m, bell(rng, 88, 0.45, 3.0, 1.6, 1.0), 0.14);  // E6
    return finish(m, 0.15, 0.4, 0.7);
}

Stereo interactProta() {
    Rng rng(113);
    Mono m = tone(Wave::Triangle, 784, 784, 0.045, {0.002, 0.02, 0.6, 0.02}, 0.8);
    mixInto(m, tone(Wave::Triangle, 1175, 1175, 0.06, {0.002, 0.03, 0.5, 0.04}, 0.8), 0.055);
    Stereo s = finish(m, 0.08);
    normalizePeak(s, -5.0);
    return s;
}

Stereo damageTaken() {
    Rng rng(114);
    Mono m = tone(Wave::Square, 520, 130, 0.2, {0.001, 0.05, 0.7, 0.06}, 0.7, 0.4, 28.0, 1.0);
    Mono crunch = burst(rng, 0.08, 0.0005, 0.02);
    filter(crunch, BT::BandPass, 1800, 0.8);
    mixInto(m, crunch, 0.0, 1.0);
    distort(m, 2.5);
    filter(m, BT::LowPass, 5000);
    return finish(m, 0.05);
}

Stereo gameOver() {
    Rng rng(115);
    Patch p = brass();
    Mono m;
    // Wah, wah, wah, waaah: a sagging chromatic fall in D minor.
    const double steps[] = {67, 66, 65};
    for (int i = 0; i < 3; ++i) {
        mixInto(m, renderNote(p, steps[i], 0.3, 0.9, rng), 0.38 * i);
        mixInto(m, renderNote(p, steps[i] - 12, 0.3, 0.5, rng), 0.38 * i);
    }
    Patch last = p;
    last.vibratoSemis = 0.35;
    last.vibratoDelay = 0.15;
    last.amp.release = 0.35;
    mixInto(m, renderNote(last, 64, 1.1, 1.0, rng), 1.14);
    mixInto(m, renderNote(last, 52, 1.1, 0.6, rng), 1.14);
    mixInto(m, renderDrum(Drum::Timpani, 38, 0.9, rng), 1.14);
    return finish(m, 0.25, 0.6, 2.9);
}

Stereo butterHit() {
    Rng rng(116);
    Mono m = tone(Wave::Sine, 260, 150, 0.12, {0.002, 0.05, 0.6, 0.05}, 0.9, 0.5, 18.0, 2.0);
    Mono goo = burst(rng, 0.16, 0.005, 0.04);
    filter(goo, BT::LowPass, 600, 2.5);
    mixInto(m, goo, 0.0, 1.6);
    return finish(m);
}

Stereo peanutHit() {
    Rng rng(117);
    Mono m = tone(Wave::Square, 190, 120, 0.035, {0.0005, 0.02, 0.4, 0.02}, 0.5, 0.3);
    for (int k = 0; k < 2; ++k) {
        Mono crack = burst(rng, 0.04, 0.0003, 0.008);
        filter(crack, BT::HighPass, 2000);
        filter(crack, BT::Peak, 3500, 2.0, 6.0);
        mixInto(m, crack, 0.028 * k, 1.0 - 0.3 * k);
    }
    return finish(m);
}

Stereo blankyHit() {
    Rng rng(118);
    Mono m = tone(Wave::Sine, 1000, 350, 0.18, {0.002, 0.05, 0.7, 0.08}, 0.8, 0.5, 12.0, 0.8);
    mixInto(m,
            tone(Wave::Triangle, 1500, 520, 0.18, {0.002, 0.05, 0.7, 0.08}, 0.25, 0.5, 12.0, 0.8),
            0.0);
    return finish(m, 0.35, 0.6);
}

Stereo handyHit() {
    Rng rng(119);
    Mono m = tone(Wave::Sine, 200, 70, 0.07, {0.001, 0.04, 0.4, 0.05}, 1.0);
    Mono slap = burst(rng, 0.07, 0.0005, 0.012);
    filter(slap, BT::LowPass, 2500);
    filter(slap, BT::Peak, 900, 1.5, 6.0);
    mixInto(m, slap, 0.0, 1.2);
    return finish(m);
}

Stereo pikabooHit() {
    Mono m = tone(Wave::Triangle, 1300, 1900, 0.05, {0.003, 0.01, 1.0, 0.005}, 0.8);
    mixInto(m, tone(Wave::Triangle, 1900, 900, 0.08, {0.001, 0.03, 0.7, 0.04}, 0.8), 0.05);
    return finish(m, 0.1);
}

Stereo storyCompleted() {
    Rng rng(121);
    Patch p = brass();
    p.cutoff = 1400;
    Mono m;
    // The theme's four-note cell in D major, then the tonic chord rings out.
    const double cell[] = {62, 66, 64, 69};
    const double at[] = {0.0, 0.16, 0.32, 0.48};
    for (int i = 0; i < 4; ++i)
        mixInto(m, renderNote(p, cell[i], i == 3 ? 0.24 : 0.13, 0.9, rng), at[i]);
    Patch hold = p;
    hold.amp.release = 0.5;
    for (double n : {74.0, 69.0, 66.0, 62.0, 50.0})
        mixInto(m, renderNote(hold, n, 1.3, n == 74.0 ? 1.0 : 0.55, rng), 0.8);
    for (int k = 0; k < 6; ++k)
        mixInto(m, renderDrum(Drum::Timpani, 38, 0.3 + 0.1 * k, rng), 0.5 + 0.05 * k);
    mixInto(m, renderDrum(Drum::Crash, 60, 0.5, rng), 0.8);
    for (int k = 0; k < 5; ++k)
        mixInto(m, bell(rng, 86 + 3 * (k % 3), 0.3, 2.0, 1.0, 0.25), 0.85 + 0.1 * k);
    return finish(m, 0.3, 0.7, 2.9);
}

Stereo lustSwing() {
    Rng rng(122);
    Mono w = noise(0.2, rng);
    sweep(w, BT::BandPass, 700, 6000, 2.0);
    applyEnvelope(w, {0.12, 0.05, 0.6, 0.04}, 0.15);
    Mono crack = burst(rng, 0.04, 0.0003, 0.006);
    filter(crack, BT::HighPass, 1500);
    mixInto(w, crack, 0.155, 1.6);
    return finish(w, 0.12);
}

Stereo valdroSwing() {
    Rng rng(123);
    Mono w = noise(0.48, rng);
    sweep(w, BT::BandPass, 150, 220, 2.2, 900);
    applyEnvelope(w, {0.18, 0.2, 0.3, 0.1}, 0.38);
    Mono sub = tone(Wave::Sine, 75, 48, 0.3, {0.12, 0.1, 0.6, 0.1}, 0.35);
    mixInto(w, sub, 0.05);
    distort(w, 1.8);
    return finish(w, 0.2, 0.7);
}

Stereo kiss() {
    Rng rng(124);
    Mono smack = burst(rng, 0.03, 0.0005, 0.005);
    filter(smack, BT::BandPass, 1600, 1.5);
    Mono m;
    mixInto(m, smack, 0.0, 1.0);
    Mono voice = tone(Wave::Triangle, 420, 720, 0.16, {0.01, 0.05, 0.7, 0.07}, 0.6, 0.5, 6.0, 0.2);
    filter(voice, BT::LowPass, 1400);
    mixInto(m, voice, 0.015);
    mixInto(m, smack, 0.22, 0.6);
    mixInto(m, bell(rng, 93, 0.2, 2.0, 0.8, 0.25), 0.24);  // a twinkle of a heart
    return finish(m, 0.25, 0.5);
}

Stereo pearl() {
    Rng rng(125);
    Mono m = bell(rng, 91, 0.32, 2.0, 1.2, 1.0);  // G6, round and pure
    mixInto(m, bell(rng, 98, 0.2, 2.0, 0.6, 0.3), 0.03);
    return finish(m, 0.15);
}

Stereo diamond() {
    Rng rng(126);
    Mono m = bell(rng, 96, 0.35, 3.7, 2.2, 0.9);  // C7 with glassy partials
    mixInto(m, bell(rng, 103, 0.3, 3.7, 1.8, 0.6), 0.05);
    mixInto(m, bell(rng, 108, 0.2, 2.0, 1.0, 0.3), 0.1);
    return finish(m, 0.2, 0.5);
}

Stereo coins() {
    Rng rng(127);
    Mono m;
    for (int k = 0; k < 6; ++k) {
        const double midi = 95.0 + rng.range(0.0, 6.0);
        mixInto(m, bell(rng, midi, 0.18, 1.41, 2.5, 0.8), 0.045 * k + rng.range(0.0, 0.02));
    }
    return finish(m, 0.1);
}

Stereo valdroWave() {
    Rng rng(128);
    Patch p;
    p.layers = {{Wave::Saw, 0, -10, 0.7}, {Wave::Saw, 0, 10, 0.7}, {Wave::Saw, 12, 0, 0.3}};
    p.amp = {0.06, 0.2, 0.8, 0.15};
    p.cutoff = 200;
    p.filterEnvHz = 2800;
    p.filterEnv = {0.2, 0.25, 0.1, 0.1};
    p.resonance = 4.0;
    p.drive = 1.5;
    p.glideSemis = -7;
    p.glideTime = 0.25;
    Mono m = renderNote(p, 33, 0.42, 1.0, rng);  // A1 rising in
    return finish(m, 0.25, 0.7);
}

Stereo plainSkull() {
    Rng rng(129);
    Mono m;
    // Rattling jaw: a quick run of hollow knocks over a faint eerie tone.
    for (int k = 0; k < 7; ++k) {
        Mono knock = burst(rng, 0.03, 0.0003, 0.006);
        filter(knock, BT::BandPass, 1200 + 200 * (k % 3), 8.0);
        mixInto(m, knock, 0.045 * k + rng.range(0.0, 0.01), 3.0 * (1.0 - 0.08 * k));
    }
    mixInto(m, tone(Wave::Sine, 233, 208, 0.3, {0.05, 0.1, 0.6, 0.1}, 0.25, 0.5, 5.0, 0.5), 0.0);
    return finish(m, 0.2);
}

Stereo fire() {
    Rng rng(130);
    Mono roar = noise(0.56, rng);
    sweep(roar, BT::BandPass, 300, 500, 0.8, 1500);
    applyEnvelope(roar, {0.1, 0.2, 0.5, 0.15}, 0.4);
    Mono m = roar;
    for (int k = 0; k < 24; ++k) {  // crackles
        Mono c = burst(rng, 0.008, 0.0002, 0.0015);
        filter(c, BT::HighPass, 2500);
        mixInto(m, c, rng.range(0.02, 0.5), rng.range(0.3, 0.9));
    }
    return finish(m, 0.1);
}

Stereo lustLaugh() {
    Rng rng(131);
    Mono m;
    // "Ha-ha-ha-haa", an open vowel stepping down.
    const double pitch[] = {392, 370, 349, 330};
    for (int k = 0; k < 4; ++k) {
        const double gate = k == 3 ? 0.16 : 0.085;
        mixInto(
            m,
            syllable(rng, pitch[k] * 1.04, pitch[k] * (k == 3 ? 0.9 : 0.98), gate, 850, 1250, 0.5),
            0.13 * k);
    }
    return finish(m, 0.15, 0.4, 0.85);
}

Stereo greedRun() {
    Rng rng(132);
    Mono m = tone(Wave::Square, 160, 900, 0.22, {0.005, 0.05, 0.8, 0.03}, 0.45, 0.3);
    for (int k = 0; k < 3; ++k) {
        Mono step = tone(Wave::Sine, 130, 60, 0.04, {0.001, 0.03, 0.3, 0.03}, 1.0);
        Mono grit = burst(rng, 0.03, 0.0005, 0.008);
        filter(grit, BT::LowPass, 1500);
        mixInto(step, grit, 0.0, 0.5);
        mixInto(m, step, 0.25 + 0.1 * k, 1.0 - 0.15 * k);
    }
    return finish(m, 0.05);
}

Stereo bossHit() {
    Rng rng(133);
    Mono m = tone(Wave::Sine, 150, 40, 0.14, {0.001, 0.08, 0.5, 0.1}, 1.0);
    Mono crunch = burst(rng, 0.12, 0.0005, 0.03);
    filter(crunch, BT::LowPass, 4000);
    filter(crunch, BT::Peak, 1200, 1.0, 6.0);
    mixInto(m, crunch, 0.0, 1.0);
    mixInto(m, bell(rng, 76, 0.15, 1.41, 3.0, 0.2), 0.0);  // a metallic clang in the armour
    distort(m, 3.0);
    return finish(m, 0.1);
}

Stereo nonono() {
    Rng rng(134);
    Mono m;
    // Three wagging-finger "no"s, the last one lower.
    const double f[] = {330, 330, 262};
    for (int k = 0; k < 3; ++k)
        mixInto(m, syllable(rng, f[k], f[k] * 0.97, 0.11, 450, 850, 0.0), 0.17 * k);
    Mono buzz = tone(Wave::Square, 110, 110, 0.5, {0.005, 0.05, 0.8, 0.04}, 0.08, 0.3);
    filter(buzz, BT::LowPass, 800);
    mixInto(m, buzz, 0.0);
    return finish(m, 0.05, 0.4, 0.7);
}

}  // namespace

std::vector<Asset> effects() {
    return {
        {"click.wav", click},
        {"dash.wav", dash},
        {"heart_fall.wav", heartFall},
        {"hit_enemy.wav", enemyHit},
        {"shoot_prota.wav", shootProta},
        {"shoot_blanky.wav", shootBlanky},
        {"shoot_peanut.wav", shootPeanut},
        {"shoot_butter.wav", shootButter},
        {"shoot_pikaboo.wav", shootPikaboo},
        {"shoot_handy_rock.mp3", shootHandyRock},
        {"shoot_handy_scissors.mp3", shootHandyScissors},
        {"item_bougth.wav", itemBought},
        {"interact_prota.wav", interactProta},
        {"damage_taken.wav", damageTaken},
        {"game_over.wav", gameOver},
        {"butter_damage.wav", butterHit},
        {"peanut_damage.wav", peanutHit},
        {"blanky_damage.wav", blankyHit},
        {"handy_damage.wav", handyHit},
        {"pikaboo_damage.wav", pikabooHit},
        {"story_completed.wav", storyCompleted},
        {"lust_swing.wav", lustSwing},
        {"valdro_swing.wav", valdroSwing},
        {"lust_kiss.wav", kiss},
        {"greed_pearl.wav", pearl},
        {"greed_diamond.wav", diamond},
        {"greed_coins.wav", coins},
        {"valdro_wave.wav", valdroWave},
        {"skull.wav", plainSkull},
        {"fire_skull.wav", fire},
        {"lust_laugh.wav", lustLaugh},
        {"greed_start_running.wav", greedRun},
        {"dano.mp3", bossHit},
        {"nonono.wav", nonono},
    };
}

}  // namespace valdro_audio
