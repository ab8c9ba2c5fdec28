// SPDX-License-Identifier: GPL-3.0-or-later
// Tanks placed and drawn part by part for all of them: tracks, hull, deck, turret, cannons
// aimed by elevation; and their outlines.
#include "render/tank_drawing.h"

#include "render/primitives.h"
#include "render/quadric_shapes.h"
#include "render/scene.h"

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

void drawTracks(const TankDrawOrder& order, const SceneResources& scene) {
    for (const TrackRun& run : scene.modelLists().trackRuns) {
        glBindTexture(GL_TEXTURE_2D, run.texture);
        for (const Tank* tank : order.tanks) {
            glPushMatrix();
            placeTank(*tank);
            glCallList(run.list);
            glPopMatrix();
        }
    }
}

// Each list binds its camouflage's texture first; with the tanks of one camouflage together,
// only the first of them changes it.
void drawHullsDecksAndTurrets(const TankDrawOrder& order) {
    for (const Tank* tank : order.byCamouflage) {
        glPushMatrix();
        placeTank(*tank);
        glCallList(tank->hull.displayListId);
        glCallList(tank->deck.displayListId);
        glRotatef(static_cast<float>(tank->turretYaw), 0.0f, 1.0f, 0.0f);
        glCallList(tank->turret.displayListId);
        glPopMatrix();
    }
}

void drawCannons(const TankDrawOrder& order, const TankDrawContext& context) {
    const SceneResources& scene = context.scene;
    const bool wireframe = context.polygonMode == PolygonMode::Wireframe;
    TextureName bound = NoTexture;
    for (const TankDrawOrder::CannonDraw& draw : order.cannons) {
        // An unknown camouflage keeps whatever texture is bound.
        if (draw.texture != NoTexture && draw.texture != bound) {
            glBindTexture(GL_TEXTURE_2D, draw.texture);
            bound = draw.texture;
        }
        glPushMatrix();
        placeTank(*draw.tank);
        aimBarrel(*draw.cannon, *draw.tank);
        if (wireframe) {
            glCallList(scene.barrelList());
            glCallList(scene.muzzleRingList());
        } else {
            glCallList(scene.filledCannonList());
        }
        glPopMatrix();
    }
}

}  // namespace

void placeTank(const Tank& tank) {
    glTranslatef(tank.position.x, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, tank.position.z);
    glTranslatef(0.0f, 1.0f, 0.0f);
    glRotatef(static_cast<float>(tank.heading), 0.0f, 1.0f, 0.0f);
}

void drawTankBodies(const TankDrawOrder& order, const TankDrawContext& context) {
    drawTracks(order, context.scene);
    drawHullsDecksAndTurrets(order);
    drawCannons(order, context);
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

void drawTankOutlines(const TankDrawOrder& order, const TankDrawContext& context) {
    if (context.currentTank == nullptr) {
        return;
    }
    for (const Tank* tank : order.tanks) {
        const bool current = tank->serial == context.currentTank->serial;
        glColor3fv(current ? outlineColours::red.data() : outlineColours::blue.data());
        drawWireQuads(tank->corners.data(), tank->faces);
    }
}
