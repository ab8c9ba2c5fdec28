// SPDX-License-Identifier: GPL-3.0-or-later
// The GL tests' harness: one shared context and scene, test textures, reviewed pictures and
// TestGame; gl_harness.cpp has the bodies.
#pragma once

#include "combat/shell_loop.h"
#include "game/world.h"
#include "render/camera.h"
#include "render/frame.h"
#include "render/scene.h"
#include "tests/core/fixtures.h"

#include <array>
#include <string>
#include <vector>

// One GL context for the whole test program: a small hidden SDL window under the private
// X server, with the scene set up once in an empty folder (so every bitmap is missing).

constexpr int viewWidth = 160;
constexpr int viewHeight = 120;

SceneResources& sharedScene();
// What the scene's set-up reported.
const RecordingHost& setupHost();

using Pixel = std::array<int, 3>;  // red, green, blue

// Uploads a 4 x 4 picture, lower two rows one colour, upper two another, the right half at
// half brightness, into a texture name; delete it after.
void uploadTestTexture(unsigned name, Pixel lower, Pixel upper);

// Compares the back buffer with data/<name>.png, allowing a few pixels to differ (or
// rewrites the picture when KRELLMONT_UPDATE_GOLDEN=1).
void expectLooksAsReviewed(const std::string& name, int differing = 2);

// A game laid out by hand: both teams, one player each, tanks where the test wants them.
class TestGame : public CombatScene {
  public:
    explicit TestGame(float halfSide = 60.0f);

    // Adds a placed tank of the team's one player at (x, 0, z), dressed in the camouflage.
    Tank& addTank(Team& team, float x, float z, int camouflage = CityCamouflage);
    // Puts a shell in flight, held still in the air at the given point.
    Shell& addShell(float x, float y, float z);
    void addPrize(Team& team, float x, float z);

    // Draws one frame; the shells stay where they are.
    void draw(PolygonMode mode, CameraCentre centre = CameraCentre::CenterOfArena);
    // Looks at the centre from the given distance: pitch 90 straight down, 0 level.
    void look(double distance, float pitch);

    Camera camera;
};
