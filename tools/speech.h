// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken taunts from the espeak-ng speech synthesizer, when it is installed.
#pragma once

#include <optional>
#include <string>

#include "tools/wav_file.h"

namespace assets {

struct Voice {
    std::string name;  // espeak-ng voice, e.g. "en-us+m3"
    int pitch;         // 0..99
    int wordsPerMinute;
};

// Runs espeak-ng (found on PATH) to speak `text` into `scratchFile`, reads it back and
// removes it. Nothing when the program is missing, fails, or writes no usable WAV.
std::optional<Sound> speak(const std::string& text, const Voice& voice,
                           const std::string& scratchFile);

}  // namespace assets
