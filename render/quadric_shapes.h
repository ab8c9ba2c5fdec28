// SPDX-License-Identifier: GPL-3.0-or-later
// The cannon's cylinders and the shield's sphere as triangle batches with GLU's own vertices;
// quadric_shapes.cpp has the bodies.
#pragma once

#include "render/triangle_batch.h"

// The strips gluCylinder draws (outside, smooth normals, texture coordinates), stack by stack:
// the same vertices, normals and texture coordinates in the same order, computed with GLU's
// float and double steps so that every bit agrees.
TriangleBatch cylinderBatch(double baseRadius, double topRadius, double height, int slices,
                            int stacks);
// The fans and strips gluSphere draws (outside, smooth normals, no texture coordinates).
TriangleBatch sphereBatch(double radius, int slices, int stacks);
