// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/texture_table.h"

#include <filesystem>

#include "game/host.h"

const std::array<TextureEntry, textureCount>& textureTable() {
    static const std::array<TextureEntry, textureCount> table = {{
        {"trackSideView.bmp", TrackSideTexture, false},
        {"trackFrontView1.bmp", TrackFrontTexture1, false},
        {"trackFrontView2.bmp", TrackFrontTexture2, false},
        {"trackLengthView.bmp", TrackLengthTexture, false},
        {"floor.bmp", FloorTexture, true},
        {"bluecamo.bmp", BlueCamoTexture, false},
        {"bluecamo2.bmp", BlueCamo2Texture, false},
        {"citycamo.bmp", CityCamoTexture, false},
        {"forestcamo.bmp", ForestCamoTexture, false},
        {"Camouflage.bmp", Forest2CamoTexture, false},
        {"fallcamo.bmp", FallCamoTexture, false},
        {"prize.bmp", PrizeTexture, true},
    }};
    return table;
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
