// SPDX-License-Identifier: GPL-3.0-or-later
// TriangleBatch: faces and quadric strips split into one list of triangles the way the GL splits
// them, with edge flags; triangle_batch.cpp has the bodies.
#pragma once

#include "game/geometry.h"

#include <vector>

// One corner as the GL takes it: position, normal, texture coordinates and whether the edge
// from it to the triangle's next corner is an outer edge (drawn in wireframe mode).
struct BatchVertex {
    Vec3 position{};
    Vec3 normal{};
    float s = 0.0f;
    float t = 0.0f;
    bool edge = true;
};

// Many faces drawn as one glBegin(GL_TRIANGLES). Mesa's renderer splits polygons, fans and quad
// strips into triangles itself; splitting them here into the very same triangles, corner order
// and outer edges gives the same pixels, filled and in wireframe, from one primitive instead of
// one per face or strip.
struct TriangleBatch {
    std::vector<BatchVertex> vertices;  // three per triangle
    bool normals = true;
    bool textureCoordinates = true;

    // A convex polygon of `count` corners in GL_POLYGON order: triangles (i+1, i+2, 0).
    void addPolygon(const BatchVertex* corners, int count);
    // A GL_TRIANGLE_FAN around corners[0]: triangles (i+1, i+2, 0), every edge outer.
    void addTriangleFan(const BatchVertex* corners, int count);
    // A GL_QUAD_STRIP of `count` corners: each quad (2k..2k+3) as triangles (2k+2, 2k, 2k+3)
    // and (2k, 2k+1, 2k+3), the shared diagonal not outer.
    void addQuadStrip(const BatchVertex* corners, int count);
    int triangleCount() const { return static_cast<int>(vertices.size() / 3); }
};

// Emits the batch as one glBegin(GL_TRIANGLES)/glEnd, then puts the edge flag back to true.
// Empty batches emit nothing.
void emitTriangles(const TriangleBatch& batch);
