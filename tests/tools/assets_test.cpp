// SPDX-License-Identifier: GPL-3.0-or-later
// The generated files as the program and outside tools see them: ImageMagick reads the
// bitmaps, SoX the sounds, and the program's own reader every picture pixel for pixel.
#include "render/bitmap_reader.h"
#include "tools/bitmap_assets.h"
#include "tools/bmp_writer.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A shell command's exit status, and its output with its errors.
std::pair<int, std::string> run(const std::string& command) {
    std::string output;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// The run folder as built (spoken taunts when espeak-ng is there) and a run that finds no
// speech program: the same pictures, uncompressed 24-bit bitmaps of their sides, sounds that
// play, and no scratch file left behind.
TEST(GeneratedFiles, AreUncompressed24BitBitmapsOfTheirSidesAndPlayableSoundsOrAClearFailure) {
    const std::string built = KRELLMONT_RUN_DIR, plain = testing::TempDir() + "plain";
    ASSERT_EQ(
        run("mkdir -p " + plain + " && PATH=/nonexistent " KRELLMONT_ASSETS_EXE " " + plain).first,
        0);
    EXPECT_EQ(run("cd " + built + " && for f in *.bmp; do cmp $f " + plain + "/$f; done").second,
              "");
    std::istringstream pictures(
        run("identify -format '%f %wx%h %z %[channels] %C %m\\n' " + built + "/*.bmp").second);
    const std::regex format(
        R"(((preview\w+|Krellmont)\.bmp 32x32|KrellmontSm\.bmp 16x16|)"
        R"((track\w+|floor|\w*camo2?|Camouflage|prize)\.bmp (128|256)x(128|256))"
        R"() 8 srgb None BMP3)");
    int count = 0;
    for (std::string line; std::getline(pictures, line); ++count)
        EXPECT_TRUE(std::regex_match(line, format)) << line;
    EXPECT_EQ(run("ls -A " + plain + " | wc -l").second, "30\n");
    for (const std::string& folder : {built, plain}) {
        std::istringstream sounds(run("cd " + folder +
                                      " && for f in *.wav; do echo $f $(sox $f -n " +
                                      "stat 2>&1 | awk '/^(Len|M..imum amp)/ {print $NF}'); done")
                                      .second);
        for (std::string file; sounds >> file; ++count) {
            double seconds = 0, high = 0, low = 0;
            sounds >> seconds >> high >> low;
            EXPECT_TRUE(seconds >= 0.1 && seconds <= 3.0 && std::max(high, -low) > 0.5 &&
                        std::max(high, -low) < 0.99)
                << folder << "/" << file;
        }
    }
    EXPECT_EQ(count, 19 + 2 * 11);
    std::filesystem::remove_all(plain);
    // A folder it cannot write to fails the build, naming the first file.
    const auto [status, output] = run(KRELLMONT_ASSETS_EXE " /nonexistent/x --no-speech");
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("cannot write /nonexistent/x/floor.bmp"), std::string::npos) << output;
}

// Two independent implementations of the format checking each other.
TEST(ProgramReader, LoadsEveryGeneratedBitmapExactly) {
    const std::string path = testing::TempDir() + "reader.bmp";
    for (const assets::BitmapAsset& asset : assets::makeAllBitmaps()) {
        ASSERT_TRUE(assets::writeFile(path, assets::encodeBmp24(asset.image)));
        const BitmapResult<RgbImage> loaded = loadBitmap(path);
        ASSERT_TRUE(loaded.ok()) << asset.file;
        // Our rows run top-down; the reader's bottom-up, as OpenGL wants them.
        std::vector<std::uint8_t> want;
        for (int y = asset.image.height - 1; y >= 0; --y)
            for (int x = 0; x < asset.image.width; ++x)
                want.insert(want.end(), {asset.image.at(x, y).r, asset.image.at(x, y).g,
                                         asset.image.at(x, y).b});
        EXPECT_TRUE(loaded.value.pixels == want) << asset.file;
    }
    std::remove(path.c_str());
}

}  // namespace
