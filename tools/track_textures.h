// SPDX-License-Identifier: GPL-3.0-or-later
// The four views of a tank track: the side with its road wheels and the steel links seen
// from the front slants and from above.
#pragma once

#include "tools/image.h"

namespace assets {

// 256 x 128: belt, road wheels, sprocket and idler, drawn in the track's own proportions.
Image makeTrackSideView();
// Links stacked along the picture's height; the count matches each face's length so that
// all faces show links of about the same size.
Image makeTrackFrontView1();  // upper slants: 128 x 128, 2 links
Image makeTrackFrontView2();  // lower slants: 128 x 128, 4 links
Image makeTrackLengthView();  // top and bottom: 128 x 256, 16 links

}  // namespace assets
