#include "game/collision.h"
#include "game/world.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(WorldRecords, TanksFaceTheirTeamsWayAndCopiesKeepTheSerial) {
    GameWorld world;
    EXPECT_EQ(world.currentTank(), nullptr);  // no game yet
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

TEST(WorldRecords, ListsKeepRosterOrderAndFreeEverything) {
    GameWorld world;
    Team& team = world.teamA;
    team.freePlayers();  // freeing an empty team does nothing
    for (int tanks : {3, 1}) {
        Player& p = team.appendPlayer(std::make_unique<Player>());
        for (p.tankCount = 0; p.tankCount < tanks; ++p.tankCount)
            p.appendTank(std::make_unique<Tank>(world));
    }
    EXPECT_EQ(team.firstPlayer->next->prev, team.firstPlayer);
    EXPECT_EQ(team.firstPlayer->firstTank->next->next->prev, team.firstPlayer->firstTank->next);
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
