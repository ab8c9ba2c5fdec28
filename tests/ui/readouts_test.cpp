#include "ui/readouts.h"
#include "game/world.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

TEST(StatusReadouts, ZeroPaddedPowerUnsignedAngleAndTextCutAtTheLineLength) {
    StatusReadouts r = formatStatusReadouts("A", "p", 1, 0.1f, -80, 3);
    EXPECT_EQ(r.power, "POWER 000.10");
    EXPECT_EQ(r.angle, "ANGLE 80.00");
    EXPECT_EQ(formatStatusReadouts("A", "p", 1, 100.0f, 0, 3).angle, "ANGLE 0.00");

    const std::string longName(200, 'x');
    r = formatStatusReadouts(longName.c_str(), longName.c_str(), 1, 1.0f, 0, 0);
    EXPECT_EQ(r.teamLine.size(), 79u);
    EXPECT_EQ(r.teamLine.compare(0, 6, "Team: "), 0);
    // User text goes in as data, never as a format.
    EXPECT_EQ(formatStatusReadouts("%s%n", "%d", 1, 1.0f, 0, 0).teamLine,
              "Team: %s%n, Player: %d, Tank#: 1");
}

TEST(StatusReadouts, ReadFromTheWorldsCurrentTankOrNothingBeforeAGame) {
    GameWorld world;
    EXPECT_FALSE(readStatusReadouts(world).hasTank);

    std::strcpy(world.teamB.name, "Blues");
    Player& player = world.teamB.appendPlayer(std::make_unique<Player>());
    std::strcpy(player.name, "Bo");
    world.currentTeam = &world.teamB;
    world.teamB.currentPlayer = &player;
    EXPECT_FALSE(readStatusReadouts(world).hasTank);  // a player without a tank yet

    Tank& tank = player.appendTank(std::make_unique<Tank>(world));
    tank.number = 2;
    tank.power = 42.25f;
    tank.elevation = -30;
    tank.mileage = 4;
    player.currentTank = &tank;
    const StatusReadouts r = readStatusReadouts(world);
    EXPECT_EQ(r.power + ", " + r.angle + ", " + r.mileage,
              "POWER 042.25, ANGLE 30.00, mileage: 4 units used");

    // A name that fills its whole buffer without a terminator is read no further.
    std::memset(world.teamB.name, 'z', sizeof world.teamB.name);
    EXPECT_EQ(readStatusReadouts(world).teamLine,
              "Team: " + std::string(sizeof world.teamB.name, 'z') + ", Player: Bo, Tank#: 2");
}
