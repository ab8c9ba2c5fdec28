// SPDX-License-Identifier: GPL-3.0-or-later
// The texture table in loading order, the camouflage look-up, and reading each file or
// reporting it missing.
#include "render/texture_table.h"

#include <filesystem>

#include "game/camouflage.h"
#include "game/host.h"
#include "resources/asset_catalog.h"

const std::array<TextureEntry, textureCount>& textureTable() {
    static const std::array<TextureEntry, textureCount> table = {{
        {trackSideFile, TrackSideTexture, false},
        {trackFrontUpperFile, TrackFrontTexture1, false},
        {trackFrontLowerFile, TrackFrontTexture2, false},
        {trackLengthFile, TrackLengthTexture, false},
        {floorFile, FloorTexture, true},
        {blueCamoFile, BlueCamoTexture, false},
        {blueCamo2File, BlueCamo2Texture, false},
        {cityCamoFile, CityCamoTexture, false},
        {forestCamoFile, ForestCamoTexture, false},
        {forest2CamoFile, Forest2CamoTexture, false},
        {fallCamoFile, FallCamoTexture, false},
        {prizeFile, PrizeTexture, true},
    }};
    return table;
}

TextureName textureForCamouflage(int camouflage) {
    const int slot = camouflageListSlot(camouflage);
    if (slot < 0) {
        return NoTexture;
    }
    const std::string file = camouflages[static_cast<std::size_t>(slot)].textureFile;
    for (const TextureEntry& entry : textureTable()) {
        if (file == entry.fileName) {
            return entry.name;
        }
    }
    return NoTexture;
}

std::string missingFileMessage(const std::string& fileName) {
    return "You are missing a file called " + fileName;
}

std::string unusableFileMessage(const std::string& fileName, const char* reason) {
    return "The file " + fileName + " cannot be used: " + reason;
}

void loadTextureBitmap(GameHost& host, const std::string& folder, const TextureEntry& entry,
                       const TextureUpload& upload) {
    std::filesystem::path path = folder.empty() ? std::filesystem::path(entry.fileName)
                                                : std::filesystem::path(folder) / entry.fileName;
    BitmapResult<RgbImage> image = loadBitmap(path.string());
    if (image.ok()) {
        upload(entry, image.value);
    } else if (image.error == BitmapError::Missing) {
        host.showMessage(missingFileMessage(entry.fileName), missingFileCaption);
    } else {
        host.showMessage(unusableFileMessage(entry.fileName, describeBitmapError(image.error)),
                         missingFileCaption);
    }
}

void loadTextureBitmaps(GameHost& host, const std::string& folder, const TextureUpload& upload) {
    for (const TextureEntry& entry : textureTable()) {
        loadTextureBitmap(host, folder, entry, upload);
    }
}
