#include "render/lighting.h"
#include "render/tank_drawing.h"
#include "render/textures.h"
#include "tests/render/bitmap_test_files.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const Pixel orange{255, 128, 0}, magenta{255, 0, 255}, sky{128, 128, 255};

// The reference colour nearest in hue (light only scales the texture's colour).
char hueOf(const Pixel& p) {
    const struct {
        Pixel colour;
        char name;
    } references[] = {{orange, 'c'}, {magenta, 't'}, {sky, 's'}};
    char best = '?';
    double bestCos = 0.98;
    for (const auto& r : references) {
        const double dot = p.r * r.colour.r + p.g * r.colour.g + p.b * r.colour.b;
        const double cos =
            dot /
            (std::hypot(p.r, p.g, p.b) * std::hypot(r.colour.r, r.colour.g, r.colour.b) + 1e-9);
        if (cos > bestCos) {
            bestCos = cos;
            best = r.name;
        }
    }
    return best;
}

// The tank alone, textured, without its outline, the view centred on it.
void drawAlone(TestGame& game, const Tank& tank) {
    applyPolygonMode(PolygonMode::TextureMapping);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    applyCamera(game.camera, CameraCentre::CurrentTank, game.world);
    placeLight();
    drawTank(tank, TankDrawContext{sharedScene(), PolygonMode::TextureMapping, nullptr});
    glLoadIdentity();
}

// Camouflage orange, tracks magenta: what lies under a point near the tank tells apart
// barrel, body, track and empty sky, so a turned or mirrored part shows.
TEST(TankPose, BarrelTracksAndHeadingLandWhereThePoseSaysSeenFromAboveAndFromTheSide) {
    for (unsigned track = TrackSideTexture; track <= TrackLengthTexture; ++track)
        uploadTestTexture(track, magenta, magenta);
    uploadTestTexture(FallCamoTexture, orange, orange);
    TestGame game;
    Tank& tank = game.addTank(game.world.teamA, 30, -20, FallCamouflage);
    struct Probe {
        float dx, y, dz;
        char hue;
    };
    const struct {
        const char* what;
        int heading, turret, elevation;
        float pitch;
        std::vector<Probe> probes;
    } poses[] = {
        {"level barrel ahead, tracks on both sides",
         0,
         0,
         0,
         90,
         {{-7.5f, 4.25f, 0, 'c'},
          {-9.3f, 4.25f, 0, 'c'},
          {-10.2f, 4.25f, 0, 's'},
          {7.5f, 4.25f, 0, 's'},
          {0, 2, 3.3f, 't'},
          {0, 2, -3.3f, 't'},
          {3.3f, 2, 0, 'c'}}},
        {"turret turned to +z",
         0,
         90,
         0,
         90,
         {{0, 4.25f, 7.5f, 'c'}, {0, 4.25f, -7.5f, 's'}, {-7.5f, 4.25f, 0, 's'}}},
        {"hull turned to +z",
         90,
         0,
         0,
         90,
         {{0, 4.25f, 7.5f, 'c'},
          {-7.5f, 4.25f, 0, 's'},
          {3.3f, 2, 0, 't'},
          {-3.3f, 2, 0, 't'},
          {0, 2, 3.3f, 'c'}}},
        {"barrel raised 60 degrees, seen from the side",
         0,
         0,
         -60,
         0,
         {{-5, 7.71f, 0, 'c'}, {-7.5f, 4.25f, 0, 's'}}},
    };
    for (const auto& pose : poses) {
        tank.heading = pose.heading;
        tank.turretAngle = tank.turretYaw = pose.turret;
        tank.elevation = pose.elevation;
        game.look(40, pose.pitch);
        drawAlone(game, tank);
        const auto pixels = readBackBuffer();
        for (const Probe& p : pose.probes) {
            const ScreenPoint s =
                game.project(CameraCentre::CurrentTank, 30 + p.dx, p.y, -20 + p.dz);
            const Pixel seen = pixels[int(s.y) * viewWidth + int(s.x)];
            EXPECT_EQ(hueOf(seen), p.hue)
                << pose.what << " at " << p.dx << ", " << p.y << ", " << p.dz << ": " << seen.r
                << " " << seen.g << " " << seen.b;
        }
    }
    for (unsigned name : {6u, 7u, 8u, 9u, unsigned(FallCamoTexture)})
        forgetTexture(name);
}

// The files a player's camouflage names end up on that player's tanks, through the
// texture table, the display lists and the cannons.
TEST(TankCamouflage, EachCamouflageWearsItsOwnPicture) {
    const struct {
        int camouflage;
        const char* file;
        Pixel colour;
    } looks[] = {{BlueCamouflage, "bluecamo.bmp", {0, 0, 255}},
                 {FallCamouflage, "fallcamo.bmp", {255, 128, 0}},
                 {CityCamouflage, "citycamo.bmp", {255, 255, 255}},
                 {ForestCamouflage, "forestcamo.bmp", {0, 255, 0}},
                 {Forest2Camouflage, "Camouflage.bmp", {255, 0, 0}}};
    bitmap_test::TempFolder folder;
    for (const auto& look : looks) {
        auto bmp = bitmap_test::goodBmp(4, 4);
        for (std::size_t i = 54; i < bmp.size(); i += 3)
            bmp[i] = look.colour.b, bmp[i + 1] = look.colour.g, bmp[i + 2] = look.colour.r;
        folder.write(look.file, bmp);
    }
    RecordingHost host;
    loadTextureBitmaps(host, folder.path.string(),
                       [](const TextureEntry& entry, const RgbImage& image) {
                           glBindTexture(GL_TEXTURE_2D, entry.name);
                           uploadBoundTexture(image, entry.mipmapped);
                       });
    // The picture whose colour the pixel's hue is nearest (light only scales it).
    auto wornBy = [&](const Pixel& p) {
        std::string best;
        double bestCos = 0.99;
        for (const auto& look : looks) {
            const Pixel& c = look.colour;
            const double cos = (p.r * c.r + p.g * c.g + p.b * c.b) /
                               (std::hypot(p.r, p.g, p.b) * std::hypot(c.r, c.g, c.b) + 1e-9);
            if (cos > bestCos) {
                bestCos = cos;
                best = look.file;
            }
        }
        return best;
    };
    for (const auto& look : looks) {
        TestGame game;
        Tank& tank = game.addTank(game.world.teamA, 30, 0, look.camouflage);
        game.look(40, 90);
        drawAlone(game, tank);
        for (const Vec3 at : {Vec3{0, 5.5f, 0}, Vec3{-7.5f, 4.5f, 0}}) {  // turret top, barrel
            const ScreenPoint s = game.project(CameraCentre::CurrentTank, 30 + at.x, at.y, at.z);
            EXPECT_EQ(wornBy(readPixel(int(s.x), int(s.y))), look.file) << at.x;
        }
    }
    for (const TextureEntry& entry : textureTable())
        forgetTexture(entry.name);
}

}  // namespace
