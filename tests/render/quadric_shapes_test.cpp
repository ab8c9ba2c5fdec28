// SPDX-License-Identifier: GPL-3.0-or-later
// GLU's cylinder and sphere recorded call by call, against the batches that stand in for them.
#include "render/quadric_shapes.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// This program has no GL context: these definitions stand in for libGL's, so what GLU emits is
// recorded here instead of drawn.
namespace {

struct Recorded {
    GLenum mode;
    std::vector<BatchVertex> corners;
};
std::vector<Recorded> recorded;
BatchVertex current;

}  // namespace

extern "C" {
void glBegin(GLenum mode) {
    recorded.push_back({mode, {}});
}
void glEnd() {}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    current.normal = {x, y, z};
}
void glTexCoord2f(GLfloat s, GLfloat t) {
    current.s = s;
    current.t = t;
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    current.position = {x, y, z};
    recorded.back().corners.push_back(current);
}
}

namespace {

// What GLU emitted, split by the batch's own rules for each primitive.
TriangleBatch splitRecorded() {
    TriangleBatch batch;
    for (const Recorded& r : recorded) {
        const int count = static_cast<int>(r.corners.size());
        if (r.mode == GL_QUAD_STRIP) {
            batch.addQuadStrip(r.corners.data(), count);
        } else if (r.mode == GL_TRIANGLE_FAN) {
            batch.addTriangleFan(r.corners.data(), count);
        } else {
            ADD_FAILURE() << "GLU drew primitive " << r.mode;
        }
    }
    recorded.clear();
    return batch;
}

// Bit for bit: the batch must light and texture exactly as GLU's strips did.
void expectSameCorners(const TriangleBatch& glu, const TriangleBatch& ours) {
    ASSERT_EQ(glu.vertices.size(), ours.vertices.size());
    for (std::size_t i = 0; i < glu.vertices.size(); ++i) {
        const BatchVertex& a = glu.vertices[i];
        const BatchVertex& b = ours.vertices[i];
        const float want[] = {a.position.x, a.position.y, a.position.z, a.normal.x,
                              a.normal.y,   a.normal.z,   a.s,          a.t};
        const float got[] = {b.position.x, b.position.y, b.position.z, b.normal.x,
                             b.normal.y,   b.normal.z,   b.s,          b.t};
        const std::size_t compared = ours.textureCoordinates ? 8 : 6;
        for (std::size_t k = 0; k < compared; ++k)
            EXPECT_EQ(want[k], got[k]) << "corner " << i << " value " << k;
        EXPECT_EQ(a.edge, b.edge) << "corner " << i;
    }
}

TEST(QuadricShapes, CylindersAndTheSphereHaveGlusVerticesNormalsAndTextureCoordinates) {
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricTexture(quadric, GL_TRUE);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    // The barrel, the muzzle ring, and a cone, whose normals lean along the axis.
    const struct {
        double base, top, height;
        int slices, stacks;
    } cylinders[] = {{0.25, 0.25, 6.0, 10, 10}, {0.35, 0.35, 0.5, 8, 8}, {1.0, 0.3, 2.0, 7, 3}};
    for (const auto& c : cylinders) {
        gluCylinder(quadric, c.base, c.top, c.height, c.slices, c.stacks);
        const TriangleBatch ours = cylinderBatch(c.base, c.top, c.height, c.slices, c.stacks);
        EXPECT_EQ(ours.triangleCount(), 2 * c.slices * c.stacks);
        expectSameCorners(splitRecorded(), ours);
    }
    gluQuadricTexture(quadric, GL_FALSE);
    for (const int stacks : {20, 5}) {
        gluSphere(quadric, 9.0, 20, stacks);
        const TriangleBatch ours = sphereBatch(9.0, 20, stacks);
        EXPECT_FALSE(ours.textureCoordinates);
        expectSameCorners(splitRecorded(), ours);
    }
    gluDeleteQuadric(quadric);
}

// Splitting keeps every corner once per triangle that uses it and marks only the outline.
TEST(TriangleBatch, PolygonsFansAndStripsSplitAsTheGlDoes) {
    BatchVertex corners[6];
    for (int i = 0; i < 6; ++i)
        corners[i].position = {float(i), 0, 0};
    const auto order = [](const TriangleBatch& batch) {
        std::string text;
        for (const BatchVertex& v : batch.vertices)
            text += std::to_string(int(v.position.x)) + (v.edge ? "e " : " ");
        return text;
    };
    TriangleBatch polygon;
    polygon.addPolygon(corners, 5);
    EXPECT_EQ(order(polygon), "1e 2 0e 2e 3 0 3e 4e 0 ");
    TriangleBatch fan;
    fan.addTriangleFan(corners, 4);
    EXPECT_EQ(order(fan), "1e 2e 0e 2e 3e 0e ");
    TriangleBatch strip;
    strip.addQuadStrip(corners, 6);
    EXPECT_EQ(order(strip), "2e 0 3e 0e 1e 3 4e 2 5e 2e 3e 5 ");
    TriangleBatch tooFew;
    tooFew.addPolygon(corners, 2);
    tooFew.addQuadStrip(corners, 3);
    EXPECT_EQ(tooFew.triangleCount(), 0);
}

}  // namespace
