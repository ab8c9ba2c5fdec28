// SPDX-License-Identifier: GPL-3.0-or-later
// The shield bubble's sphere, and the bubble blended round a tank as opaque as its strength.
#include "render/shield_drawing.h"

#include "combat/shields.h"
#include "render/lighting.h"
#include "render/quadric_shapes.h"

#include <GL/gl.h>

void drawShieldBubbleShape() {
    emitTriangles(sphereBatch(Tank::shieldRadius, 20, 20));
}

void drawShield(const Tank& tank, unsigned int bubbleList, PolygonMode mode) {
    lightingOff(mode);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.5f, 0.796f, 0.964f, shieldOpacity(tank));
    glCallList(bubbleList);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    lightingOn(mode);
}
