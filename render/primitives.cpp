// SPDX-License-Identifier: GPL-3.0-or-later
// Emits one GL polygon per face, with its normal and texture coordinates spanning the face.
#include "render/primitives.h"

#include <GL/gl.h>

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
void emitPolygon(const Vec3* vertices, const Vec3* normal, const std::int32_t* face,
                 const TexCoord (&coords)[N]) {
    glBegin(GL_POLYGON);
    if (normal != nullptr) {
        glNormal3f(normal->x, normal->y, normal->z);
    }
    for (int i = 0; i < N; ++i) {
        const Vec3& v = vertices[face[i]];
        glTexCoord2f(coords[i].s, coords[i].t);
        glVertex3f(v.x, v.y, v.z);
    }
    glEnd();
}

}  // namespace

void drawQuad(const Vec3* vertices, const Vec3& normal, const std::int32_t* face) {
    emitPolygon(vertices, &normal, face, quadCoords);
}

void drawQuadNoNormal(const Vec3* vertices, const std::int32_t* face) {
    emitPolygon(vertices, nullptr, face, quadCoords);
}

void drawHexagon(const Vec3* vertices, const Vec3& normal, const std::int32_t* face) {
    emitPolygon(vertices, &normal, face, hexagonCoords);
}

void drawOctagon(const Vec3* vertices, const Vec3& normal, const std::int32_t* face) {
    emitPolygon(vertices, &normal, face, octagonCoords);
}
