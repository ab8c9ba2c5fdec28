// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the generator writes, with its file name.
#pragma once

#include <string>
#include <vector>

#include "tools/image.h"

namespace assets {

struct BitmapAsset {
    std::string file;
    Image image;
};

// The twelve textures, the five camouflage previews and the two icons.
std::vector<BitmapAsset> makeAllBitmaps();

}  // namespace assets
