// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's sphere as triangle strips, its wire box, and a shell drawn where it flies.
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

void drawShellOutline(const Shell& shell, PolygonMode mode) {
    glColor3fv(outlineColours::cyan.data());
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    drawWireQuads(shell.corners.data(), shell.faces);
    // Back to the chosen mode, not always fill: in wireframe mode the next shell's
    // sphere must be drawn in lines like the first.
    glPolygonMode(GL_FRONT_AND_BACK, mode == PolygonMode::Wireframe ? GL_LINE : GL_FILL);
}

void drawShellInFlight(const Shell& shell, PolygonMode mode) {
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, shell.position.z);
    glTranslatef(0.0f, shell.position.y, 0.0f);
    glTranslatef(shell.position.x, 0.0f, 0.0f);
    glPushMatrix();
    drawShell();
    glPopMatrix();
    glPopMatrix();
    lightingOff(mode);
    drawShellOutline(shell, mode);
    lightingOn(mode);
    // The shells are drawn untextured; lightingOn has just turned texturing back on in
    // texture-mapping mode, which would tint the next shell with a stray texture.
    texturingOff(mode);
}
