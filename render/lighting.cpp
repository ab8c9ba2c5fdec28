// SPDX-License-Identifier: GPL-3.0-or-later
// The GL calls for light 0, the front material, and the unlit and untextured brackets.
#include "render/lighting.h"

#include <GL/gl.h>

void setupLight() {
    placeLight();
    setLightColours(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lighting::lightSpecular.data());
}

void setLightColours(unsigned int light) {
    glLightfv(light, GL_AMBIENT, lighting::lightAmbient.data());
    glLightfv(light, GL_DIFFUSE, lighting::lightDiffuse.data());
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, lighting::modelAmbient.data());
}

void setupMaterial() {
    glMaterialfv(GL_FRONT, GL_AMBIENT, lighting::materialAmbient.data());
    glMaterialfv(GL_FRONT, GL_DIFFUSE, lighting::materialDiffuse.data());
    glMaterialfv(GL_FRONT, GL_SPECULAR, lighting::materialSpecular.data());
}

void placeLight() {
    glLightfv(GL_LIGHT0, GL_POSITION, lighting::lightPosition.data());
}

void lightingOff(PolygonMode mode) {
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    texturingOff(mode);
}

void lightingOn(PolygonMode mode) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    texturingOn(mode);
}

void texturingOff(PolygonMode mode) {
    if (mode == PolygonMode::TextureMapping) {
        glDisable(GL_TEXTURE_2D);
    }
}

void texturingOn(PolygonMode mode) {
    if (mode == PolygonMode::TextureMapping) {
        glEnable(GL_TEXTURE_2D);
    }
}
