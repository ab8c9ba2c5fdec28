// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bitmap_assets.h"

#include "resources/asset_catalog.h"
#include "tools/camouflage.h"
#include "tools/icon.h"
#include "tools/surface_textures.h"
#include "tools/track_textures.h"

namespace assets {

namespace {

// Camouflage ids 37..41 in the order of camouflagePreviews.
constexpr Camouflage previewOrder[5] = {Camouflage::Blue, Camouflage::Fall, Camouflage::City,
                                        Camouflage::Forest, Camouflage::Forest2};

}  // namespace

std::vector<BitmapAsset> makeAllBitmaps() {
    std::vector<BitmapAsset> all;
    all.push_back({"trackSideView.bmp", makeTrackSideView()});
    all.push_back({"trackFrontView1.bmp", makeTrackFrontView1()});
    all.push_back({"trackFrontView2.bmp", makeTrackFrontView2()});
    all.push_back({"trackLengthView.bmp", makeTrackLengthView()});
    all.push_back({"floor.bmp", makeFloor()});
    all.push_back({"bluecamo.bmp", makeCamouflage(Camouflage::Blue)});
    all.push_back({"bluecamo2.bmp", makeCamouflage(Camouflage::Blue2)});
    all.push_back({"citycamo.bmp", makeCamouflage(Camouflage::City)});
    all.push_back({"forestcamo.bmp", makeCamouflage(Camouflage::Forest)});
    all.push_back({"Camouflage.bmp", makeCamouflage(Camouflage::Forest2)});
    all.push_back({"fallcamo.bmp", makeCamouflage(Camouflage::Fall)});
    all.push_back({"prize.bmp", makePrize()});
    for (int i = 0; i < 5; ++i) {
        all.push_back({camouflagePreviews[i].previewFile, makeCamouflagePreview(previewOrder[i])});
    }
    all.push_back({largeIconFile, makeIcon(32)});
    all.push_back({smallIconFile, makeIcon(16)});
    return all;
}

}  // namespace assets
