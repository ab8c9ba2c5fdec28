#include <gtest/gtest.h>

#include "render/texture_table.h"
#include "tests/core/recording_host.h"
#include "tests/render/bitmap_test_files.h"

using namespace bitmap_test;

// Only a missing file is reported; one that cannot be read is skipped without a word.
TEST(TextureLoading, UnreadableFilesAreSkippedSilentlyAndTheRestUploadedInOrder) {
    TempFolder folder;
    for (const TextureEntry& entry : textureTable()) {
        folder.write(entry.fileName, goodBmp(6, 2));
    }
    std::filesystem::remove(folder.path / "prize.bmp");
    folder.write("floor.bmp", {'X', 'Y'});
    std::filesystem::remove(folder.path / "fallcamo.bmp");
    std::filesystem::create_directory(folder.path / "fallcamo.bmp");

    RecordingHost host;
    std::vector<unsigned> uploaded;
    loadTextureBitmaps(host, folder.path.string(), [&](const TextureEntry& e, const RgbImage& i) {
        uploaded.push_back(e.name);
        EXPECT_EQ(i.width * 10 + i.height, 62);
    });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "You are missing a file called prize.bmp");
    EXPECT_EQ(host.messages[0].caption, "Error in Krellmont");
    EXPECT_EQ(uploaded, (std::vector<unsigned>{6, 7, 8, 9, 1, 2, 3, 4, 5}));
}
