// The generated files as the program and outside tools see them: ImageMagick reads the
// bitmaps, SoX the sounds, the program's own reader every picture pixel for pixel, and two
// runs of the generator give the same pictures.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "render/bitmap_reader.h"
#include "resources/asset_catalog.h"
#include "tests/tools/test_support.h"
#include "tools/bitmap_assets.h"
#include "tools/bmp_writer.h"

namespace {

using tooltest::quoted;
using tooltest::run;

std::vector<std::string> bitmapFiles() {
    std::vector<std::string> files(std::begin(shippedTextureFiles), std::end(shippedTextureFiles));
    for (const CamouflagePreview& p : camouflagePreviews)
        files.push_back(p.previewFile);
    files.push_back(largeIconFile);
    files.push_back(smallIconFile);
    return files;
}

// The number after `label` in a SoX report, or -1 when there is none.
double field(const std::string& report, const std::string& label) {
    double value = -1;
    const size_t at = report.find(label);
    if (at != std::string::npos)
        std::sscanf(report.c_str() + at + label.size(), " %lf", &value);
    return value;
}

void expectPlayableSounds(const tooltest::ScratchDir& dir) {
    std::vector<std::string> files{cannonSoundFile};
    files.insert(files.end(), std::begin(shippedTauntFiles), std::end(shippedTauntFiles));
    for (const std::string& file : files) {
        const std::string path = quoted(dir.file(file));
        const auto report = run("sox --i " + path + " && sox " + path + " -n stat");
        ASSERT_EQ(report.exitCode, 0) << file << report.output;
        const double seconds = field(report.output, "Length (seconds):");
        const double peak = std::max(field(report.output, "Maximum amplitude:"),
                                     -field(report.output, "Minimum amplitude:"));
        EXPECT_TRUE(seconds >= 0.1 && seconds <= 3.0) << file << " lasts " << seconds;
        EXPECT_TRUE(peak > 0.5 && peak < 0.99) << file << " peaks at " << peak;
    }
}

TEST(GeneratedFiles, AreUncompressed24BitBitmapsOfTheirSidesAndPlayableSounds) {
    tooltest::ScratchDir dir;
    ASSERT_TRUE(tooltest::generateInto(dir.path(), true));
    std::string paths;
    for (const std::string& file : bitmapFiles())
        paths += " " + quoted(dir.file(file));
    const auto result = run("identify -format '%f %w %h %z %[channels] %C %m\\n'" + paths);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    std::istringstream lines(result.output);
    for (const std::string& file : bitmapFiles()) {
        std::string name, width, height, rest;
        lines >> name >> width >> height;
        std::getline(lines, rest);
        EXPECT_EQ(rest, " 8 srgb None BMP3") << file;
        const std::string side = file == smallIconFile                                    ? "16"
                                 : file == largeIconFile || file.rfind("preview", 0) == 0 ? "32"
                                                                                          : "";
        if (!side.empty())
            EXPECT_EQ(width + "x" + height, side + "x" + side) << file;
        else
            EXPECT_TRUE((width == "128" || width == "256") && (height == "128" || height == "256"))
                << file;
    }
    expectPlayableSounds(dir);
}

TEST(GeneratorRuns, WithoutSpeechGiveIdenticalBitmapsAndPlayableStandIns) {
    tooltest::ScratchDir first, second;
    ASSERT_TRUE(tooltest::generateInto(first.path(), false));
    ASSERT_TRUE(tooltest::generateInto(second.path(), false));
    for (const std::string& file : bitmapFiles()) {
        const std::string a = tooltest::readFile(first.file(file));
        EXPECT_TRUE(!a.empty() && a == tooltest::readFile(second.file(file))) << file;
    }
    expectPlayableSounds(first);
}

TEST(GeneratorRuns, FailLoudlyOnBadArgumentsOrAnUnwritableFolder) {
    const std::string exe = quoted(KRELLMONT_ASSETS_EXE);
    for (const char* arguments : {"", " a b", " --bogus"})
        EXPECT_EQ(run(exe + arguments).exitCode, 2) << arguments;
    tooltest::ScratchDir dir;
    const auto missing = run(exe + " " + quoted(dir.file("no/such/folder")) + " --no-speech");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("cannot write"), std::string::npos) << missing.output;
}

// Two independent implementations of the format checking each other.
TEST(ProgramReader, LoadsEveryGeneratedBitmapExactly) {
    tooltest::ScratchDir dir;
    for (const assets::BitmapAsset& asset : assets::makeAllBitmaps()) {
        const std::string path = dir.file(asset.file);
        ASSERT_TRUE(assets::writeFile(path, assets::encodeBmp24(asset.image)));
        const BitmapResult<RgbImage> loaded = loadBitmap(path);
        ASSERT_TRUE(loaded.ok()) << asset.file;
        int mismatches = 0;
        for (int y = 0; y < asset.image.height; ++y) {
            for (int x = 0; x < asset.image.width; ++x) {
                // Our rows run top-down; the reader's bottom-up, as OpenGL wants them.
                const assets::Rgb want = asset.image.at(x, asset.image.height - 1 - y);
                const std::uint8_t* got = loaded.value.at(x, y);
                mismatches += got[0] != want.r || got[1] != want.g || got[2] != want.b;
            }
        }
        EXPECT_EQ(mismatches, 0) << asset.file;
    }
}

}  // namespace
