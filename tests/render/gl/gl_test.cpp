#include "app/viewport.h"
#include "render/lighting.h"
#include "render/shell_drawing.h"
#include "render/texture_table.h"
#include "render/textures.h"
#include "tests/render/bitmap_test_files.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The set-up ran in an empty folder: each picture is reported once, in loading order.
TEST(SceneSetup, ReportsEveryMissingBitmapOnceInLoadingOrder) {
    const auto& messages = setupHost().messages;
    ASSERT_EQ(messages.size(), textureCount);
    for (std::size_t i = 0; i < textureCount; ++i)
        EXPECT_EQ(messages[i].text, missingFileMessage(textureTable()[i].fileName));
}

// Rows of three pixels are nine bytes in memory but twelve in the file: an upload that
// ignored the padding would shift every row after the first.
TEST(TextureUpload, OddWidthsArriveTexelForTexel) {
    const auto scratch = TextureName(200);  // far above the game's own names
    const std::string file = testing::TempDir() + std::to_string(getpid()) + "odd.bmp";
    RecordingHost host;
    for (int height : {2, -3}) {
        const auto bytes = bitmap_test::goodBmp(3, height);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        loadTexture(host, file, scratch, false);
        glBindTexture(GL_TEXTURE_2D, scratch);
        const int rows = std::abs(height);
        std::vector<std::uint8_t> texels(3 * 3 * rows);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < 3; ++x) {
                const std::uint8_t* t = &texels[(y * 3 + x) * 3];
                EXPECT_EQ((bitmap_test::Bgr{t[2], t[1], t[0]}),
                          bitmap_test::positionColour(x, height < 0 ? rows - 1 - y : y))
                    << x << "," << y << " of " << height;
            }
        }
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
        EXPECT_EQ(filter, GL_NEAREST);
    }
    EXPECT_TRUE(host.messages.empty());
    std::remove(file.c_str());
}

// Nothing nearer than 10 is drawn; distant squares keep their depth order. (The light's
// terms show in every reviewed frame below.)
TEST(SceneObjects, ProjectionClipsOnlyWhatLiesNearerThanTen) {
    resizeViewport(viewWidth, viewHeight);
    glLoadIdentity();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    // Two squares straight ahead, in either drawing order: green at the first distance, red
    // at the second. The nearer shows; green at 9 is clipped, red at 100000 still drawn.
    const double pairs[][2] = {{11, 1000}, {1000, 100000}, {9, 100000}};
    const int want[] = {0x00FF00, 0x00FF00, 0xFF0000};
    for (int i = 0; i < 3; ++i) {
        for (int greenFirst = 0; greenFirst < 2; ++greenFirst) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            for (int k = 0; k < 2; ++k) {
                const bool green = (k == 0) == (greenFirst == 1);
                const float z = float(-pairs[i][green ? 0 : 1]), half = -z * 0.2f;
                glColor3f(!green, green, 0);
                glBegin(GL_QUADS);
                glVertex3f(-half, -half, z);
                glVertex3f(half, -half, z);
                glVertex3f(half, half, z);
                glVertex3f(-half, half, z);
                glEnd();
            }
            std::uint8_t rgb[3] = {};
            glReadPixels(viewWidth / 2, viewHeight / 2, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
            EXPECT_EQ(rgb[0] << 16 | rgb[1] << 8 | rgb[2], want[i]) << pairs[i][0];
        }
    }
    glPopAttrib();
    while (glGetError() != GL_NO_ERROR) {
    }
    resizeViewport(0, 0);  // a window shrunk to nothing still gets a valid projection
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    resizeViewport(viewWidth, viewHeight);
}

// The shell close up, lit from above, filled and in wireframe, as it looked when
// freeglut's sphere drew it. Same vertices, same split of every quad into triangles: a
// quad-strip sphere (GLU's) differs in some two thousand pixels of the filled picture.
TEST(SceneObjects, TheShellLooksAsTheLibrarySphereDid) {
    for (PolygonMode mode : {PolygonMode::SolidShading, PolygonMode::Wireframe}) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(20.0, double(viewWidth) / viewHeight, 0.5, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0.9, 0.7, 1.1, 0, 0, 0, 0, 1, 0);
        placeLight();
        applyPolygonMode(mode);
        drawShell();
        glLoadIdentity();
        // One grazing edge on the outline is shaded a little differently.
        expectLooksAsReviewed(mode == PolygonMode::Wireframe ? "shell_wireframe" : "shell_solid",
                              80);
    }
    applyPolygonMode(PolygonMode::TextureMapping);
    resizeViewport(viewWidth, viewHeight);
}

