// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of drawing on a real GL context: texture uploads, clipping, the shell, batches against
// GL's polygons and GLU's quadrics, whole frames against reviewed pictures, and GL state.
#include "render/camera.h"
#include "render/lighting.h"
#include "render/quadric_shapes.h"
#include "render/shell_drawing.h"
#include "render/tank_geometry.h"
#include "render/texture_table.h"
#include "render/textures.h"
#include "render/viewport.h"
#include "tests/render/bitmap_test_files.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

// Every picture is read from the working directory; the set-up, run in an empty folder,
// reported each missing one once, in loading order. Rows of three pixels are nine bytes in
// memory but twelve in the file: an upload that ignored the padding would shift every row
// after the first. Unpacking left set by other code (a window toolkit's font upload, say)
// must not reach the pictures either. Only the floor and the prize, repeated across large
// faces, get smaller levels, and so are scaled to a power of two; the rest arrive texel for
// texel.
TEST(TextureUpload, OddWidthsArriveTexelForTexel) {
    const auto previous = std::filesystem::current_path();
    const std::string folder = testing::TempDir() + std::to_string(getpid()) + "pictures";
    std::filesystem::create_directory(folder);
    RecordingHost host;
    for (int height : {2, -3}) {
        for (GLenum leftover : {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS,
                                GL_UNPACK_SKIP_PIXELS})
            glPixelStorei(leftover, 1);
        const auto bytes = bitmap_test::goodBmp(3, height);
        for (const TextureEntry& entry : textureTable())
            std::ofstream(folder + "/" + entry.fileName, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        std::filesystem::current_path(folder);
        loadTextures(host);
        std::filesystem::current_path(previous);
        for (std::size_t i = 0; i < textureCount; ++i) {
            const TextureEntry& entry = textureTable()[i];
            EXPECT_EQ(setupHost().messages.at(i).text, missingFileMessage(entry.fileName));
            glBindTexture(GL_TEXTURE_2D, entry.name);
            GLint width = 0, filter = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
            glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
            EXPECT_EQ(filter, GL_NEAREST);
            const bool levels = entry.name == FloorTexture || entry.name == PrizeTexture;
            ASSERT_EQ(width, levels ? 4 : 3) << entry.fileName;
            const int rows = std::abs(height);
            std::vector<std::uint8_t> texels(4 * 4 * 3);  // room for a scaled picture
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
            for (int y = 0; y < rows && !levels; ++y) {
                for (int x = 0; x < 3; ++x) {
                    const std::uint8_t* t = &texels[(y * 3 + x) * 3];
                    EXPECT_EQ((bitmap_test::Bgr{t[2], t[1], t[0]}),
                              bitmap_test::positionColour(x, height < 0 ? rows - 1 - y : y))
                        << x << "," << y << " of " << height << " in " << entry.fileName;
                }
            }
        }
    }
    EXPECT_EQ(setupHost().messages.size(), textureCount);
    EXPECT_TRUE(host.messages.empty());
    std::filesystem::remove_all(folder);
}

// Nothing nearer than 10 is drawn; distant squares keep their depth order. (The light's
// terms show in every reviewed frame below.)
TEST(SceneObjects, ProjectionClipsOnlyWhatLiesNearerThanTen) {
    resizeViewport(viewWidth, viewHeight);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    // Two squares straight ahead, green at the first distance drawn before red at the second:
    // the nearer shows; green at 9 is clipped, red at 100000 still drawn.
    const float pairs[][2] = {{11, 1000}, {1000, 100000}, {9, 100000}};
    const int want[] = {0x00FF00, 0x00FF00, 0xFF0000};
    for (int i = 0; i < 3; ++i) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        for (float distance : pairs[i]) {
            glColor3f(distance == pairs[i][1], distance == pairs[i][0], 0);
            glLoadIdentity();
            glTranslatef(0, 0, -distance);
            glRectf(-distance / 5, -distance / 5, distance / 5, distance / 5);
        }
        std::uint8_t rgb[3] = {};
        glReadPixels(viewWidth / 2, viewHeight / 2, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        EXPECT_EQ(rgb[0] << 16 | rgb[1] << 8 | rgb[2], want[i]) << pairs[i][0];
    }
    glPopAttrib();
    resizeViewport(0, 0);  // a window shrunk to nothing still gets a valid projection
    EXPECT_EQ(viewportAspect(0, 0), 1.0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    resizeViewport(viewWidth, viewHeight);
}

// The shell close up in its cyan box, lit from above, filled and in wireframe. The sphere
// keeps the vertices and the split of every quad into triangles of freeglut's, which first
// drew it: a quad-strip sphere (GLU's) differs in some two thousand pixels of the filled one.
TEST(SceneObjects, TheShellLooksAsTheLibrarySphereDid) {
    TestGame game;
    const Shell& shell = game.addShell(0, 0, 0);
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
        drawShellInFlight(shell, sharedScene().shellList());
        lightingOff(mode);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        SeenShells seen;
        seen.add(shell);
        drawShellOutlines(seen);
        applyPolygonMode(mode);
        lightingOn(mode);
        expectLooksAsReviewed(mode == PolygonMode::Wireframe ? "shell_wireframe" : "shell_solid");
    }
    // The muzzle ring in wireframe from in front, above and to one side: eight sides.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(1.5, 1, 2.5, 0, 0, 6.25, 0, 1, 0);
    glCallList(sharedScene().muzzleRingList());
    expectLooksAsReviewed("muzzle_ring");
    applyPolygonMode(PolygonMode::TextureMapping);
    resizeViewport(viewWidth, viewHeight);
}

std::vector<unsigned char> backBuffer() {
    std::vector<unsigned char> rgb(viewWidth * viewHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, viewWidth, viewHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// Draws `draw` lit and textured, filled and then in lines, on a cleared view from `eye`.
std::vector<unsigned char> picture(const std::function<void()>& draw, GLenum polygonMode,
                                   const Vec3& eye) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, 0, 0, 0, 0, 1, 0);
    placeLight();
    glPolygonMode(GL_FRONT_AND_BACK, polygonMode);
    draw();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    return backBuffer();
}

// The batches stand in for GL polygons and GLU's quadric strips: the same pixels, filled and in
// wireframe (where only the outlines of faces and strips show, never the split's diagonals).
// Filled, the one-stack cylinder looks as GLU's ten stacks, but for rounding.
TEST(Batches, DrawThePixelsOfGlsPolygonsAndGlusQuadrics) {
    sharedScene();
    uploadTestTexture(PrizeTexture, {40, 200, 90}, {250, 120, 10});
    glBindTexture(GL_TEXTURE_2D, PrizeTexture);
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, double(viewWidth) / viewHeight, 0.5, 100.0);
    glMatrixMode(GL_MODELVIEW);
    const ModelGeometry turret = turretGeometry();
    const auto polygons = [&] {
        for (const ModelFace& face : turret.faces) {
            glBegin(GL_POLYGON);
            glNormal3f(face.normal.x, face.normal.y, face.normal.z);
            for (int i = 0; i < face.vertexCount(); ++i) {
                const Vec3& v = turret.vertices[face.indices[i]];
                // Coordinates that differ per corner, so a corner taken wrongly shows.
                glTexCoord2f(0.1f * i, 0.7f - 0.05f * i);
                glVertex3f(v.x, v.y, v.z);
            }
            glEnd();
        }
    };
    const auto batched = [&] {
        TriangleBatch batch;
        for (const ModelFace& face : turret.faces) {
            BatchVertex corners[8];
            for (int i = 0; i < face.vertexCount(); ++i) {
                corners[i].position = turret.vertices[face.indices[i]];
                corners[i].normal = face.normal;
                corners[i].s = 0.1f * i;
                corners[i].t = 0.7f - 0.05f * i;
            }
            batch.addPolygon(corners, face.vertexCount());
        }
        emitTriangles(batch);
    };
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricTexture(quadric, GL_TRUE);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    GLUquadric* bubble = gluNewQuadric();  // as the shield's: no texture coordinates
    gluQuadricNormals(bubble, GLU_SMOOTH);
    const struct {
        const char* what;
        std::function<void()> before, after;
        Vec3 eye;
    } pairs[] = {
        {"turret", polygons, batched, {7, 9, 11}},
        {"barrel",
         [&] { gluCylinder(quadric, 0.25, 0.25, 6.0, 10, 10); },
         [] { emitTriangles(cylinderBatch(0.25, 0.25, 6.0, 10, 10)); },
         {1.5, 2, 8}},
        {"bubble",
         [&] { gluSphere(bubble, 9.0, 20, 20); },
         [] { emitTriangles(sphereBatch(9.0, 20, 20)); },
         {14, 18, 20}},
    };
    for (const auto& pair : pairs) {
        for (GLenum mode : {GL_FILL, GL_LINE}) {
            const auto before = picture(pair.before, mode, pair.eye);
            EXPECT_TRUE(before != picture([] {}, mode, pair.eye)) << pair.what;  // drawn at all
            const auto after = picture(pair.after, mode, pair.eye);
            EXPECT_TRUE(after == before) << pair.what << " " << mode;
        }
    }
    const auto tenStacks = picture(pairs[1].after, GL_FILL, pairs[1].eye);
    const auto oneStack = picture([] { emitTriangles(cylinderBatch(0.25, 0.25, 6.0, 10, 1)); },
                                  GL_FILL, pairs[1].eye);
    int differing = 0;
    for (std::size_t i = 0; i < oneStack.size(); ++i) {
        EXPECT_LE(std::abs(oneStack[i] - tenStacks[i]), 1) << i;
        differing += oneStack[i] != tenStacks[i];
    }
    EXPECT_LE(differing, 8);
    gluDeleteQuadric(quadric);
    gluDeleteQuadric(bubble);
    const GLuint prize = PrizeTexture;
    glDeleteTextures(1, &prize);
    applyPolygonMode(PolygonMode::TextureMapping);
    resizeViewport(viewWidth, viewHeight);
}

