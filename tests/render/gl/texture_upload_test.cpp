#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "render/textures.h"
#include "tests/render/bitmap_test_files.h"
#include "tests/render/gl/gl_harness.h"

using namespace bitmap_test;

namespace {

// Far above the game's own names, so the scene's textures stay untouched.
constexpr TextureName scratch = static_cast<TextureName>(200);

GLint levelWidth(int level) {
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

GLint parameter(GLenum which) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
    return value;
}

}  // namespace

// Rows of three pixels are nine bytes in memory but twelve in the file: an upload that
// ignored the padding would shift every row after the first.
TEST(TextureUpload, OddWidthsArriveTexelForTexel) {
    sharedScene();
    TempFolder folder;
    for (int height : {2, -3}) {
        SCOPED_TRACE(height);
        RecordingHost host;
        loadTexture(host, folder.write("odd.bmp", goodBmp(3, height)), scratch, false);
        EXPECT_TRUE(host.messages.empty());
        glBindTexture(GL_TEXTURE_2D, scratch);
        const int rows = std::abs(height);
        ASSERT_EQ(levelWidth(0), 3);
        std::vector<std::uint8_t> texels(3 * 3 * rows);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < 3; ++x) {
                const std::uint8_t* t = &texels[(y * 3 + x) * 3];
                Bgr want = positionColour(x, height < 0 ? rows - 1 - y : y);
                EXPECT_EQ((Bgr{t[2], t[1], t[0]}), want) << x << "," << y;
            }
        }
        EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
        EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);  // the floor repeats its picture
        EXPECT_EQ(parameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
        forgetTexture(scratch);
    }
}

TEST(TextureUpload, MipmapsAreBuiltAndBrokenFilesLeaveNoImage) {
    sharedScene();
    TempFolder folder;
    RecordingHost host;
    loadTexture(host, folder.write("mip.bmp", goodBmp(4, 4)), scratch, true);
    glBindTexture(GL_TEXTURE_2D, scratch);
    EXPECT_EQ(levelWidth(2), 1);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    forgetTexture(scratch);

    auto broken = goodBmp(4, 4);
    broken[10] = 5;  // pixel offset inside the file header
    loadTexture(host, folder.write("broken.bmp", broken), scratch, false);
    glBindTexture(GL_TEXTURE_2D, scratch);
    EXPECT_EQ(levelWidth(0), 0);
    EXPECT_TRUE(host.messages.empty());
    forgetTexture(scratch);
}
