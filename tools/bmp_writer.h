// SPDX-License-Identifier: GPL-3.0-or-later
// Writes 24-bit uncompressed Windows bitmaps (BITMAPINFOHEADER, bottom-up rows).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/image.h"

namespace assets {

// The whole file as bytes. Rows are padded to four bytes as the format requires, although
// the textures we make have widths that are multiples of four and so need no padding.
std::vector<uint8_t> encodeBmp24(const Image& image);

// False when the file cannot be written completely.
bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace assets
