// SPDX-License-Identifier: GPL-3.0-or-later
// The shield bubble's spheres, and the bubbles blended round their tanks as opaque as their
// strength.
#include "render/shield_drawing.h"

#include "combat/shields.h"
#include "render/lighting.h"
#include "render/quadric_shapes.h"
#include "render/scene.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// How far the outline may move, in pixels, before the coarse sphere would show.
constexpr double toleratedShift = 0.5;

// Pixels per unit length one unit ahead of the eye, from the projection and viewport in force.
double pixelsPerUnit() {
    GLfloat projection[16] = {};
    GLint viewport[4] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    return static_cast<double>(projection[5]) * viewport[3] / 2.0;
}

Vec3 eyeSpaceOrigin() {
    GLfloat modelview[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    return {modelview[12], modelview[13], modelview[14]};
}

}  // namespace

void drawShieldBubbleShape() {
    emitTriangles(sphereBatch(Tank::shieldRadius, bubbleSlices, bubbleStacks));
}

void drawCoarseShieldBubbleShape() {
    emitTriangles(sphereBatch(Tank::shieldRadius, bubbleSlices, coarseBubbleStacks));
}

bool coarseBubbleLooksTheSame(const Vec3& centre, double pixelsPerUnit) {
    const double ahead = -static_cast<double>(centre.z);
    if (!(ahead > 0.0) || !(pixelsPerUnit > 0.0)) {
        return false;
    }
    const double distance = std::sqrt(static_cast<double>(centre.x) * centre.x +
                                      static_cast<double>(centre.y) * centre.y + ahead * ahead);
    // Away from the view's axis a sphere is drawn longer, towards the edge, by distance / ahead.
    const double radius = Tank::shieldRadius * pixelsPerUnit * distance / (ahead * ahead);
    const double pi = std::acos(-1.0);
    const double sagitta = 1.0 - std::cos(pi / (2.0 * coarseBubbleStacks));
    return radius * sagitta <= toleratedShift;
}

void drawShieldBubbles(const TankDrawOrder& order, const TankDrawContext& context) {
    const SceneResources& scene = context.scene;
    const bool wireframe = context.polygonMode == PolygonMode::Wireframe;
    const double scale = pixelsPerUnit();
    lightingOff(context.polygonMode);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (const Tank* tank : order.tanks) {
        if (!tank->shieldActive) {
            continue;
        }
        glPushMatrix();
        placeTank(*tank);
        const bool coarse = !wireframe && coarseBubbleLooksTheSame(eyeSpaceOrigin(), scale);
        glColor4f(0.5f, 0.796f, 0.964f, shieldOpacity(*tank));
        glCallList(coarse ? scene.coarseShieldBubbleList() : scene.shieldBubbleList());
        glPopMatrix();
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    lightingOn(context.polygonMode);
}
