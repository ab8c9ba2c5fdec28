// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the order a frame draws the tanks' parts in, and of when a bubble may be coarse.
#include "render/tank_order.h"
#include "render/shield_drawing.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> numbers(const std::vector<const Tank*>& tanks) {
    std::vector<int> out;
    for (const Tank* tank : tanks) {
        out.push_back(tank->serial);
    }
    return out;
}

}  // namespace

// Every part of a tank is drawn in its own pass, so reordering may only group what shares a
// texture: within a group the tanks keep their list order, team A first, and nothing of a
// destroyed tank is drawn. Cannon counts out of range draw no more than a tank has.
TEST(TankDrawOrder, GroupsByTextureKeepingListOrderAndLeavesOutTheDestroyed) {
    CombatScene scene;
    Player& first = scene.addPlayer(scene.world.teamA);
    Tank& a1 = scene.addTank(scene.world.teamA, first, 0, 0);
    Tank& a2 = scene.addTank(scene.world.teamA, first, 20, 0);
    Tank& b1 = scene.addPlayerWithTank(scene.world.teamB, -20, 0);
    Tank& b2 = scene.addTank(scene.world.teamB, *scene.world.teamB.firstPlayer, -40, 0);
    Tank& a3 = scene.addPlayerWithTank(scene.world.teamA, 40, 0);
    b1.destroyed = true;
    // Lists made for camouflages in a different order from the tanks'.
    a1.hull.displayListId = 30;
    a2.hull.displayListId = 10;
    a3.hull.displayListId = 30;
    b2.hull.displayListId = 20;
    a1.cannonCount = 2;
    a1.cannons[0].camouflage = FallCamouflage;
    a1.cannons[1].camouflage = 99;  // unknown: keeps whatever is bound, so drawn first
    a2.cannonCount = Tank::maxCannons + 3;
    for (Cannon& cannon : a2.cannons) {
        cannon.camouflage = CityCamouflage;
    }
    a3.cannonCount = -1;
    b2.cannonCount = 1;
    b2.cannons[0].camouflage = FallCamouflage;

    const TankDrawOrder order = orderTankDraws(scene.world.teamA, scene.world.teamB);
    EXPECT_EQ(numbers(order.tanks), numbers({&a1, &a2, &a3, &b2}));
    EXPECT_EQ(numbers(order.byCamouflage), numbers({&a2, &b2, &a1, &a3}));

    std::vector<int> cannonTanks;
    std::vector<TextureName> textures;
    for (const TankDrawOrder::CannonDraw& draw : order.cannons) {
        cannonTanks.push_back(draw.tank->serial);
        textures.push_back(draw.texture);
    }
    const TextureName city = textureForCamouflage(CityCamouflage);
    const TextureName fall = textureForCamouflage(FallCamouflage);
    ASSERT_LT(city, fall);
    EXPECT_EQ(textures,
              (std::vector<TextureName>{NoTexture, city, city, city, city, city, fall, fall}));
    EXPECT_EQ(cannonTanks, (std::vector<int>{a1.serial, a2.serial, a2.serial, a2.serial, a2.serial,
                                             a2.serial, a1.serial, b2.serial}));
    EXPECT_EQ(order.cannons.front().cannon, &a1.cannons[1]);
    EXPECT_EQ(order.cannons.back().cannon, &b2.cannons[0]);
}

// The coarse sphere moves the outline by up to 1.2 % of the radius: allowed while the bubble
// is drawn under about 40 pixels across its radius, counting the stretch of a sphere seen off
// the view's axis, and never for one at or behind the eye.
TEST(ShieldBubbleDetail, CoarseOnlyWhereTheOutlineMovesUnderHalfAPixel) {
    const double pixelsPerUnit = 870.0;  // 720 rows with a 45-degree view
    const double radiusAt100 = Tank::shieldRadius * pixelsPerUnit / 100.0;
    ASSERT_NEAR(radiusAt100, 78.3, 0.1);
    EXPECT_FALSE(coarseBubbleLooksTheSame({0, 0, -100}, pixelsPerUnit));
    EXPECT_FALSE(coarseBubbleLooksTheSame({0, 0, -190}, pixelsPerUnit));
    EXPECT_TRUE(coarseBubbleLooksTheSame({0, 0, -200}, pixelsPerUnit));
    // Off to the side at the same depth it is drawn longer.
    EXPECT_FALSE(coarseBubbleLooksTheSame({120, 0, -200}, pixelsPerUnit));
    EXPECT_TRUE(coarseBubbleLooksTheSame({120, 0, -260}, pixelsPerUnit));
    EXPECT_FALSE(coarseBubbleLooksTheSame({0, 0, 0}, pixelsPerUnit));
    EXPECT_FALSE(coarseBubbleLooksTheSame({0, 0, 50}, pixelsPerUnit));
    EXPECT_FALSE(coarseBubbleLooksTheSame({0, 0, -200}, 0.0));
}
