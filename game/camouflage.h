// SPDX-License-Identifier: GPL-3.0-or-later
// The camouflages a player may choose: one table for the rules, the drawing, the player
// dialog and the asset generator.
#pragma once

#include "resources/asset_catalog.h"

#include <array>
#include <cstdint>

// Camouflage ids; each selects a texture, the tank display lists and a preview picture.
enum Camouflage : std::int32_t {
    BlueCamouflage = 37,
    FallCamouflage = 38,
    CityCamouflage = 39,
    ForestCamouflage = 40,
    Forest2Camouflage = 41,
};

struct CamouflageEntry {
    Camouflage id;
    const char* label;        // the player dialog's choice
    const char* textureFile;  // the tanks are drawn with it
    const char* previewFile;  // the dialog's picture of it
};

// In the player dialog's left-to-right order, which is also the order in which the tank
// display lists are built: an entry's index is its slot.
inline constexpr std::array<CamouflageEntry, 5> camouflages{{
    {CityCamouflage, "City", cityCamoFile, previewCityFile},
    {FallCamouflage, "Fall", fallCamoFile, previewFallFile},
    {BlueCamouflage, "Blue", blueCamoFile, previewBlueFile},
    {ForestCamouflage, "Forest", forestCamoFile, previewForestFile},
    {Forest2Camouflage, "Forest2", forest2CamoFile, previewForest2File},
}};

// The slot of a camouflage id in `camouflages`, or -1 outside 37..41.
constexpr int camouflageListSlot(std::int32_t camouflage) {
    for (std::size_t slot = 0; slot < camouflages.size(); ++slot) {
        if (camouflages[slot].id == camouflage) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}
