#include "tests/render/gl/gl_harness.h"

#include "app/viewport.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

struct GlState {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    std::unique_ptr<SceneResources> scene;
    TankListTable tankLists;
    RecordingHost setupHost;
};

GlState* state = nullptr;

class GlEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        state = new GlState;
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
        state->window = SDL_CreateWindow("render tests", 0, 0, viewWidth, viewHeight,
                                         SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(state->window, nullptr) << SDL_GetError();
        state->context = SDL_GL_CreateContext(state->window);
        ASSERT_NE(state->context, nullptr) << SDL_GetError();
        ASSERT_EQ(SDL_GL_MakeCurrent(state->window, state->context), 0);

        // Set up in an empty folder: every picture file is missing.
        const auto previous = std::filesystem::current_path();
        char pattern[] = "/tmp/krellmont-render-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        std::filesystem::current_path(pattern);
        state->scene = setupScene(state->setupHost, state->tankLists);
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(pattern);
    }

    void TearDown() override {
        if (state == nullptr) {
            return;
        }
        state->scene.reset();
        if (state->context != nullptr) {
            SDL_GL_DeleteContext(state->context);
        }
        if (state->window != nullptr) {
            SDL_DestroyWindow(state->window);
        }
        // No SDL_Quit: it unloads the GL driver, whose own leaks the leak checker could
        // then no longer attribute (and so not suppress). The process ends right after.
        delete state;
        state = nullptr;
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new GlEnvironment);

void placeTank(Tank& tank, float x, float z) {
    tank.position = {x, 0.0f, z};
    tank.box = {x - 6.0f, x + 6.0f, 0.5f, 5.5f, z - 6.0f, z + 6.0f};
    tank.syncCorners();
    tank.placed = true;
}

}  // namespace

SceneResources& sharedScene() {
    return *state->scene;
}
const TankListTable& sharedTankLists() {
    return state->tankLists;
}
const std::vector<RecordingHost::Message>& setupMessages() {
    return state->setupHost.messages;
}

std::vector<Pixel> readBackBuffer() {
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(viewWidth) * viewHeight * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, viewWidth, viewHeight, GL_RGB, GL_UNSIGNED_BYTE, raw.data());
    std::vector<Pixel> pixels(static_cast<std::size_t>(viewWidth) * viewHeight);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = {raw[3 * i], raw[3 * i + 1], raw[3 * i + 2]};
    }
    return pixels;
}

Pixel readPixel(int x, int y) {
    return readBackBuffer()[static_cast<std::size_t>(y) * viewWidth + x];
}

void uploadTestTexture(unsigned name, Pixel lower, Pixel upper) {
    std::vector<std::uint8_t> rgbRows;
    for (int i = 0; i < 16; ++i) {
        const Pixel& p = i < 8 ? lower : upper;
        rgbRows.insert(rgbRows.end(), {std::uint8_t(p.r), std::uint8_t(p.g), std::uint8_t(p.b)});
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 4, 4, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 rgbRows.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void forgetTexture(unsigned name) {
    const GLuint texture = name;
    glDeleteTextures(1, &texture);
}

TestGame::TestGame(float halfSide, float barrierHeight) {
    world.arena.halfSide = halfSide;
    world.arena.barrierHeight = barrierHeight;
    world.arena.rebuild();
    world.setupInProgress = false;
    world.tankLists = sharedTankLists();
    resetCamera(camera, halfSide);
    resizeViewport(viewWidth, viewHeight);
}

Player& TestGame::playerOf(Team& team, int camouflage) {
    if (team.firstPlayer == nullptr) {
        auto player = std::make_unique<Player>();
        player->camouflage = camouflage;
        team.currentPlayer = &team.appendPlayer(std::move(player));
        team.playerCount = 1;
    }
    return *team.firstPlayer;
}

Tank& TestGame::addTank(Team& team, float x, float z, int camouflage) {
    Player& player = playerOf(team, camouflage);
    Team* const previous = world.currentTeam;
    world.currentTeam = &team;
    Tank& tank = player.appendTank(std::make_unique<Tank>(world));
    world.currentTeam = previous;
    if (world.currentTank() == nullptr) {
        world.currentTeam = &team;
    }
    if (player.currentTank == nullptr) {
        player.currentTank = &tank;
    }
    ++player.tankCount;
    const int slot = camouflageListSlot(camouflage);
    tank.hull.displayListId = world.tankLists.hullLists[slot];
    tank.deck.displayListId = world.tankLists.deckLists[slot];
    tank.turret.displayListId = world.tankLists.turretLists[slot];
    for (Cannon& cannon : tank.cannons) {
        cannon.camouflage = camouflage;
    }
    placeTank(tank, x, z);
    return tank;
}

Shell& TestGame::addShell(float x, float y, float z) {
    auto shell = std::make_unique<Shell>();
    shell->position = {x, y, z};
    shell->launchX = x;
    shell->launchY = y;
    shell->launchZ = z;
    shell->timeStep = 0.04;
    const float k = Shell::halfSide;
    shell->box = {x - k, x + k, y - k, y + k, z - k, z + k};
    shell->corners = shellLayoutCorners(shell->box);
    shell->faces = shellFaces;
    Shell& added = *shell;
    world.shells[world.shellsInFlight++] = std::move(shell);
    world.shotInProgress = true;
    return added;
}

void TestGame::addPrize(Team& team, float x, float z) {
    auto prize = std::make_unique<Prize>(world.random);
    prize->position = {x, 0.0f, z};
    prize->box = {x - 2.0f, x + 2.0f, -2.0f, 2.0f, z - 2.0f, z + 2.0f};
    prize->syncCorners();
    team.prize = std::move(prize);
}

void TestGame::draw(PolygonMode mode, CameraCentre centre, ShellMotion motion) {
    applyPolygonMode(mode);
    renderFrame(world, host, sharedScene(), FrameView{camera, centre, mode}, motion);
}

ScreenPoint TestGame::project(CameraCentre centre, double x, double y, double z) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    applyCamera(camera, centre, world);
    GLdouble model[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    ScreenPoint p{};
    gluProject(x, y, z, model, projection, viewport, &p.x, &p.y, &p.depth);
    glLoadIdentity();
    return p;
}

void TestGame::look(double distance, float pitch) {
    camera.eye = {0.0, 0.0, distance};
    camera.yaw = 0.0f;
    camera.pitch = pitch;
}
