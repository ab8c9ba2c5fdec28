#include "tools/asset_generator.h"

#include "tools/bitmap_assets.h"
#include "tools/bmp_writer.h"
#include "tools/sound_assets.h"

namespace assets {

GeneratorReport generateAssets(const std::string& outputDir, bool useSpeech) {
    GeneratorReport report;
    auto record = [&](const std::string& file, const std::vector<uint8_t>& bytes) {
        if (writeFile(outputDir + "/" + file, bytes)) {
            report.written.push_back(file);
        } else {
            report.failed.push_back(file);
        }
    };
    for (const BitmapAsset& bitmap : makeAllBitmaps()) {
        record(bitmap.file, encodeBmp24(bitmap.image));
    }
    for (const SoundAsset& sound : makeAllSounds(useSpeech, outputDir)) {
        record(sound.file, encodeWav16(sound.sound));
        report.spokenTaunts += sound.spoken ? 1 : 0;
    }
    return report;
}

}  // namespace assets
