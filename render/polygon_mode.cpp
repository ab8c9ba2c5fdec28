// SPDX-License-Identifier: GPL-3.0-or-later
// The GL state of each polygon mode, and polygon smoothing on or off.
#include "render/polygon_mode.h"

#include <GL/gl.h>

void applyPolygonMode(PolygonMode mode) {
    glPolygonMode(GL_FRONT_AND_BACK, mode == PolygonMode::Wireframe ? GL_LINE : GL_FILL);
    if (mode == PolygonMode::TextureMapping) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void setPolygonSmoothing(bool on) {
    if (on) {
        glEnable(GL_POLYGON_SMOOTH);
    } else {
        glDisable(GL_POLYGON_SMOOTH);
    }
}
