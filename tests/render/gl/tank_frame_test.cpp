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

struct Region {
    int x0, y0, x1, y1;
};

// The screen rectangle around a tank's 12 x 12 footprint, as seen from straight above.
Region footprintOnScreen(TestGame& game, const Tank& tank) {
    const ScreenPoint a =
        game.project(CameraCentre::CenterOfArena, tank.box.xmin, 5.5, tank.box.zmin);
    const ScreenPoint b =
        game.project(CameraCentre::CenterOfArena, tank.box.xmax, 5.5, tank.box.zmax);
    return {static_cast<int>(std::floor(std::min(a.x, b.x))) - 1,
            static_cast<int>(std::floor(std::min(a.y, b.y))) - 1,
            static_cast<int>(std::ceil(std::max(a.x, b.x))) + 1,
            static_cast<int>(std::ceil(std::max(a.y, b.y))) + 1};
}

struct Count {
    int red = 0;
    int blue = 0;
};

Count countOutlineColours(const std::vector<Pixel>& pixels, const Region& r) {
    Count count;
    for (int y = std::max(r.y0, 0); y <= std::min(r.y1, viewHeight - 1); ++y) {
        for (int x = std::max(r.x0, 0); x <= std::min(r.x1, viewWidth - 1); ++x) {
            const Pixel& p = pixels[static_cast<std::size_t>(y) * viewWidth + x];
            count.red += p == pureRed;
            count.blue += p == pureBlue;
        }
    }
    return count;
}

struct Centroid {
    double x = 0;
    double y = 0;
    int count = 0;
};

Centroid redCentroid(const std::vector<Pixel>& pixels) {
    Centroid c;
    for (int y = 0; y < viewHeight; ++y) {
        for (int x = 0; x < viewWidth; ++x) {
            if (pixels[static_cast<std::size_t>(y) * viewWidth + x] == pureRed) {
                c.x += x;
                c.y += y;
                ++c.count;
            }
        }
    }
    if (c.count > 0) {
        c.x /= c.count;
        c.y /= c.count;
    }
    return c;
}

GLint polygonModeNow() {
    GLint modes[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    return modes[0];
}

}  // namespace

TEST(TankOutlines, ExactlyTheCurrentTankIsRedAndEveryOtherTankBlue) {
    TestGame game;
    Tank& current = game.addTank(game.world.teamA, 30, -30);
    Tank& mate = game.addTank(game.world.teamA, 30, 30);
    Tank& enemy = game.addTank(game.world.teamB, -30, 0, BlueCamouflage);
    ASSERT_EQ(game.world.currentTank(), &current);
    game.look(170, 90);

    for (PolygonMode mode :
         {PolygonMode::SolidShading, PolygonMode::TextureMapping, PolygonMode::Wireframe}) {
        game.draw(mode);
        const auto pixels = readBackBuffer();
        const Count mine = countOutlineColours(pixels, footprintOnScreen(game, current));
        EXPECT_GT(mine.red, 10) << int(mode);
        EXPECT_EQ(mine.blue, 0) << int(mode);
        for (const Tank* other : {&mate, &enemy}) {
            const Count theirs = countOutlineColours(pixels, footprintOnScreen(game, *other));
            EXPECT_EQ(theirs.red, 0) << int(mode);
            EXPECT_GT(theirs.blue, 10) << int(mode);
        }
    }

    // Without a current tank no outline is drawn at all.
    game.world.teamA.currentPlayer->currentTank = nullptr;
    game.draw(PolygonMode::SolidShading);
    const Count all = countOutlineColours(readBackBuffer(), {0, 0, viewWidth - 1, viewHeight - 1});
    EXPECT_EQ(all.red + all.blue, 0);
}

