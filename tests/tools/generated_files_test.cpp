// The files as the program and outside tools see them: ImageMagick reads the bitmaps, SoX
// the sounds, and two runs of the generator give the same pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

// The number after `label` in a SoX report, or -1 when there is none.
double field(const std::string& report, const std::string& label) {
    double value = -1;
    const size_t at = report.find(label);
    if (at != std::string::npos) {
        std::sscanf(report.c_str() + at + label.size(), " %lf", &value);
    }
    return value;
}

void expectPlayableSounds(const tooltest::ScratchDir& dir) {
    std::vector<std::string> files{cannonSoundFile};
    files.insert(files.end(), std::begin(shippedTauntFiles), std::end(shippedTauntFiles));
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string path = quoted(dir.file(file));
        const auto report = run("sox --i " + path + " && sox " + path + " -n stat");
        ASSERT_EQ(report.exitCode, 0) << report.output;
        const std::string& out = report.output;
        EXPECT_NE(out.find("16-bit Signed Integer PCM"), std::string::npos) << out;
        EXPECT_GE(field(out, "Length (seconds):"), 0.1);
        EXPECT_LE(field(out, "Length (seconds):"), 3.0);
        const double peak =
            std::max(field(out, "Maximum amplitude:"), -field(out, "Minimum amplitude:"));
        EXPECT_LT(peak, 0.99) << "clipped";
        EXPECT_GT(peak, 0.5) << "too quiet";
        EXPECT_GT(field(out, "RMS     amplitude:"), 0.03) << "barely audible";
    }
}

// One generator run with speech, shared by the tests that only read its files.
const tooltest::ScratchDir* generatedWithSpeech() {
    static tooltest::ScratchDir dir;
    static const bool ok = tooltest::generateInto(dir.path(), true);
    return ok ? &dir : nullptr;
}

TEST(GeneratedFiles, BitmapsAreUncompressed24BitWithTheRightSides) {
    const tooltest::ScratchDir* dir = generatedWithSpeech();
    ASSERT_NE(dir, nullptr) << "generator failed";
    const std::vector<std::string> files = bitmapFiles();
    std::string paths;
    for (const std::string& file : files) {
        paths += " " + quoted(dir->file(file));
    }
    const auto result = run("identify -format '%f %w %h %z %[channels] %C %m\\n'" + paths);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    std::istringstream lines(result.output);
    for (const std::string& file : files) {
        std::string name, channels, compression, format;
        int width = 0, height = 0, depth = 0;
        lines >> name >> width >> height >> depth >> channels >> compression >> format;
        EXPECT_EQ(name, file);
        SCOPED_TRACE(file);
        EXPECT_EQ(depth, 8);
        // Three channels and no alpha, stored as plain rows.
        EXPECT_EQ(channels + " " + compression + " " + format, "srgb None BMP3");
        const bool icon32 = file == largeIconFile || file.rfind("preview", 0) == 0;
        const int side = file == smallIconFile ? 16 : icon32 ? 32 : 0;
        if (side > 0) {
            EXPECT_TRUE(width == side && height == side) << width << " x " << height;
        } else {
            EXPECT_TRUE((width == 128 || width == 256) && (height == 128 || height == 256))
                << width << " x " << height;
        }
    }
}

TEST(GeneratedFiles, SpokenAndSynthesizedSoundsArePlayableAudibleAndUnclipped) {
    const tooltest::ScratchDir* dir = generatedWithSpeech();
    ASSERT_NE(dir, nullptr) << "generator failed";
    expectPlayableSounds(*dir);
}

TEST(GeneratorRuns, WithoutSpeechGiveIdenticalBitmapsAndPlayableStandIns) {
    tooltest::ScratchDir first, second;
    ASSERT_TRUE(tooltest::generateInto(first.path(), false));
    ASSERT_TRUE(tooltest::generateInto(second.path(), false));
    for (const std::string& file : bitmapFiles()) {
        const std::string a = tooltest::readFile(first.file(file));
        EXPECT_FALSE(a.empty()) << file;
        EXPECT_TRUE(a == tooltest::readFile(second.file(file))) << file;
    }
    expectPlayableSounds(first);
}

TEST(GeneratorRuns, FailLoudlyOnBadArgumentsOrAnUnwritableFolder) {
    const std::string exe = quoted(KRELLMONT_ASSETS_EXE);
    for (const char* arguments : {"", " a b", " --bogus"}) {
        EXPECT_EQ(run(exe + arguments).exitCode, 2) << arguments;
    }
    tooltest::ScratchDir dir;
    const auto missing = run(exe + " " + quoted(dir.file("no/such/folder")) + " --no-speech");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("cannot write"), std::string::npos) << missing.output;
    EXPECT_NE(missing.output.find("floor.bmp"), std::string::npos) << missing.output;
}

}  // namespace
