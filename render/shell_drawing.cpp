#include "render/shell_drawing.h"

#include "render/lighting.h"
#include "render/primitives.h"
#include "render/scene.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

void drawShell() {
    glColor3fv(outlineColours::red.data());
    glutSolidSphere(Shell::radius, 8, 8);
}

void drawShellOutline(const Shell& shell, PolygonMode mode) {
    glColor3fv(outlineColours::cyan.data());
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    for (const auto& face : shell.faces) {
        drawQuadNoNormal(shell.corners.data(), face.data());
    }
    // Back to the chosen mode, not always fill: in wireframe mode the next shell's
    // sphere must be drawn in lines like the first.
    glPolygonMode(GL_FRONT_AND_BACK, mode == PolygonMode::Wireframe ? GL_LINE : GL_FILL);
}

void ScenePainter::paintShell(const Shell& shell) {
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, shell.position.z);
    glTranslatef(0.0f, shell.position.y, 0.0f);
    glTranslatef(shell.position.x, 0.0f, 0.0f);
    glPushMatrix();
    drawShell();
    glPopMatrix();
    glPopMatrix();
    lightingOff(mode_);
    drawShellOutline(shell, mode_);
    lightingOn(mode_);
    // The shells are drawn untextured; lightingOn has just turned texturing back on in
    // texture-mapping mode, which would tint the next shell with a stray texture.
    texturingOff(mode_);
}
