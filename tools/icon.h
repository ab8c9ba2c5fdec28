// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon: a tank firing its cannon under an open sky.
#pragma once

#include "tools/image.h"

namespace assets {

// A square icon of `size` pixels (32 for the large icon, 16 for the small one).
Image makeIcon(int size);

// The sides the desktop's icon theme gets the icon in.
inline constexpr int themeIconSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace assets
