#include "render/scene_objects.h"
#include "render/lighting.h"
#include "render/texture_table.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

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
