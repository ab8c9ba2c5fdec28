// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's sphere as triangle strips, its wire box, and the shells drawn where they fly.
#include "render/shell_drawing.h"

#include "render/lighting.h"
#include "render/primitives.h"
#include "render/scene.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr int shellSlices = 8;
constexpr int shellStacks = 8;

void sphereVertex(double radius, int stack, int slice, int slices, int stacks) {
    const double pi = 3.14159265358979323846;
    const double polar = pi * stack / stacks;
    const double around = 2.0 * pi * slice / slices;
    const double x = std::cos(around) * std::sin(polar);
    const double y = std::sin(around) * std::sin(polar);
    const double z = std::cos(polar);
    glNormal3d(x, y, z);
    glVertex3d(radius * x, radius * y, radius * z);
}

// One triangle strip per stack, from the +z pole down, outward-facing: the same vertices
// and the same split of each quad as the sphere the shells were first drawn with, so the
// facets (and their lines in wireframe mode) look as they always have.
void drawSphere(double radius, int slices, int stacks) {
    for (int stack = 0; stack < stacks; ++stack) {
        glBegin(GL_TRIANGLE_STRIP);
        for (int slice = 0; slice <= slices; ++slice) {
            sphereVertex(radius, stack, slice, slices, stacks);
            sphereVertex(radius, stack + 1, slice, slices, stacks);
        }
        glEnd();
    }
}

}  // namespace

void drawShell() {
    glColor3fv(outlineColours::red.data());
    drawSphere(Shell::radius, shellSlices, shellStacks);
}

void drawShellInFlight(const Shell& shell, unsigned int shellList) {
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, shell.position.z);
    glTranslatef(0.0f, shell.position.y, 0.0f);
    glTranslatef(shell.position.x, 0.0f, 0.0f);
    glCallList(shellList);
    glPopMatrix();
}

void drawShellSpheres(const SeenShells& shells, unsigned int shellList, PolygonMode mode) {
    if (shells.count == 0) {
        return;
    }
    glPushAttrib(GL_LIGHTING_BIT);
    texturingOff(mode);
    glMaterialfv(GL_FRONT, GL_EMISSION, lighting::shellGlow.data());
    for (int i = 0; i < shells.count; ++i) {
        drawShellInFlight(shells.shells[i], shellList);
    }
    texturingOn(mode);
    // Mesa's glPopAttrib does not bring material colours back, so the glow would
    // redden the whole next frame; put the emission back by hand.
    glMaterialfv(GL_FRONT, GL_EMISSION, lighting::materialEmission.data());
    glPopAttrib();
}

void drawShellOutlines(const SeenShells& shells) {
    glColor3fv(outlineColours::cyan.data());
    for (int i = 0; i < shells.count; ++i) {
        drawWireQuads(shells.shells[i].corners.data(), shells.shells[i].faces);
    }
}
