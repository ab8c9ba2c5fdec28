// SPDX-License-Identifier: GPL-3.0-or-later
// PolygonMode (wireframe, solid, textured) and polygon smoothing; polygon_mode.cpp sets GL.
#pragma once

// How the scene's polygons are drawn; chosen in the Options menu.
enum class PolygonMode {
    Wireframe = 1,
    SolidShading = 2,
    TextureMapping = 3,
};

// Puts the GL state in step with a newly chosen mode: lines or filled polygons for
// front and back faces, 2-D texturing only for texture mapping.
void applyPolygonMode(PolygonMode mode);

// Polygon antialiasing (GL_POLYGON_SMOOTH) on or off; the frame sets it for the scene.
void setPolygonSmoothing(bool on);
