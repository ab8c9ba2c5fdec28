// SPDX-License-Identifier: GPL-3.0-or-later
// Adds polygon faces to triangle batches with their normal and texture coordinates spanning the
// face; draws unlit wire boxes.
#include "render/primitives.h"

namespace {

struct TexCoord {
    float s;
    float t;
};

constexpr TexCoord quadCoords[4] = {{0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
constexpr TexCoord hexagonCoords[6] = {{0.1f, 0.0f}, {0.9f, 0.0f}, {1.0f, 0.75f},
                                       {0.9f, 1.0f}, {0.1f, 1.0f}, {0.0f, 0.75f}};
constexpr TexCoord octagonCoords[8] = {{0.0f, 0.25f}, {0.25f, 0.0f}, {0.75f, 0.0f}, {1.0f, 0.25f},
                                       {1.0f, 0.75f}, {0.75f, 1.0f}, {0.25f, 1.0f}, {0.0f, 0.75f}};

template <int N>
void addFace(TriangleBatch& batch, const Vec3* vertices, const Vec3& normal,
             const std::int32_t* face, const TexCoord (&coords)[N]) {
    BatchVertex corners[N];
    for (int i = 0; i < N; ++i) {
        corners[i].position = vertices[face[i]];
        corners[i].normal = normal;
        corners[i].s = coords[i].s;
        corners[i].t = coords[i].t;
    }
    batch.addPolygon(corners, N);
}

}  // namespace

void addQuad(TriangleBatch& batch, const Vec3* vertices, const Vec3& normal,
             const std::int32_t* face) {
    addFace(batch, vertices, normal, face, quadCoords);
}

void addHexagon(TriangleBatch& batch, const Vec3* vertices, const Vec3& normal,
                const std::int32_t* face) {
    addFace(batch, vertices, normal, face, hexagonCoords);
}

void addOctagon(TriangleBatch& batch, const Vec3* vertices, const Vec3& normal,
                const std::int32_t* face) {
    addFace(batch, vertices, normal, face, octagonCoords);
}

void drawWireQuads(const Vec3* vertices, const FaceTable& faces) {
    TriangleBatch batch;
    batch.normals = false;
    batch.vertices.reserve(faces.size() * 6);
    for (const auto& face : faces) {
        addFace(batch, vertices, Vec3{}, face.data(), quadCoords);
    }
    emitTriangles(batch);
}
