// SPDX-License-Identifier: GPL-3.0-or-later
// The vertices, faces, normals and textures of the track, hull, deck and turret.
#include "render/tank_geometry.h"

#include "render/face_normal.h"

#include <initializer_list>

namespace {

ModelFace makeFace(const std::vector<Vec3>& vertices, std::initializer_list<std::int32_t> indices,
                   TextureName texture = NoTexture) {
    ModelFace face;
    face.shape = static_cast<FaceShape>(indices.size());
    int i = 0;
    for (std::int32_t index : indices) {
        face.indices[i++] = index;
    }
    face.normal =
        faceNormal(vertices[face.indices[0]], vertices[face.indices[1]], vertices[face.indices[2]]);
    face.texture = texture;
    return face;
}

}  // namespace

ModelGeometry trackGeometry() {
    ModelGeometry g;
    g.vertices = {{-5.0f, -1.0f, 0.5f},  {5.0f, -1.0f, 0.5f},  {6.0f, 0.7f, 0.5f},
                  {5.0f, 1.0f, 0.5f},    {-5.0f, 1.0f, 0.5f},  {-6.0f, 0.7f, 0.5f},
                  {-5.0f, -1.0f, -0.5f}, {5.0f, -1.0f, -0.5f}, {6.0f, 0.7f, -0.5f},
                  {5.0f, 1.0f, -0.5f},   {-5.0f, 1.0f, -0.5f}, {-6.0f, 0.7f, -0.5f}};
    const auto& v = g.vertices;
    g.faces = {
        makeFace(v, {0, 1, 2, 3, 4, 5}, TrackSideTexture),
        makeFace(v, {7, 6, 11, 10, 9, 8}, TrackSideTexture),
        makeFace(v, {5, 4, 10, 11}, TrackFrontTexture1),  // front upper slant
        makeFace(v, {8, 9, 3, 2}, TrackFrontTexture1),    // rear upper slant
        makeFace(v, {0, 5, 11, 6}, TrackFrontTexture2),   // front lower slant
        makeFace(v, {7, 8, 2, 1}, TrackFrontTexture2),    // rear lower slant
        makeFace(v, {4, 3, 9, 10}, TrackLengthTexture),   // top
        makeFace(v, {6, 7, 1, 0}, TrackLengthTexture),    // bottom
    };
    return g;
}

ModelGeometry hullGeometry() {
    ModelGeometry g;
    g.vertices = {{6.0f, -0.5f, 3.0f},  {-6.0f, -0.5f, 3.0f}, {-6.0f, -0.5f, -3.0f},
                  {6.0f, -0.5f, -3.0f}, {-6.0f, 1.5f, 3.0f},  {6.0f, 1.5f, 3.0f},
                  {6.0f, 1.5f, -3.0f},  {-6.0f, 1.5f, -3.0f}};
    const auto& v = g.vertices;
    struct StoredFace {
        std::initializer_list<std::int32_t> indices;
        Vec3 normal;
    };
    const StoredFace stored[] = {
        {{1, 0, 5, 4}, {0, 0, 1}}, {{3, 2, 7, 6}, {0, 0, -1}}, {{2, 1, 4, 7}, {-1, 0, 0}},
        {{0, 3, 6, 5}, {1, 0, 0}}, {{2, 3, 0, 1}, {0, -1, 0}}, {{4, 5, 6, 7}, {0, 1, 0}},
    };
    for (const StoredFace& s : stored) {
        ModelFace face = makeFace(v, s.indices);
        face.normal = s.normal;
        g.faces.push_back(face);
    }
    return g;
}

ModelGeometry deckGeometry() {
    ModelGeometry g;
    g.vertices = {{-4.0f, 1.5f, 2.5f}, {6.0f, 1.5f, 2.5f},   {5.0f, 2.5f, 2.5f},
                  {-3.5f, 2.5f, 2.5f}, {-4.0f, 1.5f, -2.5f}, {-3.5f, 2.5f, -2.5f},
                  {5.0f, 2.5f, -2.5f}, {6.0f, 1.5f, -2.5f}};
    const auto& v = g.vertices;
    g.faces = {makeFace(v, {0, 1, 2, 3}), makeFace(v, {7, 4, 5, 6}), makeFace(v, {4, 0, 3, 5}),
               makeFace(v, {1, 7, 6, 2}), makeFace(v, {4, 7, 1, 0}), makeFace(v, {3, 2, 6, 5})};
    return g;
}

ModelGeometry turretGeometry() {
    ModelGeometry g;
    g.vertices = {
        {-3.0f, 3.0f, 2.5f}, {-1.0f, 2.5f, 2.5f}, {3.0f, 2.5f, 2.5f},   {4.0f, 3.0f, 2.5f},
        {4.0f, 3.0f, -2.5f}, {3.0f, 2.5f, -2.5f}, {-1.0f, 2.5f, -2.5f}, {-3.0f, 3.0f, -2.5f},
        {-3.0f, 3.5f, 2.5f}, {-1.0f, 4.5f, 2.5f}, {3.0f, 4.5f, 2.5f},   {4.0f, 4.0f, 2.5f},
        {4.0f, 4.0f, -2.5f}, {3.0f, 4.5f, -2.5f}, {-1.0f, 4.5f, -2.5f}, {-3.0f, 3.5f, -2.5f}};
    const auto& v = g.vertices;
    g.faces = {
        makeFace(v, {0, 1, 2, 3, 11, 10, 9, 8}),
        makeFace(v, {7, 15, 14, 13, 12, 4, 5, 6}),
        makeFace(v, {7, 0, 8, 15}),     // front end, where the cannon leaves
        makeFace(v, {3, 4, 12, 11}),    // rear end
        makeFace(v, {8, 9, 14, 15}),    // front top slant
        makeFace(v, {9, 10, 13, 14}),   // top
        makeFace(v, {10, 11, 12, 13}),  // rear top slant
        makeFace(v, {7, 6, 1, 0}),      // front bottom slant
        makeFace(v, {6, 5, 2, 1}),      // bottom
        makeFace(v, {5, 4, 3, 2}),      // rear bottom slant
    };
    return g;
}
