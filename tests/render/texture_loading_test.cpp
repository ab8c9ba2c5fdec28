#include <gtest/gtest.h>

#include "game/host.h"
#include "render/texture_table.h"
#include "tests/render/bitmap_test_files.h"

using namespace bitmap_test;

namespace {

struct MessageLog : GameHost {
    std::vector<std::string> messages;
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back(caption + ": " + text);
    }
    void playSound(const std::string&) override {}
    void readoutsChanged() override {}
    void setTankButtonsEnabled(bool) override {}
    void setShieldsMenuEnabled(bool) override {}
};

}  // namespace

TEST(TextureLoading, EveryMissingFileIsReportedOnceInLoadingOrder) {
    TempFolder folder;
    MessageLog host;
    int uploads = 0;
    loadTextureBitmaps(host, folder.path.string(), [&](auto&, auto&) { ++uploads; });
    ASSERT_EQ(host.messages.size(), textureCount);
    EXPECT_EQ(host.messages[0],
              "Error in Krellmont: You are missing a file called trackSideView.bmp");
    EXPECT_EQ(host.messages[11], "Error in Krellmont: You are missing a file called prize.bmp");
    EXPECT_EQ(uploads, 0);
}

TEST(TextureLoading, UnreadableFilesAreSkippedSilentlyAndTheRestUploadedInOrder) {
    TempFolder folder;
    for (const TextureEntry& entry : textureTable()) {
        folder.write(entry.fileName, goodBmp(6, 2));
    }
    std::filesystem::remove(folder.path / "prize.bmp");
    folder.write("floor.bmp", {'X', 'Y'});
    std::filesystem::remove(folder.path / "fallcamo.bmp");
    std::filesystem::create_directory(folder.path / "fallcamo.bmp");

    MessageLog host;
    std::vector<unsigned> uploaded;
    loadTextureBitmaps(host, folder.path.string(), [&](const TextureEntry& e, const RgbImage& i) {
        uploaded.push_back(e.name);
        EXPECT_EQ(i.width * 10 + i.height, 62);
    });
    EXPECT_EQ(host.messages, std::vector<std::string>{
                                 "Error in Krellmont: You are missing a file called prize.bmp"});
    EXPECT_EQ(uploaded, (std::vector<unsigned>{6, 7, 8, 9, 1, 2, 3, 4, 5}));
}

// Each camouflage's preview shows the very picture its tanks are drawn with.
TEST(TextureTable, CamouflagePreviewsAndTexturesAgree) {
    for (int camouflage = 37; camouflage <= 41; ++camouflage) {
        int matches = 0;
        for (const TextureEntry& entry : textureTable()) {
            matches += camouflageBitmapFile(camouflage) == entry.fileName &&
                       textureForCamouflage(camouflage) == entry.name;
        }
        EXPECT_EQ(matches, 1) << camouflage;
    }
    EXPECT_EQ(textureForCamouflage(38), FallCamoTexture);
    EXPECT_EQ(textureForCamouflage(42), NoTexture);
    EXPECT_EQ(camouflageBitmapFile(36), "");
}
