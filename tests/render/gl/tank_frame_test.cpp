#include "render/lighting.h"
#include "render/shell_drawing.h"
#include "render/tank_drawing.h"
#include "render/texture_table.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const Pixel pureRed{255, 0, 0}, pureBlue{0, 0, 255};

// Outline pixels of each colour inside the screen rectangle around a tank's footprint.
std::pair<int, int> redAndBlueAround(TestGame& game, const Tank& tank) {
    const ScreenPoint a =
        game.project(CameraCentre::CenterOfArena, tank.box.xmin, 5.5, tank.box.zmin);
    const ScreenPoint b =
        game.project(CameraCentre::CenterOfArena, tank.box.xmax, 5.5, tank.box.zmax);
    const auto pixels = readBackBuffer();
    std::pair<int, int> count;
    for (int y = int(std::min(a.y, b.y)) - 1; y <= int(std::max(a.y, b.y)) + 1; ++y) {
        for (int x = int(std::min(a.x, b.x)) - 1; x <= int(std::max(a.x, b.x)) + 1; ++x) {
            const Pixel& p = pixels[static_cast<std::size_t>(y) * viewWidth + x];
            count.first += p == pureRed;
            count.second += p == pureBlue;
        }
    }
    return count;
}

}  // namespace

TEST(TankOutlines, ExactlyTheCurrentTankIsRedAndEveryOtherTankBlueInEveryMode) {
    TestGame game;
    Tank& current = game.addTank(game.world.teamA, 30, -30);
    Tank& mate = game.addTank(game.world.teamA, 30, 30);
    Tank& enemy = game.addTank(game.world.teamB, -30, 0, BlueCamouflage);
    game.look(170, 90);
    for (PolygonMode mode :
         {PolygonMode::SolidShading, PolygonMode::TextureMapping, PolygonMode::Wireframe}) {
        game.draw(mode);
        const auto mine = redAndBlueAround(game, current);
        EXPECT_TRUE(mine.first > 10 && mine.second == 0) << int(mode);
        for (const Tank* other : {&mate, &enemy}) {
            const auto theirs = redAndBlueAround(game, *other);
            EXPECT_TRUE(theirs.first == 0 && theirs.second > 10) << int(mode);
        }
        GLint polygonMode[2] = {};
        glGetIntegerv(GL_POLYGON_MODE, polygonMode);
        EXPECT_EQ(polygonMode[0], mode == PolygonMode::Wireframe ? GL_LINE : GL_FILL);
    }
    game.world.teamA.currentPlayer->currentTank = nullptr;  // no current tank: no outline at all
    game.draw(PolygonMode::SolidShading);
    const auto all = redAndBlueAround(game, mate);
    EXPECT_EQ(all.first + all.second, 0);
}

TEST(TankDrawing, ADestroyedTankLeavesNoTraceInTheFrame) {
    TestGame withWreck, without;
    withWreck.addTank(withWreck.world.teamA, 30, 0);
    without.addTank(without.world.teamA, 30, 0);
    Tank& wreck = withWreck.addTank(withWreck.world.teamB, -30, 0);
    wreck.shieldActive = true;
    wreck.shieldStrength = 100.0f;
    without.draw(PolygonMode::SolidShading);
    const auto empty = readBackBuffer();
    for (bool destroyed : {true, false}) {
        wreck.destroyed = destroyed;
        withWreck.draw(PolygonMode::SolidShading);
        EXPECT_EQ(readBackBuffer() == empty, destroyed);
    }
}

TEST(ShieldBubble, FadesWithTheStrengthLeft) {
    TestGame game;
    Tank& tank = game.addTank(game.world.teamA, 30, 0);
    game.look(60, 90);
    const ScreenPoint s =
        game.project(CameraCentre::CurrentTank, 38, 0, 0);  // in the bubble, off the tank
    game.draw(PolygonMode::SolidShading, CameraCentre::CurrentTank);
    const Pixel under = readPixel(int(s.x), int(s.y));
    tank.shieldActive = true;
    const struct {
        int kind;
        float strength;
        double opacity;
    } cases[] = {{0, 50, 0.5}, {0, 25, 0.25}, {1, 25, 1.0 / 6}, {2, 100, 0.5}};
    for (const auto& c : cases) {
        tank.shieldKind = c.kind;
        tank.shieldStrength = c.strength;
        game.draw(PolygonMode::SolidShading, CameraCentre::CurrentTank);
        const Pixel blended = readPixel(int(s.x), int(s.y));
        // The bubble's red is 0.5 (127.5); the floor's 191.
        EXPECT_NEAR((blended.r - under.r) / (127.5 - under.r), c.opacity, 0.03)
            << c.kind << " " << c.strength;
    }
}

