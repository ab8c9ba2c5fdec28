#include "render/tank_geometry.h"
#include "render/face_normal.h"

#include <gtest/gtest.h>

#include <cmath>
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

void expectNormal(const ModelFace& face, float x, float y, float z) {
    EXPECT_NEAR(face.normal.x, x, 1e-5);
    EXPECT_NEAR(face.normal.y, y, 1e-5);
    EXPECT_NEAR(face.normal.z, z, 1e-5);
}

}  // namespace

TEST(TankGeometry, EveryPartIsAClosedConvexSolidWithOutwardFaces) {
    expectClosedConvexSolidWoundOutward("track", trackGeometry());
    expectClosedConvexSolidWoundOutward("hull", hullGeometry());
    expectClosedConvexSolidWoundOutward("deck", deckGeometry());
    expectClosedConvexSolidWoundOutward("turret", turretGeometry());
}

TEST(TankGeometry, FaceCountsShapesAndTrackTexturesFollowTheModels) {
    const ModelGeometry track = trackGeometry();
    ASSERT_EQ(track.faces.size(), 8u);
    const TextureName trackTextures[] = {TrackSideTexture,   TrackSideTexture,   TrackFrontTexture1,
                                         TrackFrontTexture1, TrackFrontTexture2, TrackFrontTexture2,
                                         TrackLengthTexture, TrackLengthTexture};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(track.faces[i].texture, trackTextures[i]) << i;
        EXPECT_EQ(track.faces[i].shape, i < 2 ? FaceShape::Hexagon : FaceShape::Quad);
    }
    // The track's bottom rests on the floor and is lit from below only.
    expectNormal(track.faces[7], 0, -1, 0);

    const ModelGeometry turret = turretGeometry();
    ASSERT_EQ(turret.faces.size(), 10u);
    EXPECT_EQ(turret.faces[0].shape, FaceShape::Octagon);
    EXPECT_EQ(turret.faces[1].shape, FaceShape::Octagon);
    // The camouflaged parts take the texture their display list binds.
    for (const ModelGeometry& g : {hullGeometry(), deckGeometry(), turret}) {
        for (const ModelFace& f : g.faces) {
            EXPECT_EQ(f.texture, NoTexture);
        }
    }
    EXPECT_EQ(hullGeometry().faces.size(), 6u);
    EXPECT_EQ(deckGeometry().faces.size(), 6u);
}

TEST(TankGeometry, TheDeckEndsSlopeWithTheirOwnNormals) {
    const ModelGeometry deck = deckGeometry();
    const float k = static_cast<float>(1.0 / std::sqrt(5.0));
    expectNormal(deck.faces[2], -2 * k, k, 0);  // front end: rises 1 over 0.5
    const float h = static_cast<float>(std::sqrt(0.5));
    expectNormal(deck.faces[3], h, h, 0);  // rear end: rises 1 over 1
}

TEST(FaceNormal, PointsOutOfCounterClockwiseFacesAndIsZeroForDegenerateOnes) {
    const Vec3 n = faceNormal({0, 0, 0}, {2, 0, 0}, {2, 3, 0});
    EXPECT_FLOAT_EQ(n.x, 0);
    EXPECT_FLOAT_EQ(n.y, 0);
    EXPECT_FLOAT_EQ(n.z, 1);
    const Vec3 reversed = faceNormal({2, 3, 0}, {2, 0, 0}, {0, 0, 0});
    EXPECT_FLOAT_EQ(reversed.z, -1);
    // A wall of zero height has collinear corners: no NaN reaches the lighting.
    const Vec3 flat = faceNormal({0, 0, 0}, {1, 0, 0}, {5, 0, 0});
    EXPECT_EQ(flat.x, 0.0f);
    EXPECT_EQ(flat.y, 0.0f);
    EXPECT_EQ(flat.z, 0.0f);
}
