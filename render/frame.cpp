// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the scene: floor, walls, tanks, prizes and the shells seen, with GL state
// saved and restored around it.
#include "render/frame.h"

#include "combat/shell_loop.h"
#include "game/world.h"
#include "render/lighting.h"
#include "render/scene.h"
#include "render/scene_objects.h"
#include "render/shell_drawing.h"
#include "render/shield_drawing.h"
#include "render/tank_drawing.h"
#include "render/tank_order.h"
#include "render/texture_table.h"

#include <GL/gl.h>

namespace {

// Unlit lines over everything else: a tank's outline has always been drawn over its own bubble.
void drawOutlines(const TankDrawOrder& tanks, const SeenShells& shells,
                  const TankDrawContext& context) {
    lightingOff(context.polygonMode);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    drawTankOutlines(tanks, context);
    drawShellOutlines(shells);
    glPolygonMode(GL_FRONT_AND_BACK,
                  context.polygonMode == PolygonMode::Wireframe ? GL_LINE : GL_FILL);
    lightingOn(context.polygonMode);
}

}  // namespace

void renderFrame(const GameWorld& world, const SceneResources& scene, const FrameView& view,
                 const SeenShells& shells) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushMatrix();
    // The whole window is cleared all the same: a software renderer clears whole tiles at once,
    // but a scissored clear makes it load and store every tile.
    if (view.shownRows >= 0) {
        GLint viewport[4] = {0, 0, 0, 0};
        glGetIntegerv(GL_VIEWPORT, viewport);
        const int rows = view.shownRows < viewport[3] ? view.shownRows : viewport[3];
        glEnable(GL_SCISSOR_TEST);
        glScissor(viewport[0], viewport[1] + viewport[3] - rows, viewport[2], rows);
    }
    setPolygonSmoothing(view.antialiasing);

    applyCamera(view.camera, view.cameraCentre, world);
    placeLight();

    // Each of these faces is flat and the light and viewer are infinitely far, so every corner of
    // a face has the same lit colour: flat shading draws the same pixels without interpolating a
    // colour across most of the window.
    glShadeModel(GL_FLAT);
    // Near to far where it is cheap to: pixels the walls cover are then not shaded for the floor
    // as well. The walls wear the floor's picture.
    glBindTexture(GL_TEXTURE_2D, FloorTexture);
    drawDividerBox(world.arena);
    drawBarrierBox(world.arena);
    drawFloor(world.arena);
    glShadeModel(GL_SMOOTH);

    // Opaque things first, then the bubbles that blend over them, then the lines.
    const TankDrawContext context{scene, view.polygonMode, world.currentTank()};
    const TankDrawOrder tanks = orderTankDraws(world.teamA, world.teamB);
    drawTankBodies(tanks, context);
    if (world.teamA.prize) {
        drawPrize(*world.teamA.prize);
    }
    if (world.teamB.prize) {
        drawPrize(*world.teamB.prize);
    }
    drawShellSpheres(shells, scene.shellList(), view.polygonMode);
    drawShieldBubbles(tanks, context);
    drawOutlines(tanks, shells, context);

    glPopMatrix();
    glPopAttrib();
    glFlush();
}
