// SPDX-License-Identifier: GPL-3.0-or-later
// The viewport, clear colour and perspective fitted to the drawing area.
#include "render/viewport.h"

#include <GL/gl.h>
#include <GL/glu.h>

double viewportAspect(int width, int height) {
    const int w = width > 0 ? width : 1;
    const int h = height > 0 ? height : 1;
    return static_cast<double>(w) / static_cast<double>(h);
}

void resizeViewport(int width, int height) {
    glViewport(0, 0, width > 0 ? width : 0, height > 0 ? height : 0);
    glClearColor(projection::clearColour[0], projection::clearColour[1], projection::clearColour[2],
                 projection::clearColour[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(projection::fieldOfView, viewportAspect(width, height), projection::nearValue,
                   projection::farValue);
    glMatrixMode(GL_MODELVIEW);
}