// Whole frames of small scenes against the reviewed pictures in data/: each camouflage on
// its tanks; the outlines (the current tank red, the others blue, a wreck nowhere); the
// floor's repeats, the walls' near and far ends, the prizes, the parts' texture coordinates (each
// track picture in its own colours), shells and a fading shield bubble; the pose of hull,
// turret and barrel from above and from the side; the followed tank in the nearest view,
// turned so the tilt's axis turns with it. KRELLMONT_UPDATE_GOLDEN=1 rewrites the pictures.
TEST(Frame, ScenesLookAsReviewed) {
    const struct {
        int camouflage;
        const char* file;
        Pixel colour;
    } looks[] = {{BlueCamouflage, blueCamoFile, {0, 0, 255}},
                 {FallCamouflage, fallCamoFile, {255, 128, 0}},
                 {CityCamouflage, cityCamoFile, {255, 255, 255}},
                 {ForestCamouflage, forestCamoFile, {0, 255, 0}},
                 {Forest2Camouflage, forest2CamoFile, {255, 0, 0}}};
    for (GLuint name = 1; name <= PrizeTexture; ++name)  // none left from earlier tests
        glDeleteTextures(1, &name);
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
        uploadTestTexture(track, {255, 255, 0}, {255 * int(track % 2), 255 * int(track / 8), 255});
    // The light from above leaves upright faces nearly black; a second one shining from the
    // viewer (where a light stands unless placed) shows their pictures and how the floor's
    // normal takes light.
    glEnable(GL_LIGHT1);
    const struct {
        const char* name;
        PolygonMode mode;
        CameraCentre centre;
        double distance;
        float pitch, yaw, headlight;
    } scenes[] = {
        {"outlines", PolygonMode::SolidShading, CameraCentre::CenterOfArena, 170, 90, 0, 0},
        {"wireframe", PolygonMode::Wireframe, CameraCentre::CenterOfArena, 170, 90, 0, 0},
        {"textured", PolygonMode::TextureMapping, CameraCentre::CenterOfArena, 150, 40, 180, 0},
        {"near_ends", PolygonMode::TextureMapping, CameraCentre::CenterOfArena, 150, 40, 0, 0},
        {"above", PolygonMode::TextureMapping, CameraCentre::CurrentTank, 40, 90, 0, 0},
        {"side", PolygonMode::TextureMapping, CameraCentre::CurrentTank, 40, 15, 0, 0.6f},
        {"followed", PolygonMode::TextureMapping, CameraCentre::CurrentTank, 20, 45, 30, 0}};
    for (const auto& scene : scenes) {
        const GLfloat headlight[] = {scene.headlight, scene.headlight, scene.headlight, 1};
        glLightfv(GL_LIGHT1, GL_DIFFUSE, headlight);
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
        game.camera.yaw = scene.yaw;
        game.draw(scene.mode, scene.centre);
        expectLooksAsReviewed(scene.name);
    }
    glDisable(GL_LIGHT1);
}

