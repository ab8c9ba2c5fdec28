// SPDX-License-Identifier: GPL-3.0-or-later
// The arena floor and the prize crate.
#pragma once

#include "tools/image.h"

namespace assets {

// 256 x 256 dry ground that tiles without seams: the floor repeats it ten times per side.
Image makeFloor();
// 128 x 128 crate face in hazard colours, so a prize stands out on the ground.
Image makePrize();

}  // namespace assets
