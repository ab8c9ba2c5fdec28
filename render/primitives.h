// SPDX-License-Identifier: GPL-3.0-or-later
// The face primitives of all box and model drawing: quads, hexagons and octagons added to a
// triangle batch; primitives.cpp has the bodies.
#pragma once

#include "game/geometry.h"
#include "render/triangle_batch.h"

#include <cstdint>

// Each adds one polygon whose corners are taken from `vertices` by the face's indices, in the
// face's order, with fixed texture coordinates so a picture spans the face once.

// Four vertices; texture coordinates (0,0), (0,1), (1,1), (1,0).
void addQuad(TriangleBatch& batch, const Vec3* vertices, const Vec3& normal,
             const std::int32_t* face);
// Six vertices; the track's side profile.
void addHexagon(TriangleBatch& batch, const Vec3* vertices, const Vec3& normal,
                const std::int32_t* face);
// Eight vertices; the turret's side profile.
void addOctagon(TriangleBatch& batch, const Vec3* vertices, const Vec3& normal,
                const std::int32_t* face);

// Wire boxes drawn unlit (outlines, shell boxes): their quad faces as one batch without
// normals or texture coordinates, emitted at once.
void drawWireQuads(const Vec3* vertices, const FaceTable& faces);
