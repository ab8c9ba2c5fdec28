#include "game/collision.h"
#include "game/world.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<Tank> makeTank(GameWorld& world) {
    return std::make_unique<Tank>(world);
}

}  // namespace

TEST(WorldRecords, ANewTankStartsReadyToAimWithItsCornersOnItsBox) {
    GameWorld world;
    EXPECT_EQ(world.currentTank(), nullptr);  // no game yet
    Tank tank(world);
    EXPECT_EQ(tank.serial, 1);
    EXPECT_EQ(tank.cannonCount, 1);
    EXPECT_FLOAT_EQ(tank.power, 10.0f);
    EXPECT_EQ(tank.elevation, -45);
    EXPECT_EQ(tank.corners[0], (Vec3{-6.0f, 0.5f, 3.0f}));
    EXPECT_EQ(tank.corners[6], (Vec3{6.0f, 5.5f, -3.0f}));
}

TEST(WorldRecords, HeadingFollowsTheCurrentTeamAndSerialsRunOn) {
    GameWorld world;
    world.currentTeam = &world.teamA;
    Tank a(world);
    world.currentTeam = &world.teamB;
    Tank b(world);
    EXPECT_EQ(a.heading, 0);
    EXPECT_EQ(b.heading, 180);
    EXPECT_EQ(b.serial, a.serial + 1);

    Tank trial = b;  // the trial copy of a drive step
    EXPECT_EQ(trial.serial, b.serial);
    EXPECT_EQ(world.tankSerialCounter, 2);
}

TEST(WorldRecords, CannonLayoutIsCentredAndSpacedEvenly) {
    const float expected[5][5] = {{0.0f},
                                  {-0.425f, 0.425f},
                                  {-0.85f, 0.0f, 0.85f},
                                  {-1.275f, -0.425f, 0.425f, 1.275f},
                                  {-1.7f, -0.85f, 0.0f, 0.85f, 1.7f}};
    GameWorld world;
    Tank tank(world);
    for (int count = 1; count <= 5; ++count) {
        tank.cannonCount = count;
        tank.layOutCannons();
        for (int i = 0; i < count; ++i) {
            EXPECT_NEAR(tank.cannons[i].lateralOffset, expected[count - 1][i], 1e-6)
                << count << " cannons, slot " << i;
        }
    }
}

TEST(WorldRecords, ListsAppendInOrderAndFreeEverything) {
    GameWorld world;
    Team& team = world.teamA;
    team.freePlayers();  // freeing an empty team does nothing
    EXPECT_EQ(team.firstPlayer, nullptr);

    Player& first = team.appendPlayer(std::make_unique<Player>());
    Player& second = team.appendPlayer(std::make_unique<Player>());
    EXPECT_EQ(team.firstPlayer, &first);
    EXPECT_EQ(first.next, &second);
    EXPECT_EQ(second.prev, &first);
    EXPECT_EQ(second.next, nullptr);

    Tank& t1 = first.appendTank(makeTank(world));
    Tank& t2 = first.appendTank(makeTank(world));
    Tank& t3 = first.appendTank(makeTank(world));
    second.appendTank(makeTank(world));
    EXPECT_EQ(first.firstTank, &t1);
    EXPECT_EQ(t1.next, &t2);
    EXPECT_EQ(t2.next, &t3);
    EXPECT_EQ(t3.prev, &t2);
    EXPECT_EQ(t3.next, nullptr);

    first.tankCount = 3;
    second.tankCount = 1;
    team.countTanks();
    EXPECT_EQ(team.tankTotal, 4);

    int visited = 0;
    forEachTank(team, [&](Tank& t) { EXPECT_EQ(t.serial, ++visited); });
    EXPECT_EQ(visited, 4);

    team.freePlayers();  // leak checking proves the tanks went with their players
    EXPECT_EQ(team.firstPlayer, nullptr);
    EXPECT_EQ(team.currentPlayer, nullptr);
}

TEST(WorldRecords, NamesAreCutToTwentyThreeBytesOnACharacterBoundary) {
    char name[nameCapacity];
    copyName(name, std::string(40, 'x'));
    EXPECT_EQ(std::string(name), std::string(23, 'x'));

    // 22 ASCII bytes then a two-byte character: keeping it would need 24 bytes.
    copyName(name, std::string(22, 'a') + "\xC3\xA9" + "b");
    EXPECT_EQ(std::string(name), std::string(22, 'a'));

    copyName(name, "Team A");
    EXPECT_EQ(std::string(name), "Team A");
}

TEST(BoxesOverlap, ClosedIntervalsOnEveryAxis) {
    const Box a{0, 2, 0, 2, 0, 2};
    EXPECT_TRUE(boxesOverlap(a, {1, 3, 1, 3, 1, 3}));
    EXPECT_TRUE(boxesOverlap(a, {2, 4, 0, 2, 0, 2}));     // touching faces count
    EXPECT_TRUE(boxesOverlap(a, {-1, 3, -1, 3, -1, 3}));  // containment
    EXPECT_FALSE(boxesOverlap(a, {2.01f, 4, 0, 2, 0, 2}));
    EXPECT_FALSE(boxesOverlap(a, {0, 2, 3, 4, 0, 2}));
    EXPECT_FALSE(boxesOverlap(a, {0, 2, 0, 2, -3, -0.5f}));
}
