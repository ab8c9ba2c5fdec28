#include "render/scene.h"

#include "render/lighting.h"
#include "render/textures.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

SceneResources::SceneResources() = default;

SceneResources::~SceneResources() {
    deleteTankModelLists(lists_);
    if (shieldQuadric_ != nullptr) {
        gluDeleteQuadric(shieldQuadric_);
    }
    if (cannonQuadric_ != nullptr) {
        gluDeleteQuadric(cannonQuadric_);
    }
}

std::unique_ptr<SceneResources> setupScene(GameHost& host, TankListTable& tankLists) {
    auto scene = std::make_unique<SceneResources>();
    initGlutOnce();

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
    tankLists = scene->lists_.variants;
    return scene;
}

void initGlutOnce() {
    if (glutGet(GLUT_INIT_STATE) != 0) {
        return;
    }
    static char programName[] = "krellmont";
    static char* argv[] = {programName, nullptr};
    int argc = 1;
    glutInit(&argc, argv);
}
