// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the status readouts: their formats, and reading them from the world.
#include "ui/readouts.h"
#include "game/world.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

// User text goes in as data, never as a format; the team line is cut at its length.
TEST(StatusReadouts, ZeroPaddedPowerUnsignedAngleAndNamesAsData) {
    const StatusReadouts r = formatStatusReadouts("%s%n", "%d", 1, 0.1f, -80, 3);
    EXPECT_EQ(r.teamLine + "|" + r.power + "|" + r.angle + "|" + r.mileage,
              "Team: %s%n, Player: %d, Tank#: 1|POWER 000.10|ANGLE 80.00|mileage: 3 units used");
    EXPECT_EQ(formatStatusReadouts(std::string(200, 'x').c_str(), "p", 1, 1, 0, 0).teamLine,
              "Team: " + std::string(73, 'x'));
}

TEST(StatusReadouts, ReadFromTheWorldsCurrentTankOrNothingBeforeAGame) {
    GameWorld world;
    EXPECT_FALSE(readStatusReadouts(world).hasTank);
    Player& player = world.teamB.appendPlayer(std::make_unique<Player>());
    std::strcpy(player.name, "Bo");
    world.currentTeam = &world.teamB;
    world.teamB.currentPlayer = &player;
    EXPECT_FALSE(readStatusReadouts(world).hasTank);  // a player without a tank yet
    Tank& tank = player.appendTank(std::make_unique<Tank>(world));
    tank.number = 2;
    tank.power = 42.25f;
    tank.elevation = -30;
    player.currentTank = &tank;
    // A name that fills its whole buffer without a terminator is read no further.
    std::memset(world.teamB.name, 'z', sizeof world.teamB.name);
    const StatusReadouts r = readStatusReadouts(world);
    EXPECT_EQ(r.teamLine + "|" + r.power + "|" + r.angle,
              "Team: " + std::string(sizeof world.teamB.name, 'z') +
                  ", Player: Bo, Tank#: 2|POWER 042.25|ANGLE 30.00");
}
