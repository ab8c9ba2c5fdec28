// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds the generator writes: the cannon, and each taunt spoken or synthesized.
#include "tools/sound_assets.h"

#include "resources/asset_catalog.h"
#include "tools/sound_synth.h"

namespace assets {

namespace {

struct Taunt {
    const char* file;
    const char* phrase;  // nullptr: synthesized, not spoken
    Voice voice;
    int syllables;  // for the wordless stand-in
};

// One a taunt file of the catalogue, in its order.
const Taunt taunts[tauntFiles.size()] = {
    {tauntFiles[0], "Hasta la vista, baby.", {"en-us+m3", 25, 140}, 6},
    {tauntFiles[1], "Any last requests?", {"en-us+m1", 40, 160}, 5},
    {tauntFiles[2], nullptr, {}, 0},
    {tauntFiles[3], "Eat my shorts!", {"en-us+m4", 75, 185}, 3},
    {tauntFiles[4], "Ha! Ha! Ha!", {"en-us+m7", 35, 150}, 3},
    {tauntFiles[5], "Hey, doe doe brain!", {"en-us+f2", 60, 170}, 5},
    {tauntFiles[6], "I will be back.", {"en-us+m3", 20, 135}, 4},
    {tauntFiles[7], "My name is Alvin!", {"en-us+f4", 99, 260}, 5},
    {tauntFiles[8], "Wowsers!", {"en-us+m2", 70, 150}, 2},
    {tauntFiles[9], "You dirty rat!", {"en-us+m5", 45, 165}, 4},
};

std::optional<Sound> speakTaunt(const Taunt& taunt, const std::string& scratchDir) {
    const std::string scratch = scratchDir + "/." + taunt.file + ".speaking";
    std::optional<Sound> sound = speak(taunt.phrase, taunt.voice, scratch);
    if (!sound) {
        // The voice variant may be missing from this installation; the plain voice will do.
        sound =
            speak(taunt.phrase, {"en-us", taunt.voice.pitch, taunt.voice.wordsPerMinute}, scratch);
    }
    if (sound && sound->seconds() > longestSound) {
        Voice faster = taunt.voice;
        faster.wordsPerMinute = faster.wordsPerMinute * 3 / 2;
        if (auto quicker = speak(taunt.phrase, faster, scratch)) {
            sound = quicker;
        }
    }
    return sound;
}

}  // namespace

std::vector<SoundAsset> makeAllSounds(bool useSpeech, const std::string& scratchDir) {
    std::vector<SoundAsset> all;
    all.push_back({cannonSoundFile, makeCannonShot(), false});
    unsigned seed = 1;
    for (const Taunt& taunt : taunts) {
        if (taunt.phrase == nullptr) {
            all.push_back({taunt.file, makeChickenCluck(), false});
            continue;
        }
        std::optional<Sound> spoken;
        if (useSpeech) {
            spoken = speakTaunt(taunt, scratchDir);
        }
        if (spoken) {
            finishSound(*spoken);
            all.push_back({taunt.file, std::move(*spoken), true});
        } else {
            all.push_back({taunt.file, makeBabble(taunt.syllables, seed), false});
        }
        ++seed;
    }
    return all;
}

}  // namespace assets
