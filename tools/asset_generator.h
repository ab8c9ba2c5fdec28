// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every picture and sound of the game into one folder.
#pragma once

#include <string>
#include <vector>

namespace assets {

struct GeneratorReport {
    std::vector<std::string> written;  // file names
    std::vector<std::string> failed;   // file names that could not be written
    int spokenTaunts = 0;
};

GeneratorReport generateAssets(const std::string& outputDir, bool useSpeech);

// The icon for the desktop's icon theme, one "krellmont-SIZE.png" per theme size.
GeneratorReport generateThemeIcons(const std::string& outputDir);

}  // namespace assets