TEST(TankOutlines, LeaveThePolygonModeOfTheChosenDrawingMode) {
    TestGame game;
    Tank& tank = game.addTank(game.world.teamA, 30, 0);
    const TankDrawContext wire{sharedScene(), PolygonMode::Wireframe, &tank};
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    drawTankOutline(tank, wire);
    EXPECT_EQ(polygonModeNow(), GL_LINE);

    const TankDrawContext solid{sharedScene(), PolygonMode::SolidShading, &tank};
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    drawTankOutline(tank, solid);
    EXPECT_EQ(polygonModeNow(), GL_FILL);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST(TankDrawing, ADestroyedTankLeavesNoTraceInTheFrame) {
    TestGame withWreck;
    withWreck.addTank(withWreck.world.teamA, 30, 0);
    Tank& wreck = withWreck.addTank(withWreck.world.teamB, -30, 0);
    wreck.shieldActive = true;
    wreck.shieldStrength = 100.0f;
    wreck.shieldKind = 2;
    wreck.destroyed = true;
    TestGame without;
    without.addTank(without.world.teamA, 30, 0);

    without.draw(PolygonMode::SolidShading);
    const auto empty = readBackBuffer();
    const auto differing = [&] {
        withWreck.draw(PolygonMode::SolidShading);
        const auto frame = readBackBuffer();
        int count = 0;
        for (std::size_t i = 0; i < frame.size(); ++i) {
            count += frame[i] != empty[i];
        }
        return count;
    };
    EXPECT_EQ(differing(), 0);
    wreck.destroyed = false;  // the same tank alive does show
    EXPECT_GT(differing(), 100);
}

namespace {

// Estimates the bubble's opacity at a point inside it but off the tank, from the same
// pixel with and without the bubble.
double bubbleOpacity(TestGame& game, Tank& tank) {
    game.look(60, 90);
    const ScreenPoint s =
        game.project(CameraCentre::CurrentTank, tank.position.x + 8.0, 0.0, tank.position.z);
    const int x = static_cast<int>(s.x);
    const int y = static_cast<int>(s.y);
    const bool wasOn = tank.shieldActive;
    tank.shieldActive = false;
    game.draw(PolygonMode::SolidShading, CameraCentre::CurrentTank);
    const Pixel under = readPixel(x, y);
    tank.shieldActive = wasOn;
    game.draw(PolygonMode::SolidShading, CameraCentre::CurrentTank);
    const Pixel blended = readPixel(x, y);
    // The bubble's red is 0.5 (127.5); the floor's 191.
    return (blended.r - under.r) / (127.5 - under.r);
}

}  // namespace

TEST(ShieldBubble, FadesWithTheStrengthLeft) {
    TestGame game;
    Tank& tank = game.addTank(game.world.teamA, 30, 0);
    tank.shieldActive = true;
    tank.shieldKind = 0;
    tank.shieldStrength = 50.0f;
    EXPECT_NEAR(bubbleOpacity(game, tank), 0.5, 0.03);
    tank.shieldStrength = 25.0f;  // a weak shield after one hit
    EXPECT_NEAR(bubbleOpacity(game, tank), 0.25, 0.03);
    tank.shieldKind = 1;  // a medium shield after two hits
    EXPECT_NEAR(bubbleOpacity(game, tank), 0.1667, 0.03);
}

TEST(Shells, GlowRedEvenWhereTheLightDoesNotReachAndEveryShellAlike) {
    TestGame game;
    game.addTank(game.world.teamA, 30, 0);
    game.addPrize(game.world.teamA, 40, 20);
    game.addShell(-3, 3, 0);
    game.addShell(3, 3, 0);
    // A green prize picture would tint any shell drawn with texturing left on.
    uploadTestTexture(PrizeTexture, {0, 255, 0}, {0, 255, 0});
    game.look(30, 0);

    for (PolygonMode mode : {PolygonMode::TextureMapping, PolygonMode::SolidShading}) {
        game.draw(mode);
        for (float x : {-3.0f, 3.0f}) {
            const ScreenPoint s = game.project(CameraCentre::CenterOfArena, x, 3, 0);
            // Seen from the side the sphere's middle faces sideways: no diffuse light.
            const Pixel p = readPixel(static_cast<int>(s.x), static_cast<int>(s.y));
            EXPECT_TRUE(p.r == 255 && p.g < 40 && p.b < 40) << int(mode) << " x " << x;
        }
    }
    forgetTexture(PrizeTexture);
}

TEST(Shells, AdvanceOneStepPerFrameUnlessHeld) {
    TestGame game;
    game.addTank(game.world.teamA, 30, 0);
    Shell& shell = game.addShell(0, 40, 0);
    game.draw(PolygonMode::TextureMapping, CameraCentre::CurrentTank, ShellMotion::Hold);
    EXPECT_EQ(shell.flightTime, 0.0);
    EXPECT_FLOAT_EQ(shell.position.y, 40.0f);
    game.draw(PolygonMode::TextureMapping, CameraCentre::CurrentTank, ShellMotion::Advance);
    EXPECT_DOUBLE_EQ(shell.flightTime, 0.04);
    EXPECT_LT(shell.position.y, 40.0f);
    game.draw(PolygonMode::TextureMapping, CameraCentre::CurrentTank, ShellMotion::Advance);
    EXPECT_DOUBLE_EQ(shell.flightTime, 0.08);
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

    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(polygonModeNow(), GL_FILL);
    GLboolean depthMask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    EXPECT_TRUE(depthMask);
    GLfloat emission[4] = {1, 1, 1, 1};
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    EXPECT_EQ(emission[0], 0.0f);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Frame, FollowsTheCurrentTankOrStaysOnTheArenaCentre) {
    TestGame game;
    game.addTank(game.world.teamA, 40, 20);
    game.look(120, 90);

    game.draw(PolygonMode::SolidShading, CameraCentre::CurrentTank);
    Centroid c = redCentroid(readBackBuffer());
    ASSERT_GT(c.count, 10);
    EXPECT_NEAR(c.x, viewWidth / 2.0, 2.0);
    EXPECT_NEAR(c.y, viewHeight / 2.0, 2.0);

    game.draw(PolygonMode::SolidShading, CameraCentre::CenterOfArena);
    c = redCentroid(readBackBuffer());
    ASSERT_GT(c.count, 10);
    const ScreenPoint expected = game.project(CameraCentre::CenterOfArena, 40, 3, 20);
    EXPECT_NEAR(c.x, expected.x, 3.0);
    EXPECT_NEAR(c.y, expected.y, 3.0);
    EXPECT_GT(std::abs(c.x - viewWidth / 2.0), 20.0);
}

TEST(Shells, EachPaintedShellLeavesTheStateTheNextShellNeeds) {
    TestGame game;
    const Shell& shell = game.addShell(0, 20, 0);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    // As inside the frame's shell step: texturing already off for the volley.
    applyPolygonMode(PolygonMode::TextureMapping);
    texturingOff(PolygonMode::TextureMapping);
    ScenePainter textured(PolygonMode::TextureMapping);
    textured.paintShell(shell);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(polygonModeNow(), GL_FILL);

    applyPolygonMode(PolygonMode::Wireframe);
    ScenePainter wire(PolygonMode::Wireframe);
    wire.paintShell(shell);
    EXPECT_EQ(polygonModeNow(), GL_LINE);
    glPopAttrib();
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
    EXPECT_GT(countOutlineColours(pixels, {0, 0, viewWidth - 1, viewHeight - 1}).red, 100);
    const Count inside = countOutlineColours(pixels, {1, 1, viewWidth - 2, viewHeight - 2});
    EXPECT_EQ(countOutlineColours(pixels, {0, 0, viewWidth - 1, viewHeight - 1}).red, inside.red)
        << "the outline reaches the edge of the view";
}
