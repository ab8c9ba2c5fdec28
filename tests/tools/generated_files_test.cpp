// The files as the program and outside tools see them: ImageMagick reads the bitmaps, SoX
// the sounds, and two runs of the generator give the same pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "resources/asset_catalog.h"
#include "tests/tools/test_support.h"

namespace {

using tooltest::quoted;
using tooltest::run;

std::vector<std::string> bitmapFiles() {
    std::vector<std::string> files(std::begin(shippedTextureFiles), std::end(shippedTextureFiles));
    for (const CamouflagePreview& p : camouflagePreviews) {
        files.push_back(p.previewFile);
    }
    files.push_back(largeIconFile);
    files.push_back(smallIconFile);
    return files;
}

std::vector<std::string> soundFiles() {
    std::vector<std::string> files{cannonSoundFile};
    files.insert(files.end(), std::begin(shippedTauntFiles), std::end(shippedTauntFiles));
    return files;
}

bool isPowerOfTwoTextureSide(int side) {
    return side == 128 || side == 256;
}

std::string quotedPaths(const tooltest::ScratchDir& dir, const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& file : files) {
        list += " " + quoted(dir.file(file));
    }
    return list;
}

// Peak and RMS level of one sound as SoX measures them.
void measureLevels(const std::string& path, double& peak, double& rms) {
    const auto stat = run("sox " + quoted(path) + " -n stat");
    EXPECT_EQ(stat.exitCode, 0) << stat.output;
    double maximum = 0, minimum = 0;
    auto field = [&stat](const std::string& label, double& value) {
        const size_t at = stat.output.find(label);
        if (at != std::string::npos) {
            std::sscanf(stat.output.c_str() + at + label.size(), " %lf", &value);
        }
    };
    field("Maximum amplitude:", maximum);
    field("Minimum amplitude:", minimum);
    field("RMS     amplitude:", rms);
    peak = std::max(maximum, -minimum);
}

void expectPlayableSounds(const tooltest::ScratchDir& dir) {
    const std::vector<std::string> files = soundFiles();
    // One SoX call reads every header: encoding, bits and length, a line each per file.
    const auto info = run("sox --i -e" + quotedPaths(dir, files) + " && sox --i -b" +
                          quotedPaths(dir, files) + " && sox --i -D" + quotedPaths(dir, files));
    ASSERT_EQ(info.exitCode, 0) << info.output;
    std::istringstream lines(info.output);
    std::vector<std::string> encodings(files.size()), bits(files.size()), seconds(files.size());
    for (auto* column : {&encodings, &bits, &seconds}) {
        for (std::string& value : *column) {
            std::getline(lines, value);
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i]);
        EXPECT_EQ(encodings[i], "Signed Integer PCM");
        EXPECT_EQ(bits[i], "16");
        EXPECT_GE(std::atof(seconds[i].c_str()), 0.1);
        EXPECT_LE(std::atof(seconds[i].c_str()), 3.0);
        double peak = 0, rms = 0;
        measureLevels(dir.file(files[i]), peak, rms);
        EXPECT_LT(peak, 0.99) << "clipped";
        EXPECT_GT(peak, 0.5) << "too quiet";
        EXPECT_GT(rms, 0.03) << "barely audible";
    }
}

class GeneratedFiles : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new tooltest::ScratchDir;
        generated_ = tooltest::generateInto(dir_->path(), true);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(generated_) << "generator failed"; }

    static tooltest::ScratchDir* dir_;
    static bool generated_;
};

tooltest::ScratchDir* GeneratedFiles::dir_ = nullptr;
bool GeneratedFiles::generated_ = false;

TEST_F(GeneratedFiles, BitmapsAreUncompressed24BitWithTheRightSides) {
    const std::vector<std::string> files = bitmapFiles();
    const auto result =
        run("identify -format '%f %w %h %z %[channels] %C %m\\n'" + quotedPaths(*dir_, files));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    std::istringstream lines(result.output);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        std::string line;
        ASSERT_TRUE(std::getline(lines, line));
        char name[64] = {}, channels[16] = {}, compression[16] = {}, format[16] = {};
        int width = 0, height = 0, depth = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%63s %d %d %d %15s %15s %15s", name, &width, &height,
                              &depth, channels, compression, format),
                  7)
            << line;
        EXPECT_EQ(file, name);
        EXPECT_EQ(depth, 8);
        EXPECT_STREQ(channels, "srgb");  // three channels, no alpha
        EXPECT_STREQ(compression, "None");
        EXPECT_STREQ(format, "BMP3");
        EXPECT_EQ(width % 4, 0);
        if (file == largeIconFile) {
            EXPECT_TRUE(width == 32 && height == 32);
        } else if (file == smallIconFile) {
            EXPECT_TRUE(width == 16 && height == 16);
        } else if (file.rfind("preview", 0) == 0) {
            EXPECT_TRUE(width == 32 && height == 32);
        } else {
            EXPECT_TRUE(isPowerOfTwoTextureSide(width) && isPowerOfTwoTextureSide(height))
                << width << " x " << height;
        }
    }
}

TEST_F(GeneratedFiles, SpokenAndSynthesizedSoundsArePlayableAudibleAndUnclipped) {
    expectPlayableSounds(*dir_);
}

TEST(GeneratorRuns, WithoutSpeechGiveIdenticalBitmapsAndPlayableStandIns) {
    tooltest::ScratchDir first, second;
    ASSERT_TRUE(tooltest::generateInto(first.path(), false));
    ASSERT_TRUE(tooltest::generateInto(second.path(), false));
    for (const std::string& file : bitmapFiles()) {
        SCOPED_TRACE(file);
        const std::string a = tooltest::readFile(first.file(file));
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(a == tooltest::readFile(second.file(file)));
    }
    expectPlayableSounds(first);
}

TEST(GeneratorRuns, FailLoudlyOnBadArgumentsOrAnUnwritableFolder) {
    const std::string exe = quoted(KRELLMONT_ASSETS_EXE);
    EXPECT_EQ(run(exe).exitCode, 2);
    EXPECT_EQ(run(exe + " a b").exitCode, 2);
    EXPECT_EQ(run(exe + " --bogus").exitCode, 2);

    tooltest::ScratchDir dir;
    const auto missing = run(exe + " " + quoted(dir.file("no/such/folder")) + " --no-speech");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("cannot write"), std::string::npos) << missing.output;
    EXPECT_NE(missing.output.find("floor.bmp"), std::string::npos) << missing.output;
}

}  // namespace
