// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the heaviest scene the game allows (two teams of four players with four tanks
// each, five shells in flight, shields on several tanks, texture mapping, 1280 x 720)
// and prints the median and 95th percentile time per frame.
//
//   bench_scene [--frames N] [--warm-up N] [--shot FILE.ppm]
//
// Counting instructions under callgrind, only measuredFrame counts (--toggle-collect).
// Pictures come from the working directory when all are there, else are made up here.
// With --shot, one closer view of the same game is saved as a picture instead.

#include "combat/shell_loop.h"
#include "game/host.h"
#include "game/world.h"
#include "render/camera.h"
#include "render/frame.h"
#include "render/scene.h"
#include "render/textures.h"
#include "render/viewport.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int width = 1280;
constexpr int height = 720;

class QuietHost : public GameHost {
  public:
    void showMessage(const std::string&, const std::string&) override { ++missingFiles; }
    void playSound(const std::string&) override {}
    void readoutsChanged() override {}
    void setTankButtonsEnabled(bool) override {}
    void setShieldsMenuEnabled(bool) override {}
    int missingFiles = 0;
};

// A blotchy picture in two colours, so texturing costs what real pictures cost.
RgbImage madeUpPicture(unsigned seed) {
    RgbImage image;
    image.width = 128;
    image.height = 128;
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool dark = ((x / 8) ^ (y / 8) ^ seed) & 1;
            std::uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
            p[0] = static_cast<std::uint8_t>(dark ? 60 + seed * 9 : 170);
            p[1] = static_cast<std::uint8_t>(dark ? 90 : 160 + seed * 5);
            p[2] = static_cast<std::uint8_t>(dark ? 50 : 120);
        }
    }
    return image;
}

void uploadMadeUpPictures() {
    unsigned seed = 0;
    for (const TextureEntry& entry : textureTable()) {
        glBindTexture(GL_TEXTURE_2D, entry.name);
        uploadBoundTexture(madeUpPicture(seed++), entry.mipmapped);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void placeTank(Tank& tank, float x, float z) {
    tank.position = {x, 0.0f, z};
    tank.box = {x - 6.0f, x + 6.0f, 0.5f, 5.5f, z - 6.0f, z + 6.0f};
    tank.syncCorners();
    tank.placed = true;
}

void buildTeam(GameWorld& world, Team& team, float side) {
    static const int camouflages[] = {37, 38, 39, 40, 41};
    world.currentTeam = &team;
    for (int p = 0; p < 4; ++p) {
        auto owned = std::make_unique<Player>();
        owned->camouflage = camouflages[(p + team.index * 2) % 5];
        owned->tankCount = 4;
        Player& player = team.appendPlayer(std::move(owned));
        const int slot = camouflageListSlot(player.camouflage);
        for (int t = 0; t < 4; ++t) {
            Tank& tank = player.appendTank(std::make_unique<Tank>(world));
            tank.number = t + 1;
            tank.hull.displayListId = world.tankLists.hullLists[slot];
            tank.deck.displayListId = world.tankLists.deckLists[slot];
            tank.turret.displayListId = world.tankLists.turretLists[slot];
            tank.cannonCount = 1 + (p + t) % 5;
            for (Cannon& cannon : tank.cannons) {
                cannon.camouflage = player.camouflage;
            }
            tank.layOutCannons();
            tank.turretAngle = tank.turretYaw = (t * 30) % 360;
            tank.elevation = -15 * t;
            placeTank(tank, side * (30.0f + 30.0f * p), -105.0f + 70.0f * t);
            if ((p + t) % 3 == 0) {
                tank.shieldActive = true;
                tank.shieldKind = t % 3;
                tank.shieldStrength = 50.0f;
            }
        }
        player.currentTank = player.firstTank;
    }
    team.playerCount = 4;
    team.currentPlayer = team.firstPlayer;
}

void addShell(GameWorld& world, float x, float y, float z) {
    auto shell = std::make_unique<Shell>();
    shell->position = {x, y, z};
    const float k = Shell::halfSide;
    shell->box = {x - k, x + k, y - k, y + k, z - k, z + k};
    shell->corners = shellLayoutCorners(shell->box);
    shell->faces = shellFaces;
    shell->timeStep = 0.04;
    world.shells[world.shellsInFlight++] = std::move(shell);
}

void buildHeaviestGame(GameWorld& world) {
    world.arena.halfSide = 150.0f;
    world.arena.barrierHeight = 30.0f;
    world.arena.rebuild();
    buildTeam(world, world.teamA, 1.0f);
    buildTeam(world, world.teamB, -1.0f);
    world.currentTeam = &world.teamA;
    for (Team* team : {&world.teamA, &world.teamB}) {
        auto prize = std::make_unique<Prize>(world.random);
        const float x = team == &world.teamA ? 60.0f : -60.0f;
        prize->position = {x, 0.0f, -75.0f};
        prize->box = {x - 2.0f, x + 2.0f, -2.0f, 2.0f, -77.0f, -73.0f};
        prize->syncCorners();
        team->prize = std::move(prize);
    }
    // A volley of five from the current tank, half-way to the other side.
    for (int i = 0; i < 5; ++i) {
        addShell(world, 18.0f, 16.0f, -105.0f - 1.7f + 0.85f * i);
    }
    world.shotInProgress = true;
    world.setupInProgress = false;
}

std::string cpuModel() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    }
    return "unknown";
}

