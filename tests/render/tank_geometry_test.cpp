#include "render/tank_geometry.h"
#include "render/face_normal.h"

#include <gtest/gtest.h>

#include <set>

namespace {

Vec3 sub(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 centroid(const std::vector<Vec3>& points) {
    Vec3 c;
    for (const Vec3& p : points) {
        c.x += p.x / points.size();
        c.y += p.y / points.size();
        c.z += p.z / points.size();
    }
    return c;
}

// The polygon's own area normal (Newell's method), independent of which three vertices
// faceNormal happened to take.
Vec3 windingNormal(const ModelGeometry& g, const ModelFace& f) {
    Vec3 n;
    for (int i = 0; i < f.vertexCount(); ++i) {
        const Vec3& a = g.vertices[f.indices[i]];
        const Vec3& b = g.vertices[f.indices[(i + 1) % f.vertexCount()]];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

void expectClosedConvexSolidWoundOutward(const char* name, const ModelGeometry& g) {
    const Vec3 middle = centroid(g.vertices);
    std::set<std::int32_t> used;
    for (std::size_t f = 0; f < g.faces.size(); ++f) {
        const ModelFace& face = g.faces[f];
        std::vector<Vec3> corners;
        for (int i = 0; i < face.vertexCount(); ++i) {
            ASSERT_GE(face.indices[i], 0);
            ASSERT_LT(face.indices[i], static_cast<int>(g.vertices.size()));
            corners.push_back(g.vertices[face.indices[i]]);
            used.insert(face.indices[i]);
        }
        const Vec3& n = face.normal;
        EXPECT_NEAR(dot(n, n), 1.0, 1e-5) << name << " face " << f;
        // Outward: away from the solid's middle, and the winding agrees (not culled).
        EXPECT_GT(dot(n, sub(centroid(corners), middle)), 0.0) << name << " face " << f;
        EXPECT_GT(dot(n, windingNormal(g, face)), 0.0) << name << " face " << f;
        // Flat: every corner lies in the plane of the normal.
        for (const Vec3& c : corners) {
            EXPECT_NEAR(dot(n, sub(c, corners[0])), 0.0, 1e-5) << name << " face " << f;
        }
        // Convex: every vertex of the solid lies on the inner side of the face.
        for (const Vec3& v : g.vertices) {
            EXPECT_LE(dot(n, sub(v, corners[0])), 1e-5) << name << " face " << f;
        }
    }
    EXPECT_EQ(used.size(), g.vertices.size()) << name;
}

}  // namespace

TEST(TankGeometry, EveryPartIsAClosedConvexSolidWithOutwardFaces) {
    expectClosedConvexSolidWoundOutward("track", trackGeometry());
    expectClosedConvexSolidWoundOutward("hull", hullGeometry());
    expectClosedConvexSolidWoundOutward("deck", deckGeometry());
    expectClosedConvexSolidWoundOutward("turret", turretGeometry());
    // The camouflaged parts take the texture their display list binds.
    for (const ModelGeometry& g : {hullGeometry(), deckGeometry(), turretGeometry()}) {
        for (const ModelFace& f : g.faces) {
            EXPECT_EQ(f.texture, NoTexture);
        }
    }
}

TEST(FaceNormal, PointsOutOfCounterClockwiseFacesAndIsZeroForDegenerateOnes) {
    const Vec3 n = faceNormal({0, 0, 0}, {2, 0, 0}, {2, 3, 0});
    EXPECT_FLOAT_EQ(n.x + n.y, 0);
    EXPECT_FLOAT_EQ(n.z, 1);
    EXPECT_FLOAT_EQ(faceNormal({2, 3, 0}, {2, 0, 0}, {0, 0, 0}).z, -1);
    // A wall of zero height has collinear corners: no NaN reaches the lighting.
    const Vec3 flat = faceNormal({0, 0, 0}, {1, 0, 0}, {5, 0, 0});
    EXPECT_TRUE(flat.x == 0.0f && flat.y == 0.0f && flat.z == 0.0f);
}
