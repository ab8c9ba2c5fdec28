// SPDX-License-Identifier: GPL-3.0-or-later
// Writes 24-bit PNG pictures: the desktop's icon theme takes PNG, not BMP.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/image.h"

namespace assets {

// The whole file as bytes; empty when the encoder fails.
std::vector<uint8_t> encodePng(const Image& image);

}  // namespace assets
