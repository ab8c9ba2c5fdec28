// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's one-time GL set-up: state, textures, tank lists and the compiled
// cannon, bubble and shell shapes; and their release.
#include "render/scene.h"

#include "render/lighting.h"
#include "render/shell_drawing.h"
#include "render/shield_drawing.h"
#include "render/tank_drawing.h"
#include "render/textures.h"

#include <GL/gl.h>

namespace {

unsigned int compileShape(void (*draw)()) {
    const unsigned int list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    draw();
    glEndList();
    return list;
}

}  // namespace

SceneResources::SceneResources() = default;

SceneResources::~SceneResources() {
    deleteTankModelLists(lists_);
    for (unsigned int list : {barrelList_, muzzleRingList_, filledCannonList_, shieldBubbleList_,
                              coarseShieldBubbleList_, shellList_}) {
        if (list != 0) {
            glDeleteLists(list, 1);
        }
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

    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    scene->lists_ = buildTankModelLists();
    // Dozens of cannons and several bubbles and shells a frame: emitting their shapes afresh
    // each time costs more than all the rest of the scene on a software renderer.
    scene->barrelList_ = compileShape(drawBarrelShape);
    scene->muzzleRingList_ = compileShape(drawMuzzleRingShape);
    scene->filledCannonList_ = compileShape(drawFilledCannonShape);
    scene->shieldBubbleList_ = compileShape(drawShieldBubbleShape);
    scene->coarseShieldBubbleList_ = compileShape(drawCoarseShieldBubbleShape);
    scene->shellList_ = compileShape(drawShell);
    tankLists = scene->lists_.variants;
    return scene;
}
