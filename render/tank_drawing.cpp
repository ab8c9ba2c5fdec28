// SPDX-License-Identifier: GPL-3.0-or-later
// A tank placed and drawn: tracks, hull, deck, turret, cannons aimed by elevation, shield
// and outline.
#include "render/tank_drawing.h"

#include "render/lighting.h"
#include "render/primitives.h"
#include "render/quadric_shapes.h"
#include "render/scene.h"
#include "render/shield_drawing.h"
#include "render/texture_table.h"

#include <GL/gl.h>

namespace {

// Where the barrel leaves the turret, relative to the model origin: ahead (-x) and up.
constexpr float barrelPivotX = -3.0f;
constexpr float barrelPivotY = 3.25f;
constexpr double barrelRadius = 0.25;
constexpr double barrelLength = 6.0;
constexpr double muzzleRingRadius = 0.35;
constexpr double muzzleRingLength = 0.5;
constexpr int barrelStacks = 10;
constexpr int muzzleRingStacks = 8;

void aimBarrel(const Cannon& cannon, const Tank& tank) {
    glRotatef(static_cast<float>(tank.turretAngle), 0.0f, 1.0f, 0.0f);
    glTranslatef(barrelPivotX, barrelPivotY, 0.0f);
    glTranslatef(0.0f, 0.0f, cannon.lateralOffset);
    // The quadric's axis (+z) ends up along -x, raised by -elevation degrees.
    glRotatef(-90.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(static_cast<float>(tank.elevation), 1.0f, 0.0f, 0.0f);
}

}  // namespace

void drawTeamTanks(const Team& team, const TankDrawContext& context) {
    forEachTank(team, [&](const Tank& tank) { drawTank(tank, context); });
}

void drawTank(const Tank& tank, const TankDrawContext& context) {
    if (tank.destroyed) {
        return;
    }
    glPushMatrix();
    glTranslatef(tank.position.x, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, tank.position.z);
    glTranslatef(0.0f, 1.0f, 0.0f);
    glRotatef(static_cast<float>(tank.heading), 0.0f, 1.0f, 0.0f);
    drawTankBody(tank, context);
    if (tank.shieldActive) {
        drawShield(tank, context.scene.shieldBubbleList(), context.polygonMode);
    }
    glPopMatrix();
    drawTankOutline(tank, context);
}

void drawTankBody(const Tank& tank, const TankDrawContext& context) {
    glCallList(context.scene.modelLists().trackList);

    glCallList(tank.hull.displayListId);
    glCallList(tank.deck.displayListId);

    glPushMatrix();
    glRotatef(static_cast<float>(tank.turretYaw), 0.0f, 1.0f, 0.0f);
    glCallList(tank.turret.displayListId);
    glPopMatrix();

    const int count = tank.cannonCount < 0                  ? 0
                      : tank.cannonCount > Tank::maxCannons ? Tank::maxCannons
                                                            : tank.cannonCount;
    for (int i = 0; i < count; ++i) {
        drawCannon(tank.cannons[i], tank, context);
    }
}

void drawBarrelShape() {
    emitTriangles(cylinderBatch(barrelRadius, barrelRadius, barrelLength, 10, barrelStacks));
}

void drawMuzzleRingShape() {
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, static_cast<float>(barrelLength));
    emitTriangles(
        cylinderBatch(muzzleRingRadius, muzzleRingRadius, muzzleRingLength, 8, muzzleRingStacks));
    glPopMatrix();
}

// Filled, a stack adds nothing: the light is directional and the viewer infinitely far, so every
// stack of one slice has the same lit colour, and the texture's t runs evenly along the axis.
// Each stack costs a software renderer as much as a whole tank's hull. The ring is moved to the
// muzzle as it is compiled, so barrel and ring are one draw.
void drawFilledCannonShape() {
    TriangleBatch cannon = cylinderBatch(barrelRadius, barrelRadius, barrelLength, 10, 1);
    for (BatchVertex v :
         cylinderBatch(muzzleRingRadius, muzzleRingRadius, muzzleRingLength, 8, 1).vertices) {
        v.position.z += static_cast<float>(barrelLength);
        cannon.vertices.push_back(v);
    }
    emitTriangles(cannon);
}

void drawCannon(const Cannon& cannon, const Tank& tank, const TankDrawContext& context) {
    glPushMatrix();
    aimBarrel(cannon, tank);
    const TextureName texture = textureForCamouflage(cannon.camouflage);
    // An unknown camouflage keeps whatever texture is bound.
    if (texture != NoTexture) {
        glBindTexture(GL_TEXTURE_2D, texture);
    }
    const SceneResources& scene = context.scene;
    const bool wireframe = context.polygonMode == PolygonMode::Wireframe;
    if (wireframe) {
        glCallList(scene.barrelList());
        glCallList(scene.muzzleRingList());
    } else {
        glCallList(scene.filledCannonList());
    }
    glPopMatrix();
}

void drawTankOutline(const Tank& tank, const TankDrawContext& context) {
    lightingOff(context.polygonMode);
    if (context.currentTank != nullptr) {
        const bool current = tank.serial == context.currentTank->serial;
        glColor3fv(current ? outlineColours::red.data() : outlineColours::blue.data());
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        drawWireQuads(tank.corners.data(), tank.faces);
        glPolygonMode(GL_FRONT_AND_BACK,
                      context.polygonMode == PolygonMode::Wireframe ? GL_LINE : GL_FILL);
    }
    lightingOn(context.polygonMode);
}
