#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

#include "game/host.h"
#include "render/texture_table.h"
#include "tests/render/bitmap_test_files.h"

using namespace bitmap_test;

namespace {

class RecordingHost : public GameHost {
  public:
    std::vector<std::pair<std::string, std::string>> messages;

    void showMessage(const std::string& text, const std::string& caption) override {
        messages.emplace_back(text, caption);
    }
    void playSound(const std::string&) override {}
    void readoutsChanged() override {}
    void setTankButtonsEnabled(bool) override {}
    void setShieldsMenuEnabled(bool) override {}
};

struct Upload {
    TextureName name;
    bool mipmapped;
    int width;
    int height;
    std::uint8_t lowerLeftRed;
};

struct Recorder {
    std::vector<Upload> uploads;
    TextureUpload callback() {
        return [this](const TextureEntry& entry, const RgbImage& image) {
            uploads.push_back(
                {entry.name, entry.mipmapped, image.width, image.height, image.at(0, 0)[0]});
        };
    }
};

}  // namespace

TEST(TextureTable, NamesFilesAndCamouflagesAgree) {
    std::set<unsigned> names;
    std::set<std::string> files;
    std::set<std::string> mipmapped;
    for (const TextureEntry& entry : textureTable()) {
        EXPECT_NE(entry.name, NoTexture);
        names.insert(entry.name);
        files.insert(entry.fileName);
        if (entry.mipmapped) {
            mipmapped.insert(entry.fileName);
        }
    }
    EXPECT_EQ(names.size(), textureCount);
    EXPECT_EQ(files.size(), textureCount);
    EXPECT_EQ(mipmapped, (std::set<std::string>{"floor.bmp", "prize.bmp"}));
    EXPECT_STREQ(textureTable().front().fileName, "trackSideView.bmp");
    EXPECT_STREQ(textureTable().back().fileName, "prize.bmp");

    // Each camouflage's preview shows the very picture its tanks are drawn with.
    std::set<unsigned> camouflageNames;
    for (int camouflage = 37; camouflage <= 41; ++camouflage) {
        SCOPED_TRACE(camouflage);
        std::string file = camouflageBitmapFile(camouflage);
        ASSERT_TRUE(files.count(file));
        for (const TextureEntry& entry : textureTable()) {
            if (file == entry.fileName) {
                EXPECT_EQ(textureForCamouflage(camouflage), entry.name);
            }
        }
        camouflageNames.insert(textureForCamouflage(camouflage));
    }
    EXPECT_EQ(camouflageNames.size(), 5u);
    EXPECT_EQ(textureForCamouflage(38), FallCamoTexture);
    EXPECT_EQ(camouflageBitmapFile(41), "Camouflage.bmp");
    for (int outside : {0, 36, 42, -37}) {
        EXPECT_EQ(textureForCamouflage(outside), NoTexture);
        EXPECT_EQ(camouflageBitmapFile(outside), "");
    }
}

TEST(TextureLoading, EveryMissingFileIsReportedOnceInLoadingOrder) {
    TempFolder folder;
    RecordingHost host;
    Recorder recorder;
    loadTextureBitmaps(host, folder.path().string(), recorder.callback());

    ASSERT_EQ(host.messages.size(), textureCount);
    for (std::size_t i = 0; i < textureCount; ++i) {
        EXPECT_EQ(host.messages[i].first,
                  std::string("You are missing a file called ") + textureTable()[i].fileName);
        EXPECT_EQ(host.messages[i].second, "Error in Krellmont");
    }
    EXPECT_TRUE(recorder.uploads.empty());
}

TEST(TextureLoading, UnreadableFilesAreSkippedSilentlyAndGoodOnesUploaded) {
    TempFolder folder;
    for (const TextureEntry& entry : textureTable()) {
        folder.write(entry.fileName, goodBmp(6, 2));
    }
    std::filesystem::remove(folder.path() / "prize.bmp");
    auto notBitmap = goodBmp(6, 2);
    notBitmap[0] = 'X';
    folder.write("floor.bmp", notBitmap);
    std::filesystem::remove(folder.path() / "fallcamo.bmp");
    std::filesystem::create_directory(folder.path() / "fallcamo.bmp");
    BmpFields palette;
    palette.bitCount = 8;
    palette.width = 8;
    palette.height = 3;
    palette.pixelOffset = 54 + 1024;
    folder.write("citycamo.bmp", makeBmp(palette, std::vector<std::uint8_t>(24, 9)));

    RecordingHost host;
    Recorder recorder;
    loadTextureBitmaps(host, folder.path().string(), recorder.callback());

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].first, "You are missing a file called prize.bmp");

    std::vector<TextureName> uploaded;
    for (const Upload& u : recorder.uploads) {
        uploaded.push_back(u.name);
        EXPECT_FALSE(u.mipmapped);
        if (u.name == CityCamoTexture) {
            EXPECT_EQ(u.width, 8);
            EXPECT_EQ(u.lowerLeftRed, 0);
        } else {
            EXPECT_EQ(u.width, 6);
            EXPECT_EQ(u.lowerLeftRed, positionColour(0, 0)[2]);
        }
        EXPECT_EQ(u.height, u.name == CityCamoTexture ? 3 : 2);
    }
    EXPECT_EQ(uploaded,
              (std::vector<TextureName>{TrackSideTexture, TrackFrontTexture1, TrackFrontTexture2,
                                        TrackLengthTexture, BlueCamoTexture, BlueCamo2Texture,
                                        CityCamoTexture, ForestCamoTexture, Forest2CamoTexture}));
}

TEST(TextureLoading, OneFileReportsUnderItsOwnName) {
    TempFolder folder;
    RecordingHost host;
    Recorder recorder;
    loadTextureBitmap(host, folder.path().string(), {"extra.bmp", PrizeTexture, true},
                      recorder.callback());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].first, "You are missing a file called extra.bmp");

    folder.write("extra.bmp", goodBmp(4, 4));
    loadTextureBitmap(host, folder.path().string(), {"extra.bmp", PrizeTexture, true},
                      recorder.callback());
    EXPECT_EQ(host.messages.size(), 1u);
    ASSERT_EQ(recorder.uploads.size(), 1u);
    EXPECT_TRUE(recorder.uploads[0].mipmapped);
    EXPECT_EQ(recorder.uploads[0].name, PrizeTexture);
}
