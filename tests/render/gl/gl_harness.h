#pragma once

#include "app/camera.h"
#include "app/frame.h"
#include "game/world.h"
#include "render/scene.h"
#include "tests/core/recording_host.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One GL context for the whole test program: a small hidden SDL window under the private
// X server, with the scene set up once in an empty folder (so every bitmap is missing).

constexpr int viewWidth = 160;
constexpr int viewHeight = 120;

// The scene as the set-up left it, and what it reported.
SceneResources& sharedScene();
const TankListTable& sharedTankLists();
const std::vector<RecordingHost::Message>& setupMessages();

struct Pixel {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Pixel& o) const { return !(*this == o); }
};

// Reads the back buffer; (0, 0) is the lower left corner.
std::vector<Pixel> readBackBuffer();
Pixel readPixel(int x, int y);

struct ScreenPoint {
    double x;
    double y;
    double depth;
};

// Uploads a 4 x 4 picture, lower two rows one colour, upper two another, into a fixed texture
// name; forget it after.
void uploadTestTexture(unsigned name, Pixel lower, Pixel upper);
void forgetTexture(unsigned name);

// A game laid out by hand: both teams, one player each, tanks where the test wants them.
class TestGame {
  public:
    explicit TestGame(float halfSide = 60.0f, float barrierHeight = 10.0f);

    // Adds a placed tank of the given team at (x, 0, z); the first becomes current.
    Tank& addTank(Team& team, float x, float z, int camouflage = CityCamouflage);
    // Puts a shell in flight, held still in the air at the given point.
    Shell& addShell(float x, float y, float z);
    void addPrize(Team& team, float x, float z);

    GameWorld world;
    Camera camera;
    RecordingHost host;

    // Draws one frame; the shells stay where they are unless told to advance.
    void draw(PolygonMode mode, CameraCentre centre = CameraCentre::CenterOfArena,
              ShellMotion motion = ShellMotion::Hold);
    // Where a world point lands in the window as the last frame saw it.
    ScreenPoint project(CameraCentre centre, double x, double y, double z);
    // Looks at the arena centre from the given distance: 90 straight down, 0 level.
    void look(double distance, float pitch);

  private:
    Player& playerOf(Team& team, int camouflage);
};
