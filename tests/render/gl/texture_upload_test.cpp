#include <GL/gl.h>
#include <gtest/gtest.h>

#include "render/textures.h"
#include "tests/render/bitmap_test_files.h"
#include "tests/render/gl/gl_harness.h"

using namespace bitmap_test;

namespace {

// Far above the game's own names, so the scene's textures stay untouched.
constexpr TextureName scratchName = static_cast<TextureName>(200);

struct Level {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // tightly packed, bottom row first
};

Level readLevel(int level) {
    Level out;
    glBindTexture(GL_TEXTURE_2D, scratchName);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &out.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &out.height);
    out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, out.rgb.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return out;
}

GLint parameter(GLenum which) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, scratchName);
    glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
    return value;
}

void expectNearestAndRepeat() {
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
}

void expectPositionTexels(const Level& level, bool topDown) {
    for (int y = 0; y < level.height; ++y) {
        int storedRow = topDown ? level.height - 1 - y : y;
        for (int x = 0; x < level.width; ++x) {
            Bgr expected = positionColour(x, storedRow);
            const std::uint8_t* texel = &level.rgb[(y * level.width + x) * 3];
            ASSERT_EQ(texel[0], expected[2]) << x << "," << y;
            ASSERT_EQ(texel[1], expected[1]) << x << "," << y;
            ASSERT_EQ(texel[2], expected[0]) << x << "," << y;
        }
    }
}

}  // namespace

// Rows of three pixels are nine bytes in memory and twelve in the file: the upload must
// honour the padding, or every row after the first shifts.
TEST(TextureUpload, OddWidthsArriveTexelForTexelWithTheGameParameters) {
    sharedScene();
    TempFolder folder;
    for (int height : {2, -3}) {
        SCOPED_TRACE(height);
        RecordingHost host;
        loadTexture(host, folder.write("odd.bmp", goodBmp(3, height)), scratchName, false);
        EXPECT_TRUE(host.messages.empty());
        Level level = readLevel(0);
        ASSERT_EQ(level.width, 3);
        ASSERT_EQ(level.height, height < 0 ? -height : height);
        expectPositionTexels(level, height < 0);
        expectNearestAndRepeat();
        forgetTexture(scratchName);
    }
}

TEST(TextureUpload, MipmappedTexturesGetEveryLevelButStillSampleTheFirst) {
    sharedScene();
    TempFolder folder;
    RecordingHost host;
    loadTexture(host, folder.write("mip.bmp", goodBmp(4, 4)), scratchName, true);
    Level base = readLevel(0);
    ASSERT_EQ(base.width, 4);
    expectPositionTexels(base, false);
    EXPECT_EQ(readLevel(2).width, 1);
    expectNearestAndRepeat();
    forgetTexture(scratchName);
}

TEST(TextureUpload, MissingOrMalformedFilesLeaveTheNameWithoutAnImage) {
    sharedScene();
    TempFolder folder;
    RecordingHost host;
    std::string missing = (folder.path() / "gone.bmp").string();
    loadTexture(host, missing, scratchName, false);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "You are missing a file called " + missing);
    EXPECT_EQ(host.messages[0].caption, "Error in Krellmont");

    auto broken = goodBmp(4, 4);
    broken[10] = 5;  // pixel offset inside the file header
    loadTexture(host, folder.write("broken.bmp", broken), scratchName, false);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(readLevel(0).width, 0);
    forgetTexture(scratchName);
}
