// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesizing the cannon, the chicken and the wordless taunts, and finishing every sound.
#include "tools/sound_synth.h"

#include <algorithm>
#include <cmath>

#include "tools/noise.h"

namespace assets {

namespace {

constexpr double pi = 3.14159265358979323846;

// Uniform noise in -1..1 from the project's own generator, so the result never depends on
// the standard library's random engines.
class NoiseSource {
  public:
    explicit NoiseSource(unsigned seed) : dice_(seed) {}
    float next() { return float(dice_.next() % 65536u) / 32768.0f - 1.0f; }

  private:
    Dice dice_;
};

// Two-pole band-pass filter (constant peak gain) for the formants of the voice-like sounds.
class BandPass {
  public:
    BandPass(double centre, double q, int rate) {
        const double w = 2.0 * pi * centre / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    float process(float x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return float(y);
    }

  private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A buzzing voice through two formants: the building block of clucks and babble.
void addVoiced(std::vector<float>& out, double start, double length, double pitchFrom,
               double pitchTo, double formant1, double formant2, float level) {
    const size_t first = size_t(start * synthRate);
    const size_t count = size_t(length * synthRate);
    if (out.size() < first + count) {
        out.resize(first + count, 0.0f);
    }
    BandPass f1(formant1, 5.0, synthRate);
    BandPass f2(formant2, 7.0, synthRate);
    double phase = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / double(count);
        const double pitch = pitchFrom + (pitchTo - pitchFrom) * t;
        phase += pitch / synthRate;
        phase -= std::floor(phase);
        const float saw = float(2.0 * phase - 1.0);
        const double attack = std::min(1.0, double(i) / (0.006 * synthRate));
        const double envelope = attack * std::pow(1.0 - t, 1.5);
        out[first + i] += level * float(envelope) * (f1.process(saw) + 0.6f * f2.process(saw));
    }
}

}  // namespace

Sound makeCannonShot() {
    Sound sound;
    sound.sampleRate = synthRate;
    const size_t count = size_t(1.1 * synthRate);
    sound.samples.resize(count);
    NoiseSource noise(7);
    double boomPhase = 0.0;
    float rumble = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / synthRate;
        const float n = noise.next();
        const double crack = n * std::exp(-t / 0.012);
        const double boomPitch = 38.0 + 95.0 * std::exp(-t / 0.07);
        boomPhase += boomPitch / synthRate;
        const double boom = std::sin(2.0 * pi * boomPhase) * std::exp(-t / 0.28);
        rumble += 0.035f * (n - rumble);  // low-passed noise
        const double tail = rumble * 6.0 * std::exp(-t / 0.38);
        // Soft saturation gives the shot its punch without hard clipping.
        sound.samples[i] = float(std::tanh(1.6 * (0.8 * crack + 0.9 * boom + tail)));
    }
    finishSound(sound);
    return sound;
}

Sound makeChickenCluck() {
    Sound sound;
    sound.sampleRate = synthRate;
    addVoiced(sound.samples, 0.00, 0.08, 520, 640, 1100, 2500, 1.0f);
    addVoiced(sound.samples, 0.15, 0.08, 540, 660, 1100, 2500, 1.0f);
    addVoiced(sound.samples, 0.29, 0.07, 520, 620, 1000, 2400, 0.9f);
    // The closing squawk rises and falls.
    addVoiced(sound.samples, 0.46, 0.12, 560, 900, 1300, 2800, 1.0f);
    addVoiced(sound.samples, 0.56, 0.30, 900, 620, 1200, 2700, 1.2f);
    finishSound(sound);
    return sound;
}

Sound makeBabble(int syllables, unsigned seed) {
    // First and second formants of a, e, i, o, u.
    static const double vowels[5][2] = {
        {730, 1090}, {530, 1840}, {300, 2290}, {570, 840}, {440, 1020}};
    Sound sound;
    sound.sampleRate = synthRate;
    Dice dice(seed);
    syllables = std::clamp(syllables, 1, 8);
    double pitch = 210.0;
    for (int s = 0; s < syllables; ++s) {
        const auto& v = vowels[dice.between(0, 4)];
        const double start = s * 0.19;
        addVoiced(sound.samples, start, 0.16, pitch, pitch * 0.85, v[0], v[1], 1.0f);
        pitch *= 0.93;
    }
    finishSound(sound);
    return sound;
}

void finishSound(Sound& sound) {
    auto& s = sound.samples;
    const float floorLevel = 0.01f;
    float peak = 0.0f;
    for (float v : s) {
        peak = std::max(peak, std::fabs(v));
    }
    if (peak > 0.0f) {
        const float gate = peak * floorLevel;
        auto loud = [gate](float v) { return std::fabs(v) > gate; };
        const auto first = std::find_if(s.begin(), s.end(), loud);
        const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
        s = std::vector<float>(first, last);
    }
    const size_t longest = size_t(longestSound * sound.sampleRate);
    if (s.size() > longest) {
        s.resize(longest);
    }
    const size_t fade = std::min(s.size() / 4, size_t(0.008 * sound.sampleRate));
    for (size_t i = 0; i < fade; ++i) {
        const float g = float(i) / float(fade);
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    if (peak > 0.0f) {
        float newPeak = 0.0f;
        for (float v : s) {
            newPeak = std::max(newPeak, std::fabs(v));
        }
        if (newPeak > 0.0f) {
            for (float& v : s) {
                v *= targetPeak / newPeak;
            }
        }
    }
    // A little air after the end keeps the last syllable from sounding cut off.
    const size_t shortest = size_t(shortestSound * sound.sampleRate) + 1;
    const size_t padded =
        std::min(longest, std::max(shortest, s.size() + size_t(0.02 * sound.sampleRate)));
    s.resize(padded, 0.0f);
}

}  // namespace assets
