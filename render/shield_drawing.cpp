#include "render/shield_drawing.h"

#include "render/lighting.h"

#include <GL/gl.h>
#include <GL/glu.h>

float shieldCapacity(int shieldKind) {
    switch (shieldKind) {
        case 0:
            return 50.0f;
        case 1:
            return 75.0f;
        case 2:
            return 100.0f;
        default:
            return 0.1f;
    }
}

float shieldOpacity(const Tank& tank) {
    return tank.shieldStrength * 0.5f / shieldCapacity(tank.shieldKind);
}

void drawShield(const Tank& tank, GLUquadric* quadric, PolygonMode mode) {
    if (quadric == nullptr) {
        return;
    }
    lightingOff(mode);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.5f, 0.796f, 0.964f, shieldOpacity(tank));
    gluSphere(quadric, shieldBubbleRadius, 20, 20);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    lightingOn(mode);
}
