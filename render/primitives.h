// SPDX-License-Identifier: GPL-3.0-or-later
// The face primitives of all drawing: quads, hexagons and octagons as GL polygons.
// primitives.cpp has the bodies.
#pragma once

#include "game/geometry.h"

#include <cstdint>

// The face primitives of all box and model drawing. Each emits one GL_POLYGON whose
// vertices are taken from `vertices` by the face's indices, in the face's order, with
// fixed texture coordinates so a picture spans the face once.

// Four vertices; texture coordinates (0,0), (0,1), (1,1), (1,0).
void drawQuad(const Vec3* vertices, const Vec3& normal, const std::int32_t* face);
// The same without a normal: wire boxes drawn unlit.
void drawQuadNoNormal(const Vec3* vertices, const std::int32_t* face);
// Six vertices; the track's side profile.
void drawHexagon(const Vec3* vertices, const Vec3& normal, const std::int32_t* face);
// Eight vertices; the turret's side profile.
void drawOctagon(const Vec3* vertices, const Vec3& normal, const std::int32_t* face);
