// SPDX-License-Identifier: GPL-3.0-or-later
// The tank camouflages: five a player picks from, plus a spare blue one.
#pragma once

#include "tools/image.h"

namespace assets {

enum class Camouflage { Blue, Blue2, Fall, City, Forest, Forest2 };

constexpr int camouflageSize = 128;
constexpr int previewSize = 32;

// camouflageSize square, seamless when repeated.
Image makeCamouflage(Camouflage kind);
// The same pattern shrunk to previewSize square for the player dialog's small pictures.
Image makeCamouflagePreview(Camouflage kind);

}  // namespace assets