double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1.0e6;
}

std::string loadAverage() {
    std::ifstream loadavg("/proc/loadavg");
    std::string one;
    loadavg >> one;
    return one.empty() ? "unknown" : one;
}

void savePicture(const std::string& path) {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    for (int y = height - 1; y >= 0; --y) {
        std::fwrite(&rgb[static_cast<std::size_t>(y) * width * 3], 1, width * 3, file);
    }
    std::fclose(file);
}

void drawFrame(const GameWorld& world, const SceneResources& scene, const FrameView& view,
               SDL_Window* window) {
    // Held shells: the volley stays in the air for every frame.
    renderFrame(world, scene, view, shellsInFlight(world));
    SDL_GL_SwapWindow(window);
    glFinish();
}

// Outside any inlining, so that callgrind's --toggle-collect can name it.
__attribute__((noinline)) void measuredFrame(const GameWorld& world, const SceneResources& scene,
                                             const FrameView& view, SDL_Window* window) {
    drawFrame(world, scene, view, window);
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 600;
    int warmUp = 20;
    std::string shotPath;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            frames = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--warm-up") == 0 && i + 1 < argc) {
            warmUp = std::max(0, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
            shotPath = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--frames N] [--warm-up N] [--shot FILE.ppm]\n",
                         argv[0]);
            return 2;
        }
    }

    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_Window* window = SDL_CreateWindow("scene bench", 0, 0, width, height, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window != nullptr ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr) {
        std::fprintf(stderr, "no GL context: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);

    auto world = std::make_unique<GameWorld>();
    QuietHost host;
    std::unique_ptr<SceneResources> scene = setupScene(host, world->tankLists);
    const bool madeUp = host.missingFiles > 0;
    if (madeUp) {
        uploadMadeUpPictures();
    }
    resizeViewport(width, height);
    buildHeaviestGame(*world);

    Camera camera;
    resetCamera(camera, world->arena.halfSide);
    applyPolygonMode(PolygonMode::TextureMapping);

    if (!shotPath.empty()) {
        camera.eye.z = 110.0;
        camera.yaw = 330.0f;
        camera.pitch = 28.0f;
        renderFrame(*world, *scene,
                    FrameView{camera, CameraCentre::CurrentTank, PolygonMode::TextureMapping},
                    shellsInFlight(*world));
        glFinish();
        savePicture(shotPath);
        std::printf("saved %s\n", shotPath.c_str());
    } else {
        const FrameView view{camera, CameraCentre::CenterOfArena, PolygonMode::TextureMapping};
        std::vector<double> ms;
        std::vector<double> cpuMs;
        ms.reserve(frames);
        cpuMs.reserve(frames);
        for (int i = 0; i < warmUp; ++i) {
            drawFrame(*world, *scene, view, window);
        }
        for (int i = 0; i < frames; ++i) {
            const double cpuStart = processCpuMs();
            const auto start = std::chrono::steady_clock::now();
            measuredFrame(*world, *scene, view, window);
            const auto end = std::chrono::steady_clock::now();
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            cpuMs.push_back(processCpuMs() - cpuStart);
        }
        std::sort(ms.begin(), ms.end());
        std::sort(cpuMs.begin(), cpuMs.end());
        const double median = ms[ms.size() / 2];
        const double p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
        std::printf("scene bench: %d frames of %d x %d, 32 tanks, 5 shells, texture mapping\n",
                    frames, width, height);
        std::printf("  machine:     %s (%d logical CPUs)\n", cpuModel().c_str(), SDL_GetCPUCount());
        std::printf("  GL_RENDERER: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
        std::printf("  textures:    %s\n", madeUp ? "made up (picture files missing)"
                                                  : "picture files of the working directory");
        std::printf(
            "  median %.2f ms, 95th percentile %.2f ms per frame (target median <= 6, p95 <= 9)\n",
            median, p95);
        // Wall time suffers from whatever else the machine runs; the CPU time this process
        // (the renderer's threads included) spent per frame does much less.
        std::printf("  CPU time of this process per frame: median %.2f ms; load average %s\n",
                    cpuMs[cpuMs.size() / 2], loadAverage().c_str());
    }

    scene.reset();
    world.reset();
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
