// SPDX-License-Identifier: GPL-3.0-or-later
// The tank's model geometry (ModelGeometry, ModelFace): track, hull, deck and turret.
// tank_geometry.cpp has their vertices and faces.
#pragma once

#include "game/geometry.h"
#include "render/texture_table.h"

#include <array>
#include <cstdint>
#include <vector>

// The fixed polyhedra a tank is drawn from, in model space: +y up, the origin 1 unit
// above the floor (track bottoms at y = -1), -x the tank's front. Faces are wound
// counter-clockwise seen from outside, since back faces are culled.

enum class FaceShape { Quad = 4, Hexagon = 6, Octagon = 8 };

struct ModelFace {
    FaceShape shape = FaceShape::Quad;
    std::array<std::int32_t, 8> indices{};  // the first int(shape) are used
    Vec3 normal{};
    // The texture bound before this face; NoTexture draws with the camouflage texture
    // that the part's display list binds first.
    TextureName texture = NoTexture;

    int vertexCount() const { return static_cast<int>(shape); }
};

struct ModelGeometry {
    std::vector<Vec3> vertices;
    std::vector<ModelFace> faces;  // in drawing order
};

// The tracks run along both long sides of the hull, this far from its middle.
constexpr float trackOffsetZ = 3.0f;

// Track: a hexagonal profile, 12 long and 2 high, extruded 1 wide; its own track textures.
ModelGeometry trackGeometry();
// Hull: the box x -6..6, y -0.5..1.5, z -3..3, with stored axis normals.
ModelGeometry hullGeometry();
// Deck: a trapezoid prism on the hull; normals from faceNormal.
ModelGeometry deckGeometry();
// Turret: an octagonal prism; normals from faceNormal.
ModelGeometry turretGeometry();
