// SPDX-License-Identifier: GPL-3.0-or-later
// The texture table (TextureName, TextureEntry) and the loading of its files without GL;
// texture_table.cpp has the bodies.
#pragma once

// Which picture file feeds which texture. Texture names are fixed small numbers bound
// directly with glBindTexture; nothing generates them. No GL here, so the loading order,
// the missing-file messages and the camouflage look-ups are testable without a display.

#include <array>
#include <functional>
#include <string>

#include "render/bitmap_reader.h"

class GameHost;

enum TextureName : unsigned {
    NoTexture = 0,
    BlueCamoTexture = 1,
    BlueCamo2Texture = 2,  // loaded, not used by any model
    CityCamoTexture = 3,
    ForestCamoTexture = 4,
    Forest2CamoTexture = 5,
    TrackSideTexture = 6,
    TrackFrontTexture1 = 7,  // upper slants of the tracks
    TrackFrontTexture2 = 8,  // lower slants of the tracks
    TrackLengthTexture = 9,  // track top and bottom
    FloorTexture = 10,       // arena floor and the two scene boxes
    FallCamoTexture = 11,
    PrizeTexture = 14,
};

struct TextureEntry {
    const char* fileName;
    TextureName name;
    bool mipmapped;
};

constexpr std::size_t textureCount = 12;

// In loading order.
const std::array<TextureEntry, textureCount>& textureTable();

// The texture a camouflage id draws its tanks with (and the player dialog previews): the one
// loaded from the camouflage's texture file; NoTexture for an id outside 37..41.
TextureName textureForCamouflage(int camouflage);

constexpr const char* missingFileCaption = "Error in Krellmont";
std::string missingFileMessage(const std::string& fileName);
// A file that is there but cannot be used, and why.
std::string unusableFileMessage(const std::string& fileName, const char* reason);

using TextureUpload = std::function<void(const TextureEntry&, const RgbImage&)>;

// One file, read from `folder` (empty: the working directory): a missing, unreadable or
// malformed file is reported through the host, one message naming it; a good one is handed
// to `upload`.
void loadTextureBitmap(GameHost& host, const std::string& folder, const TextureEntry& entry,
                       const TextureUpload& upload);

// Every file of the table, in order, as above.
void loadTextureBitmaps(GameHost& host, const std::string& folder, const TextureUpload& upload);
