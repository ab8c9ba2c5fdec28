// The program's own bitmap reader loads every picture we write, pixel for pixel: two
// independent implementations of the format checking each other.
#include <gtest/gtest.h>

#include "render/bitmap_reader.h"
#include "tests/tools/test_support.h"
#include "tools/bitmap_assets.h"
#include "tools/bmp_writer.h"

namespace {

TEST(ProgramReader, LoadsEveryGeneratedBitmapExactly) {
    tooltest::ScratchDir dir;
    for (const assets::BitmapAsset& asset : assets::makeAllBitmaps()) {
        SCOPED_TRACE(asset.file);
        const std::string path = dir.file(asset.file);
        ASSERT_TRUE(assets::writeFile(path, assets::encodeBmp24(asset.image)));
        const BitmapResult<RgbImage> loaded = loadBitmap(path);
        ASSERT_TRUE(loaded.ok()) << describeBitmapError(loaded.error);
        const RgbImage& rgb = loaded.value;
        ASSERT_EQ(rgb.width, asset.image.width);
        ASSERT_EQ(rgb.height, asset.image.height);
        int mismatches = 0;
        for (int y = 0; y < rgb.height; ++y) {
            for (int x = 0; x < rgb.width; ++x) {
                // Our rows run top-down; the reader's run bottom-up, as OpenGL wants them.
                const assets::Rgb want = asset.image.at(x, asset.image.height - 1 - y);
                const std::uint8_t* got = rgb.at(x, y);
                mismatches += (got[0] != want.r || got[1] != want.g || got[2] != want.b) ? 1 : 0;
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

}  // namespace
