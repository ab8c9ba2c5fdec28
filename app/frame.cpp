// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frame.h"

#include "combat/shell_loop.h"
#include "game/world.h"
#include "render/lighting.h"
#include "render/scene.h"
#include "render/scene_objects.h"
#include "render/shell_drawing.h"
#include "render/tank_drawing.h"

#include <GL/gl.h>

namespace {

void drawShells(GameWorld& world, GameHost& host, PolygonMode mode, ShellMotion motion) {
    glPushMatrix();
    glPushAttrib(GL_LIGHTING_BIT);
    texturingOff(mode);
    glMaterialfv(GL_FRONT, GL_EMISSION, lighting::shellGlow.data());
    ScenePainter painter(mode);
    if (motion == ShellMotion::Advance) {
        updateShells(world, host, painter);
    } else {
        paintShellsPaused(world, painter);
    }
    texturingOn(mode);
    // Mesa's glPopAttrib does not bring material colours back, so the glow would
    // redden the whole next frame; put the emission back by hand.
    glMaterialfv(GL_FRONT, GL_EMISSION, lighting::materialEmission.data());
    glPopAttrib();
    glPopMatrix();
}

}  // namespace

void renderFrame(GameWorld& world, GameHost& host, const SceneResources& scene,
                 const FrameView& view, ShellMotion motion) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushMatrix();
    setPolygonSmoothing(view.antialiasing);

    applyCamera(view.camera, view.cameraCentre, world);
    placeLight();

    drawFloor(world.arena);
    drawDividerBox(world.arena);
    drawBarrierBox(world.arena);

    const TankDrawContext tanks{scene, view.polygonMode, world.currentTank()};
    drawTeamTanks(world.teamA, tanks);
    drawTeamTanks(world.teamB, tanks);

    if (world.teamA.prize) {
        drawPrize(*world.teamA.prize);
    }
    if (world.teamB.prize) {
        drawPrize(*world.teamB.prize);
    }

    drawShells(world, host, view.polygonMode, motion);

    glPopMatrix();
    glPopAttrib();
    glFlush();
}
