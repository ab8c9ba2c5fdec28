// SPDX-License-Identifier: GPL-3.0-or-later
// The GL tests' shared context and scene, test textures, comparison with reviewed pictures,
// and TestGame.
#include "tests/render/gl/gl_harness.h"

#include "combat/flight.h"
#include "render/viewport.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

struct GlState {
    std::unique_ptr<SceneResources> scene;
    TankListTable tankLists;
    RecordingHost setupHost;
};
GlState* state = nullptr;

class GlEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        window_ = SDL_CreateWindow("render tests", 0, 0, viewWidth, viewHeight,
                                   SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        context_ = SDL_GL_CreateContext(window_);
        ASSERT_NE(context_, nullptr) << SDL_GetError();
        // Set up in an empty folder: every picture file is missing.
        state = new GlState;
        const auto previous = std::filesystem::current_path();
        char folder[] = "/tmp/krellmont-render-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        std::filesystem::current_path(folder);
        state->scene = setupScene(state->setupHost, state->tankLists);
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }

    void TearDown() override {
        delete state;
        state = nullptr;
        SDL_GL_DeleteContext(context_);
        SDL_DestroyWindow(window_);
        // No SDL_Quit: it unloads the GL driver, whose own leaks the leak checker could
        // then no longer attribute (and so not suppress). The process ends right after.
    }

  private:
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new GlEnvironment);

}  // namespace

SceneResources& sharedScene() {
    return *state->scene;
}
const RecordingHost& setupHost() {
    return state->setupHost;
}

void uploadTestTexture(unsigned name, Pixel lower, Pixel upper) {
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 16; ++i) {
        const Pixel& c = i < 8 ? lower : upper;
        const int d = 1 + (i % 4 > 1);  // the right half darker
        rgb.insert(rgb.end(),
                   {std::uint8_t(c[0] / d), std::uint8_t(c[1] / d), std::uint8_t(c[2] / d)});
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 4, 4, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glBindTexture(GL_TEXTURE_2D, 0);
}

void expectLooksAsReviewed(const std::string& name, int allowed) {
    const std::string path = KRELLMONT_RENDER_TEST_DATA "/" + name + ".png";
    std::vector<std::uint8_t> now(viewWidth * viewHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, viewWidth, viewHeight, GL_RGB, GL_UNSIGNED_BYTE, now.data());
    stbi_flip_vertically_on_write(1);
    if (const char* update = std::getenv("KRELLMONT_UPDATE_GOLDEN"); update && *update == '1') {
        stbi_write_png(path.c_str(), viewWidth, viewHeight, 3, now.data(), viewWidth * 3);
        return;
    }
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<unsigned char, void (*)(void*)> before(
        stbi_load(path.c_str(), &width, &height, &channels, 3), std::free);
    ASSERT_TRUE(before && width == viewWidth && height == viewHeight) << path;
    int differing = 0;  // a grazing edge may be shaded a little differently
    for (int i = 0; i < viewWidth * viewHeight; ++i) {
        const unsigned char* q =
            before.get() + 3 * ((viewHeight - 1 - i / viewWidth) * viewWidth + i % viewWidth);
        differing += std::abs(now[3 * i] - q[0]) + std::abs(now[3 * i + 1] - q[1]) +
                         std::abs(now[3 * i + 2] - q[2]) >
                     6;
    }
    EXPECT_LE(differing, allowed) << name;
}

TestGame::TestGame(float halfSide) : CombatScene(halfSide) {
    world.arena.barrierHeight = 10.0f;
    world.arena.rebuild();
    world.tankLists = state->tankLists;
    resetCamera(camera, halfSide);
    resizeViewport(viewWidth, viewHeight);
}

Tank& TestGame::addTank(Team& team, float x, float z, int camouflage) {
    Tank& tank =
        CombatScene::addTank(team, team.firstPlayer ? *team.firstPlayer : addPlayer(team), x, z);
    const int slot = camouflageListSlot(camouflage);
    tank.hull.displayListId = world.tankLists.hullLists[slot];
    tank.deck.displayListId = world.tankLists.deckLists[slot];
    tank.turret.displayListId = world.tankLists.turretLists[slot];
    for (Cannon& cannon : tank.cannons)
        cannon.camouflage = camouflage;
    return tank;
}

Shell& TestGame::addShell(float x, float y, float z) {
    auto shell = std::make_unique<Shell>();
    shell->launchX = x;
    shell->launchY = y;
    shell->launchZ = z;
    shell->timeStep = 0.04;
    shell->faces = shellFaces;
    updatePosition(*shell);
    Shell& added = *shell;
    world.shells[world.shellsInFlight++] = std::move(shell);
    world.shotInProgress = true;
    return added;
}

void TestGame::addPrize(Team& team, float x, float z) {
    team.prize = std::make_unique<Prize>(world.random);
    team.prize->position = {x, 0.0f, z};
}

void TestGame::draw(PolygonMode mode, CameraCentre centre) {
    applyPolygonMode(mode);
    renderFrame(world, sharedScene(), FrameView{camera, centre, mode}, shellsInFlight(world));
}

void TestGame::look(double distance, float pitch) {
    camera.eye = {0.0, 0.0, distance};
    camera.yaw = 0.0f;
    camera.pitch = pitch;
}
