#include "game/arena.h"
#include "game/prize.h"
#include "game/tank.h"
#include "game/world.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Each face of a box: four distinct corners on one side of it, wound counter-clockwise seen
// from outside (the side back-face culling keeps), with its stored normal pointing out.
void expectBoxFaces(const char* what, const Box& b, const Corners& corners, const FaceTable& faces,
                    const std::array<Vec3, 6>* normals) {
    const Vec3 mid{(b.xmin + b.xmax) / 2, (b.ymin + b.ymax) / 2, (b.zmin + b.zmax) / 2};
    std::set<int> sides;
    for (int f = 0; f < 6; ++f) {
        Vec3 n{};  // the winding's own normal (Newell), unnormalised
        Vec3 centre{};
        std::set<int> used;
        for (int i = 0; i < 4; ++i) {
            const Vec3& p = corners[faces[f][i]];
            const Vec3& q = corners[faces[f][(i + 1) % 4]];
            n.x += (p.y - q.y) * (p.z + q.z);
            n.y += (p.z - q.z) * (p.x + q.x);
            n.z += (p.x - q.x) * (p.y + q.y);
            centre = {centre.x + p.x / 4, centre.y + p.y / 4, centre.z + p.z / 4};
            used.insert(faces[f][i]);
        }
        const Vec3 out{centre.x - mid.x, centre.y - mid.y, centre.z - mid.z};
        // Outward means along exactly one axis: the face's centre is the middle of one side.
        const int axes = (out.x != 0) + (out.y != 0) + (out.z != 0);
        EXPECT_EQ(axes, 1) << what << " face " << f;
        EXPECT_EQ(used.size(), 4u) << what << " face " << f;
        EXPECT_GT(n.x * out.x + n.y * out.y + n.z * out.z, 0.0f)
            << what << " face " << f << " winds inward";
        sides.insert((out.x > 0) + 2 * (out.x < 0) + 3 * (out.y > 0) + 4 * (out.y < 0) +
                     5 * (out.z > 0) + 6 * (out.z < 0));
        if (normals != nullptr) {
            const Vec3& s = (*normals)[f];
            EXPECT_GT(s.x * out.x + s.y * out.y + s.z * out.z, 0.0f) << what << " normal " << f;
            EXPECT_EQ(s.x * s.x + s.y * s.y + s.z * s.z, 1.0f) << what << " normal " << f;
        }
    }
    EXPECT_EQ(sides.size(), 6u) << what << ": every side once";
}

TEST(BoxFaces, WallsPrizesShellsAndTankOutlinesCoverEverySideOutward) {
    Arena arena;
    arena.halfSide = 90;
    arena.barrierHeight = 20;
    arena.rebuild();
    EXPECT_EQ(arena.divider.bounds, (Box{-7, 7, 0, 6, -90, 90}));
    EXPECT_EQ(arena.barrier.bounds, (Box{-0.5f, 0.5f, 0, 20, -90, 90}));
    expectBoxFaces("divider", arena.divider.bounds, arena.divider.corners, arena.divider.faces,
                   &arena.divider.normals);
    expectBoxFaces("barrier", arena.barrier.bounds, arena.barrier.corners, arena.barrier.faces,
                   &arena.barrier.normals);

    const Box shell{1, 2, 3, 4, 5, 6};
    expectBoxFaces("shell", shell, shellLayoutCorners(shell), shellFaces, nullptr);
    const PrizeModel prize;
    Corners cube;
    std::copy(prize.vertices.begin(), prize.vertices.end(), cube.begin());
    expectBoxFaces("prize", {-2, 2, -2, 2, -2, 2}, cube, prize.faces, &prize.normals);
    GameWorld world;
    Tank tank(world);
    expectBoxFaces("tank outline", tank.box, tank.corners, tank.faces, nullptr);
}

}  // namespace