// Whole frames of small scenes against the reviewed pictures in data/: each camouflage on
// its tanks; the outlines (the current tank red, the others blue, a wreck nowhere); the
// floor's repeats, the prizes, the parts' texture coordinates, shells and a fading shield
// bubble; the pose of hull, turret and barrel from above and from the side; the followed
// tank whole in the nearest view. KRELLMONT_UPDATE_GOLDEN=1 rewrites the pictures.
TEST(Frame, ScenesLookAsReviewed) {
    const struct {
        int camouflage;
        const char* file;
        Pixel colour;
    } looks[] = {{BlueCamouflage, "bluecamo.bmp", {0, 0, 255}},
                 {FallCamouflage, "fallcamo.bmp", {255, 128, 0}},
                 {CityCamouflage, "citycamo.bmp", {255, 255, 255}},
                 {ForestCamouflage, "forestcamo.bmp", {0, 255, 0}},
                 {Forest2Camouflage, "Camouflage.bmp", {255, 0, 0}}};
    TestGame dressed;
    for (const auto& look : looks) {
        for (const TextureEntry& entry : textureTable())
            if (look.file == std::string(entry.fileName))
                uploadTestTexture(entry.name, look.colour, look.colour);
        dressed.addTank(dressed.world.teamA, 20 + 6 * (&look - looks), 30 - 15 * (&look - looks),
                        look.camouflage);
    }
    dressed.look(130, 90);
    dressed.draw(PolygonMode::TextureMapping);
    expectLooksAsReviewed("camouflages");

    uploadTestTexture(FloorTexture, {0, 0, 0}, {255, 255, 255});
    uploadTestTexture(FallCamoTexture, {255, 128, 0}, {0, 128, 255});
    uploadTestTexture(PrizeTexture, {0, 255, 0}, {255, 255, 0});
    for (unsigned track = TrackSideTexture; track <= TrackLengthTexture; ++track)
        uploadTestTexture(track, {255, 0, 255}, {0, 255, 255});
    const struct {
        const char* name;
        PolygonMode mode;
        CameraCentre centre;
        double distance;
        float pitch;
    } scenes[] = {{"outlines", PolygonMode::SolidShading, CameraCentre::CenterOfArena, 170, 90},
                  {"wireframe", PolygonMode::Wireframe, CameraCentre::CenterOfArena, 170, 90},
                  {"textured", PolygonMode::TextureMapping, CameraCentre::CenterOfArena, 150, 40},
                  {"above", PolygonMode::TextureMapping, CameraCentre::CurrentTank, 40, 90},
                  {"side", PolygonMode::TextureMapping, CameraCentre::CurrentTank, 40, 0},
                  {"followed", PolygonMode::TextureMapping, CameraCentre::CurrentTank, 20, 45}};
    for (const auto& scene : scenes) {
        TestGame game;
        Tank& current = game.addTank(game.world.teamA, 30, -30, FallCamouflage);
        current.turretAngle = current.turretYaw = 30;
        current.elevation = -40;
        game.addTank(game.world.teamA, 30, 30, FallCamouflage).heading = 90;
        Tank& enemy = game.addTank(game.world.teamB, -30, 0, BlueCamouflage);
        game.addTank(game.world.teamB, -30, 40).destroyed = true;
        enemy.shieldActive = true;
        enemy.shieldKind = 1;  // medium: at 50 of 75
        enemy.shieldStrength = 50;
        game.addPrize(game.world.teamA, 40, 0);
        game.addPrize(game.world.teamB, -45, -40);
        game.addShell(0, 20, 0);
        game.addShell(27, 9, -33);
        game.look(scene.distance, scene.pitch);
        game.draw(scene.mode, scene.centre);
        expectLooksAsReviewed(scene.name);
    }
    for (const TextureEntry& entry : textureTable()) {
        const GLuint name = entry.name;
        glDeleteTextures(1, &name);
    }
}

// The frame puts back every state its drawing changed, and smoothing ends with it.
TEST(Frame, UndoesEveryStateChangeOfItsDrawing) {
    TestGame game;
    Tank& tank = game.addTank(game.world.teamA, 30, 0);
    tank.shieldActive = true;
    tank.shieldStrength = 50.0f;
    Shell& shell = game.addShell(0, 30, 0);
    applyPolygonMode(PolygonMode::TextureMapping);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_POLYGON_SMOOTH);
    renderFrame(
        game.world, game.host, sharedScene(),
        FrameView{game.camera, CameraCentre::CurrentTank, PolygonMode::TextureMapping, true},
        ShellMotion::Advance);
    EXPECT_DOUBLE_EQ(shell.flightTime, 0.04);
    std::string enabled;
    for (GLenum on :
         {GL_LIGHTING, GL_LIGHT0, GL_TEXTURE_2D, GL_DEPTH_TEST, GL_BLEND, GL_POLYGON_SMOOTH})
        enabled += glIsEnabled(on) ? "1" : "0";
    EXPECT_EQ(enabled, "111100");
    GLboolean depthMask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    GLfloat emission[4] = {1, 1, 1, 1};
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    GLint depth = 0, bound = -1;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(depthMask * 1000 + emission[0] * 100 + depth * 10 + bound, 1010);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
