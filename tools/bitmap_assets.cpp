// SPDX-License-Identifier: GPL-3.0-or-later
// The list of pictures the generator writes: camouflages, previews, tracks, floor, prize, icon.
#include "tools/bitmap_assets.h"

#include "game/camouflage.h"
#include "resources/asset_catalog.h"
#include "tools/camouflage.h"
#include "tools/icon.h"
#include "tools/surface_textures.h"
#include "tools/track_textures.h"

namespace assets {

namespace {

// The generator's pattern for each camouflage a player may choose.
Camouflage patternOf(::Camouflage id) {
    switch (id) {
        case BlueCamouflage:
            return Camouflage::Blue;
        case FallCamouflage:
            return Camouflage::Fall;
        case CityCamouflage:
            return Camouflage::City;
        case ForestCamouflage:
            return Camouflage::Forest;
        case Forest2Camouflage:
            break;
    }
    return Camouflage::Forest2;
}

}  // namespace

std::vector<BitmapAsset> makeAllBitmaps() {
    std::vector<BitmapAsset> all;
    all.push_back({trackSideFile, makeTrackSideView()});
    all.push_back({trackFrontUpperFile, makeTrackFrontView1()});
    all.push_back({trackFrontLowerFile, makeTrackFrontView2()});
    all.push_back({trackLengthFile, makeTrackLengthView()});
    all.push_back({floorFile, makeFloor()});
    all.push_back({blueCamo2File, makeCamouflage(Camouflage::Blue2)});
    for (const CamouflageEntry& entry : camouflages) {
        all.push_back({entry.textureFile, makeCamouflage(patternOf(entry.id))});
    }
    all.push_back({prizeFile, makePrize()});
    for (const CamouflageEntry& entry : camouflages) {
        all.push_back({entry.previewFile, makeCamouflagePreview(patternOf(entry.id))});
    }
    all.push_back({largeIconFile, makeIcon(32)});
    all.push_back({smallIconFile, makeIcon(16)});
    return all;
}

}  // namespace assets