// A bubble tints whatever lies behind it, a tank drawn after its own included: every pixel of
// the tank behind that the bubble covers changes when the shield comes on.
TEST(Frame, ABubbleTintsATankBehindItDrawnLater) {
    const auto frame = [](bool shielded, bool behind) {
        TestGame game;
        Tank& front = game.addTank(game.world.teamA, 20, 0);
        front.shieldActive = shielded;
        front.shieldKind = 1;
        front.shieldStrength = 50;
        game.addTank(game.world.teamA, 22, -11).destroyed = !behind;
        // No current tank: no outlines, which are drawn over the bubbles.
        game.world.teamA.currentPlayer->currentTank = nullptr;
        game.look(60, 40);
        game.draw(PolygonMode::SolidShading);
        std::vector<std::uint8_t> rgb(viewWidth * viewHeight * 3);
        glReadPixels(0, 0, viewWidth, viewHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    };
    const auto plain = frame(false, false), tank = frame(false, true), bubble = frame(true, false),
               both = frame(true, true);
    int covered = 0, tinted = 0;
    for (std::size_t i = 0; i < plain.size(); i += 3) {
        const auto differ = [i](const std::vector<std::uint8_t>& a,
                                const std::vector<std::uint8_t>& b) {
            return !std::equal(&a[i], &a[i] + 3, &b[i]);
        };
        if (differ(tank, plain) && differ(bubble, plain)) {
            ++covered;
            tinted += differ(both, tank);
        }
    }
    ASSERT_GT(covered, 20) << "the bubble covers too little of the tank behind";
    EXPECT_EQ(tinted, covered);
}

// The frame puts back every state its drawing changed, and smoothing ends with it.
TEST(Frame, UndoesEveryStateChangeOfItsDrawing) {
    TestGame game;
    Tank& tank = game.addTank(game.world.teamA, 30, 0);
    tank.shieldActive = true;
    tank.shieldStrength = 50.0f;
    game.addShell(0, 30, 0);
    applyPolygonMode(PolygonMode::TextureMapping);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_POLYGON_SMOOTH);
    renderFrame(
        game.world, sharedScene(),
        FrameView{game.camera, CameraCentre::CurrentTank, PolygonMode::TextureMapping, true},
        shellsInFlight(game.world));
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

// A scene torn down gives back every display list it made.
TEST(SceneObjects, TearingDownFreesEveryList) {
    const auto lists = [] {
        int count = 0;
        for (GLuint list = 1; list < 4096; ++list)
            count += glIsList(list);
        return count;
    };
    const int before = lists();
    RecordingHost host;
    TankListTable tankLists{};
    setupScene(host, tankLists).reset();
    EXPECT_EQ(lists(), before);
}

}  // namespace
