// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's one-time GL set-up: state, textures, quadrics, tank lists and the compiled
// cannon and bubble shapes; and their release.
#include "render/scene.h"

#include "render/lighting.h"
#include "render/shield_drawing.h"
#include "render/tank_drawing.h"
#include "render/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

unsigned int compileShape(GLUquadric* quadric, void (*draw)(GLUquadric*)) {
    if (quadric == nullptr) {
        return 0;
    }
    const unsigned int list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    draw(quadric);
    glEndList();
    return list;
}

}  // namespace

SceneResources::SceneResources() = default;

SceneResources::~SceneResources() {
    deleteTankModelLists(lists_);
    for (unsigned int list : {barrelList_, muzzleRingList_, shieldBubbleList_}) {
        if (list != 0) {
            glDeleteLists(list, 1);
        }
    }
    if (shieldQuadric_ != nullptr) {
        gluDeleteQuadric(shieldQuadric_);
    }
    if (cannonQuadric_ != nullptr) {
        gluDeleteQuadric(cannonQuadric_);
    }
}

std::unique_ptr<SceneResources> setupScene(GameHost& host, TankListTable& tankLists) {
    auto scene = std::make_unique<SceneResources>();

    setupLight();
    setupMaterial();
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);

    loadTextures(host);

    scene->cannonQuadric_ = gluNewQuadric();
    scene->shieldQuadric_ = gluNewQuadric();
    gluQuadricTexture(scene->cannonQuadric_, GL_TRUE);
    gluQuadricNormals(scene->cannonQuadric_, GLU_SMOOTH);
    gluQuadricNormals(scene->shieldQuadric_, GLU_SMOOTH);

    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    scene->lists_ = buildTankModelLists();
    // Dozens of cannons and several bubbles a frame: emitting their quadrics afresh each
    // time costs more than all the rest of the scene on a software renderer.
    scene->barrelList_ = compileShape(scene->cannonQuadric_, drawBarrelShape);
    scene->muzzleRingList_ = compileShape(scene->cannonQuadric_, drawMuzzleRingShape);
    scene->shieldBubbleList_ = compileShape(scene->shieldQuadric_, drawShieldBubbleShape);
    tankLists = scene->lists_.variants;
    return scene;
}
