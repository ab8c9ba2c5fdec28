// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the tank's geometry: every part a closed convex solid with outward faces.
#include "render/tank_geometry.h"
#include "render/face_normal.h"
#include "render/model_lists.h"

#include <gtest/gtest.h>

#include <set>

namespace {

double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 sub(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// Every part is a closed convex solid: each face flat, its unit normal pointing away from
// the middle and agreeing with its winding (Newell's normal), every vertex on the inner
// side of every face, every vertex used, every edge run once each way by two faces. The camouflaged
// parts leave the texture to their list.
TEST(TankGeometry, EveryPartIsAClosedConvexSolidWithOutwardFaces) {
    const struct {
        const char* name;
        ModelGeometry g;
        bool camouflaged;
    } parts[] = {{"track", trackGeometry(), false},
                 {"hull", hullGeometry(), true},
                 {"deck", deckGeometry(), true},
                 {"turret", turretGeometry(), true}};
    for (const auto& [name, g, camouflaged] : parts) {
        Vec3 middle;
        for (const Vec3& p : g.vertices)
            middle = {middle.x + p.x / g.vertices.size(), middle.y + p.y / g.vertices.size(),
                      middle.z + p.z / g.vertices.size()};
        std::set<std::int32_t> used;
        std::multiset<std::pair<int, int>> edges;
        for (const ModelFace& face : g.faces) {
            const int count = face.vertexCount();
            Vec3 winding, centre;
            for (int i = 0; i < count; ++i) {
                ASSERT_TRUE(face.indices[i] >= 0 && face.indices[i] < int(g.vertices.size()));
                const Vec3& a = g.vertices[face.indices[i]];
                const Vec3& b = g.vertices[face.indices[(i + 1) % count]];
                winding = {winding.x + (a.y - b.y) * (a.z + b.z),
                           winding.y + (a.z - b.z) * (a.x + b.x),
                           winding.z + (a.x - b.x) * (a.y + b.y)};
                centre = {centre.x + a.x / count, centre.y + a.y / count, centre.z + a.z / count};
                used.insert(face.indices[i]);
                edges.insert({face.indices[i], face.indices[(i + 1) % count]});
            }
            const Vec3& n = face.normal;
            const Vec3& first = g.vertices[face.indices[0]];
            EXPECT_NEAR(dot(n, n), 1.0, 1e-5) << name;
            EXPECT_GT(dot(n, sub(centre, middle)), 0.0) << name;
            EXPECT_GT(dot(n, winding), 0.0) << name;
            for (int i = 0; i < count; ++i)
                EXPECT_NEAR(dot(n, sub(g.vertices[face.indices[i]], first)), 0.0, 1e-5) << name;
            for (const Vec3& v : g.vertices)
                EXPECT_LE(dot(n, sub(v, first)), 1e-5) << name;
            EXPECT_EQ(face.texture == NoTexture, camouflaged) << name;
        }
        EXPECT_EQ(used.size(), g.vertices.size()) << name;
        for (const auto& [a, b] : edges)
            EXPECT_EQ(edges.count({b, a}), 1u) << name << " " << a << "-" << b;
    }
    // A wall of zero height has collinear corners: no NaN reaches the lighting.
    const Vec3 n = faceNormal({0, 0, 0}, {2, 0, 0}, {2, 3, 0}),
               back = faceNormal({2, 3, 0}, {2, 0, 0}, {0, 0, 0});
    const Vec3 flat = faceNormal({0, 0, 0}, {1, 0, 0}, {5, 0, 0});
    EXPECT_EQ((std::vector<float>{n.x, n.y, n.z, back.z, flat.x, flat.y, flat.z}),
              (std::vector<float>{0, 0, 1, -1, 0, 0, 0}));
}

}  // namespace

// The track is compiled as one list per run of faces of one texture, into a table of fixed size:
// a face with a new texture would otherwise be left out of every frame.
TEST(TankGeometry, TheTrackFitsItsTableOfTextureRuns) {
    std::set<TextureName> seen;
    std::size_t runs = 0;
    TextureName last = NoTexture;
    for (const ModelFace& face : trackGeometry().faces) {
        ASSERT_NE(face.texture, NoTexture);
        runs += face.texture != last;
        EXPECT_TRUE(face.texture == last || seen.insert(face.texture).second)
            << "a texture's faces lie apart";
        last = face.texture;
    }
    EXPECT_EQ(runs, trackRunCount);
}
