// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds made from scratch: the cannon, the chicken, and a wordless stand-in for a spoken
// taunt when no speech synthesizer is installed.
#pragma once

#include "tools/wav_file.h"

namespace assets {

constexpr int synthRate = 22050;
constexpr float targetPeak = 0.89f;  // about -1 dBFS: loud, with headroom against clipping
constexpr double shortestSound = 0.1;
constexpr double longestSound = 3.0;

// A short crack, a falling boom and a rumble.
Sound makeCannonShot();
// Three clucks and a squawk.
Sound makeChickenCluck();
// `syllables` vowel-like blips with a falling, mocking pitch; `seed` varies the vowels.
Sound makeBabble(int syllables, unsigned seed);

// Cuts leading and trailing near-silence, keeps the length within shortestSound..longestSound,
// fades both ends so they do not click, and scales the peak to targetPeak. A silent sound is
// left silent (and padded to the shortest length).
void finishSound(Sound& sound);

}  // namespace assets
