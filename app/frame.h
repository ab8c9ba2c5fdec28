// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/camera.h"
#include "render/polygon_mode.h"

class GameHost;
class GameWorld;
class SceneResources;

// The program's view settings that a frame reads.
struct FrameView {
    const Camera& camera;
    CameraCentre cameraCentre;
    PolygonMode polygonMode;
    // Polygon smoothing for the scene only: the menus and panel drawn after it stay sharp.
    bool antialiasing = false;
};

// Whether the shells in flight take their step this frame. While a modal dialog is open
// they are drawn where they are and do not move.
enum class ShellMotion { Advance, Hold };

// Draws one frame of the 3-D scene into the back buffer: floor, walls, both teams' tanks,
// the prizes, then the shells, which (unless held) advance one time step and resolve
// their hits, so each drawn frame is one tick of the game. Every GL state change made
// while drawing is undone before it returns. Presenting the buffer is the caller's job.
void renderFrame(GameWorld& world, GameHost& host, const SceneResources& scene,
                 const FrameView& view, ShellMotion motion);
