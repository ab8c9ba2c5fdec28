// SPDX-License-Identifier: GPL-3.0-or-later
// Every sound the generator writes: the cannon and the ten taunts.
#pragma once

#include <string>
#include <vector>

#include "tools/speech.h"
#include "tools/wav_file.h"

namespace assets {

struct SoundAsset {
    std::string file;
    Sound sound;
    bool spoken;  // made by the speech synthesizer rather than synthesized here
};

// With `useSpeech` the spoken taunts come from espeak-ng (scratch files go into
// `scratchDir`); without it, or when speaking fails, a wordless babble takes their place.
std::vector<SoundAsset> makeAllSounds(bool useSpeech, const std::string& scratchDir);

}  // namespace assets
