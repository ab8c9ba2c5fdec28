#pragma once

#include "app/camera.h"
#include "app/frame.h"
#include "game/host.h"
#include "game/world.h"
#include "render/scene.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One GL context for the whole test program: a small hidden SDL window under the private
// X server, with the scene set up once in an empty folder (so every bitmap is missing).

constexpr int viewWidth = 160;
constexpr int viewHeight = 120;

class RecordingHost : public GameHost {
  public:
    struct Message {
        std::string text;
        std::string caption;
    };
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
    void playSound(const std::string& fileName) override { sounds.push_back(fileName); }
    void readoutsChanged() override {}
    void setTankButtonsEnabled(bool) override {}
    void setShieldsMenuEnabled(bool) override {}

    std::vector<Message> messages;
    std::vector<std::string> sounds;
};

// The scene as the set-up left it, and what it reported.
SceneResources& sharedScene();
const TankListTable& sharedTankLists();
const std::vector<RecordingHost::Message>& setupMessages();

struct Pixel {
    int r = 0;
    int g = 0;
    int b = 0;
};

// Reads the back buffer; (0, 0) is the lower left corner.
std::vector<Pixel> readBackBuffer();
Pixel readPixel(int x, int y);

// Where a world point lands in the window for the current matrices.
struct ScreenPoint {
    double x;
    double y;
    double depth;
};
ScreenPoint projectPoint(double x, double y, double z);

// Uploads a tiny solid or two-tone picture into a fixed texture name; forget it after.
void uploadTestTexture(unsigned name, const std::vector<std::uint8_t>& rgbRows, int width,
                       int height);
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
    // Looks straight down on the arena centre from the given height.
    void lookDown(double height);
    // Looks horizontally at the arena centre from the given distance.
    void lookLevel(double distance);

  private:
    Player& playerOf(Team& team, int camouflage);
};
