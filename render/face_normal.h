// SPDX-License-Identifier: GPL-3.0-or-later
// faceNormal: the outward unit normal of a face from its first three vertices.
#pragma once

#include "game/geometry.h"

// The unit normal of a face from its first three vertices: (p0 - p1) x (p1 - p2),
// normalised. For counter-clockwise faces it points out of the solid. A degenerate
// face (collinear points) gets the zero vector rather than NaNs.
Vec3 faceNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2);
