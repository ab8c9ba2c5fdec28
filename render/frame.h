// SPDX-License-Identifier: GPL-3.0-or-later
// renderFrame and FrameView: one frame of the 3-D scene drawn from the world and the camera.
#pragma once

#include "render/camera.h"
#include "render/polygon_mode.h"

class GameWorld;
class SceneResources;
struct SeenShells;

// The program's view settings that a frame reads.
struct FrameView {
    const Camera& camera;
    CameraCentre cameraCentre;
    PolygonMode polygonMode;
    // Polygon smoothing for the scene only: the menus and panel drawn after it stay sharp.
    bool antialiasing = false;
    // Rows of the viewport, counted from its top, that are seen; those below lie under an
    // opaque panel and are cleared but not drawn. Negative: all of them.
    int shownRows = -1;
};

// Draws one frame of the 3-D scene into the back buffer: floor, walls, both teams' tanks,
// the prizes and the shells the rules' last tick left to be seen, then the shield bubbles and
// the outlines over them, in the rows shown. It reads
// the world and never changes it. Every GL state change made while drawing is undone before it
// returns. Presenting the buffer is the caller's job.
void renderFrame(const GameWorld& world, const SceneResources& scene, const FrameView& view,
                 const SeenShells& shells);
