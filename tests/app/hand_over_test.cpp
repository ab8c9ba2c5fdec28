// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of HandOver: the banner when the turn passes to another player, and each player's view.
#include "app/hand_over.h"
#include "game/turns.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct TwoPlayers : CombatScene {
    TwoPlayers() {
        std::strcpy(world.teamA.name, "Reds");
        std::strcpy(world.teamB.name, "Blues");
        addPlayerWithTank(world.teamA, 30, 0);
        addPlayerWithTank(world.teamB, -30, 0);
        std::strcpy(world.teamA.firstPlayer->name, "Ann");
        std::strcpy(world.teamB.firstPlayer->name, "Bo");
        addTank(world.teamB, *world.teamB.firstPlayer, -30, 40);
    }
};

TEST(HandOver, TheBannerNamesWhoPlaysNowForTwoSecondsEachTimeTheTurnPasses) {
    TwoPlayers scene;
    HandOver handOver;
    Camera camera;
    std::string seen;
    double now = 10.0;
    const auto frame = [&](double at) {
        now = at;
        handOver.update(scene.world, now, camera, CameraCentre::CenterOfArena);
        const std::optional<double> ends = handOver.bannerEnds(now);
        seen += "[" + handOver.banner(now) + (ends ? "|" + std::to_string(int(*ends)) : "") + "]";
    };
    frame(10.0);  // the game starts: who has the first turn
    frame(11.9);
    frame(12.0);
    passTurn(scene.world, scene.host);  // to Bo's second tank, the one after his current
    frame(20.0);
    frame(21.0);
    frame(22.5);
    passTurn(scene.world, scene.host);
    frame(25.0);
    passTurn(scene.world, scene.host);
    frame(30.0);
    EXPECT_EQ(seen,
              "[Reds: Ann, tank 1|12][Reds: Ann, tank 1|12][][Blues: Bo, tank 2|22]"
              "[Blues: Bo, tank 2|22][][Reds: Ann, tank 1|27][Blues: Bo, tank 1|32]");
    handOver.forgetGame();
    EXPECT_EQ(handOver.banner(30.0), "");
}

TEST(HandOver, EachPlayerGetsBackTheViewLastLookedFromWhileItFollowsTheTank) {
    TwoPlayers scene;
    HandOver handOver;
    Camera camera;
    const auto look = [&](float yaw, float pitch, double distance) {
        camera.yaw = yaw, camera.pitch = pitch, camera.eye.z = distance;
    };
    const auto turn = [&](CameraCentre centre) {
        passTurn(scene.world, scene.host);
        handOver.update(scene.world, 0.0, camera, centre);
    };
    handOver.update(scene.world, 0.0, camera, CameraCentre::CurrentTank);
    look(10, 20, 100);  // Ann's
    turn(CameraCentre::CurrentTank);
    EXPECT_EQ(camera.yaw, 10) << "Bo has no view of his own yet";
    look(200, 60, 40);  // Bo's
    turn(CameraCentre::CurrentTank);
    EXPECT_EQ(std::make_tuple(camera.yaw, camera.pitch, camera.eye.z),
              std::make_tuple(10, 20, 100));
    turn(CameraCentre::CurrentTank);
    EXPECT_EQ(std::make_tuple(camera.yaw, camera.pitch, camera.eye.z),
              std::make_tuple(200, 60, 40));
    look(5, 5, 50);  // centred on the arena the view is everyone's: kept as it is
    turn(CameraCentre::CenterOfArena);
    EXPECT_EQ(camera.yaw, 5);
    handOver.forgetGame();
    turn(CameraCentre::CurrentTank);
    EXPECT_EQ(camera.yaw, 5) << "a new game forgets every view";
}

}  // namespace
