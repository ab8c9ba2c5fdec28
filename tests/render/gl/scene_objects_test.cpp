#include "render/scene_objects.h"
#include "app/viewport.h"
#include "render/lighting.h"
#include "render/primitives.h"
#include "render/texture_table.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <cmath>

namespace {

// Runs of dark and bright floor along the middle row of the window.
int countStripes(const std::vector<Pixel>& pixels) {
    int runs = 0;
    int last = -1;
    const int y = viewHeight / 2;
    for (int x = 0; x < viewWidth; ++x) {
        const Pixel& p = pixels[static_cast<std::size_t>(y) * viewWidth + x];
        const bool isFloor = p.b < 230;  // the clear colour is full blue
        const int kind = !isFloor ? -1 : (p.r > 128 ? 1 : 0);
        if (kind != last && kind >= 0) {
            ++runs;
        }
        last = kind;
    }
    return runs;
}

std::vector<Pixel> drawFloorOnly(TestGame& game) {
    applyPolygonMode(PolygonMode::TextureMapping);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    applyCamera(game.camera, CameraCentre::CenterOfArena, game.world);
    placeLight();
    drawFloor(game.world.arena);
    glLoadIdentity();
    return readBackBuffer();
}

}  // namespace

TEST(Floor, ThePictureRepeatsTenTimesAlongEachSideWhateverTheArenaSize) {
    uploadTestTexture(FloorTexture, {0, 0, 0}, {255, 255, 255});
    for (float halfSide : {60.0f, 150.0f}) {
        TestGame game(halfSide);
        game.look(halfSide * 2.8, 90);
        EXPECT_EQ(countStripes(drawFloorOnly(game)), 20) << halfSide;
    }
    forgetTexture(FloorTexture);
}

TEST(Prize, StandsOnTheFloorAtItsPositionWithThePrizePicture) {
    uploadTestTexture(PrizeTexture, {0, 255, 0}, {0, 255, 0});
    TestGame game;
    game.addPrize(game.world.teamB, -35, 25);
    game.look(170, 90);
    game.draw(PolygonMode::TextureMapping);
    // The cube's top at y = 4 faces the light: green modulated by 0.75.
    const ScreenPoint top = game.project(CameraCentre::CenterOfArena, -35, 4, 25);
    const Pixel p = readPixel(static_cast<int>(top.x), static_cast<int>(top.y));
    EXPECT_EQ(p.r + p.b, 0);
    EXPECT_NEAR(p.g, 191, 1);
    forgetTexture(PrizeTexture);
}

// Each face shape spreads the whole picture over itself: drawn flat with its corners at
// its own texture coordinates, every point shows the texel beneath it.
TEST(FacePrimitives, QuadHexagonAndOctagonMapThePictureOntoTheirOutline) {
    std::vector<std::uint8_t> texels;
    for (int t = 0; t < 32; ++t)
        for (int s = 0; s < 32; ++s)
            texels.insert(texels.end(), {std::uint8_t(s * 8), std::uint8_t(t * 8), 77});
    glBindTexture(GL_TEXTURE_2D, PrizeTexture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 32, 32, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    const struct {
        const char* what;
        std::vector<Vec3> outline;  // in [0, 1] x [0, 1], counter-clockwise
        void (*draw)(const Vec3*, const Vec3&, const std::int32_t*);
    } shapes[] = {
        {"quad", {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, drawQuad},
        {"hexagon",
         {{.1f, 0, 0}, {.9f, 0, 0}, {1, .75f, 0}, {.9f, 1, 0}, {.1f, 1, 0}, {0, .75f, 0}},
         drawHexagon},
        {"octagon",
         {{0, .25f, 0},
          {.25f, 0, 0},
          {.75f, 0, 0},
          {1, .25f, 0},
          {1, .75f, 0},
          {.75f, 1, 0},
          {.25f, 1, 0},
          {0, .75f, 0}},
         drawOctagon},
    };
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const std::int32_t order[8] = {0, 1, 2, 3, 4, 5, 6, 7};
    for (const auto& shape : shapes) {
        glClear(GL_COLOR_BUFFER_BIT);
        shape.draw(shape.outline.data(), Vec3{0, 0, 1}, order);
        const auto pixels = readBackBuffer();
        int drawn = 0, wrong = 0;
        for (int y = 0; y < viewHeight; ++y) {
            for (int x = 0; x < viewWidth; ++x) {
                const Pixel& p = pixels[y * viewWidth + x];
                const double s = (x + 0.5) / viewWidth * 32, t = (y + 0.5) / viewHeight * 32;
                // Outside the shape, or on a texel border where rounding may go either way.
                if (p.b != 77 || std::abs(t - std::round(t)) < 0.05)
                    continue;
                ++drawn;
                wrong += p.r != int(s) * 8 || p.g != int(t) * 8;
            }
        }
        EXPECT_GT(drawn, viewWidth * viewHeight * 2 / 3) << shape.what;
        EXPECT_EQ(wrong, 0) << shape.what;
    }
    glPopAttrib();
    resizeViewport(viewWidth, viewHeight);
    forgetTexture(PrizeTexture);
}
