// SPDX-License-Identifier: GPL-3.0-or-later
// generateAssets and generateThemeIcons: each file encoded, written and noted in the report.
#include "tools/asset_generator.h"

#include "tools/bitmap_assets.h"
#include "tools/bmp_writer.h"
#include "tools/icon.h"
#include "tools/png_writer.h"
#include "tools/sound_assets.h"

namespace assets {

namespace {

void record(GeneratorReport& report, const std::string& outputDir, const std::string& file,
            const std::vector<uint8_t>& bytes) {
    if (!bytes.empty() && writeFile(outputDir + "/" + file, bytes)) {
        report.written.push_back(file);
    } else {
        report.failed.push_back(file);
    }
}

}  // namespace

GeneratorReport generateAssets(const std::string& outputDir, bool useSpeech) {
    GeneratorReport report;
    for (const BitmapAsset& bitmap : makeAllBitmaps()) {
        record(report, outputDir, bitmap.file, encodeBmp24(bitmap.image));
    }
    for (const SoundAsset& sound : makeAllSounds(useSpeech, outputDir)) {
        record(report, outputDir, sound.file, encodeWav16(sound.sound));
        report.spokenTaunts += sound.spoken ? 1 : 0;
    }
    return report;
}

GeneratorReport generateThemeIcons(const std::string& outputDir) {
    GeneratorReport report;
    for (int size : themeIconSizes) {
        record(report, outputDir, "krellmont-" + std::to_string(size) + ".png",
               encodePng(makeIcon(size)));
    }
    return report;
}

}  // namespace assets