TEST(Shells, GlowRedWhereTheLightDoesNotReachAndAdvanceOnlyWhenTold) {
    TestGame game;
    game.addTank(game.world.teamA, 30, 0);
    game.addPrize(game.world.teamA, 40, 20);
    Shell& shell = game.addShell(-3, 3, 0);
    game.addShell(3, 3, 0);
    // A green prize picture would tint any shell drawn with texturing left on.
    uploadTestTexture(PrizeTexture, {0, 255, 0}, {0, 255, 0});
    game.look(30, 0);
    for (PolygonMode mode : {PolygonMode::TextureMapping, PolygonMode::SolidShading}) {
        game.draw(mode);
        for (float x : {-3.0f, 3.0f}) {
            // Seen from the side the sphere's middle faces sideways: no diffuse light.
            const ScreenPoint s = game.project(CameraCentre::CenterOfArena, x, 3, 0);
            const Pixel p = readPixel(static_cast<int>(s.x), static_cast<int>(s.y));
            EXPECT_TRUE(p.r == 255 && p.g < 40 && p.b < 40) << int(mode) << " x " << x;
        }
    }
    forgetTexture(PrizeTexture);
    EXPECT_EQ(shell.flightTime, 0.0);
    game.draw(PolygonMode::TextureMapping, CameraCentre::CurrentTank, ShellMotion::Advance);
    EXPECT_DOUBLE_EQ(shell.flightTime, 0.04);
}

TEST(Frame, UndoesEveryStateChangeOfItsDrawing) {
    TestGame game;
    Tank& tank = game.addTank(game.world.teamA, 30, 0);
    tank.shieldActive = true;
    tank.shieldStrength = 50.0f;
    game.addTank(game.world.teamB, -30, 0);
    game.addPrize(game.world.teamB, -40, 20);
    game.addShell(0, 30, 0);
    applyPolygonMode(PolygonMode::TextureMapping);
    glBindTexture(GL_TEXTURE_2D, 0);
    game.draw(PolygonMode::TextureMapping, CameraCentre::CurrentTank, ShellMotion::Advance);
    for (GLenum on : {GL_LIGHTING, GL_LIGHT0, GL_TEXTURE_2D, GL_DEPTH_TEST})
        EXPECT_TRUE(glIsEnabled(on)) << on;
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLboolean depthMask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    EXPECT_TRUE(depthMask);
    GLfloat emission[4] = {1, 1, 1, 1};
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    EXPECT_EQ(emission[0], 0.0f);
    GLint depth = 0, bound = -1;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(depth * 10 + bound, 10);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Frame, CentresTheCurrentTankOrTheArena) {
    TestGame game;
    game.addTank(game.world.teamA, 40, 20);
    game.look(120, 90);
    for (CameraCentre centre : {CameraCentre::CurrentTank, CameraCentre::CenterOfArena}) {
        game.draw(PolygonMode::SolidShading, centre);
        double x = 0, y = 0;
        int n = 0;
        const auto pixels = readBackBuffer();
        for (int i = 0; i < viewWidth * viewHeight; ++i) {
            if (pixels[i] == pureRed) {
                x += i % viewWidth;
                y += i / viewWidth;
                ++n;
            }
        }
        ASSERT_GT(n, 10);
        const ScreenPoint tank = centre == CameraCentre::CurrentTank
                                     ? ScreenPoint{viewWidth / 2.0, viewHeight / 2.0, 0}
                                     : game.project(centre, 40, 3, 20);
        EXPECT_NEAR(x / n, tank.x, 3.0) << int(centre);
        EXPECT_NEAR(y / n, tank.y, 3.0) << int(centre);
    }
}

TEST(Frame, TheNearestViewShowsTheWholeFollowedTankAndSmoothingEndsWithTheFrame) {
    TestGame game;
    game.addTank(game.world.teamA, 30, 0);
    game.camera.eye.z = 0.0;  // a right drag all the way in
    clampDistance(game.camera);
    glDisable(GL_POLYGON_SMOOTH);
    applyPolygonMode(PolygonMode::SolidShading);
    renderFrame(game.world, game.host, sharedScene(),
                FrameView{game.camera, CameraCentre::CurrentTank, PolygonMode::SolidShading, true},
                ShellMotion::Hold);
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH)) << "what is drawn after the scene stays sharp";
    const auto pixels = readBackBuffer();
    int red = 0, redOnEdge = 0;
    for (int i = 0; i < viewWidth * viewHeight; ++i) {
        const int x = i % viewWidth, y = i / viewWidth;
        red += pixels[i] == pureRed;
        redOnEdge +=
            pixels[i] == pureRed && (x == 0 || y == 0 || x == viewWidth - 1 || y == viewHeight - 1);
    }
    EXPECT_GT(red, 100);
    EXPECT_EQ(redOnEdge, 0) << "the outline reaches the edge of the view";
}
