// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the game setup: a second machine builds the same game from it, it crosses the wire
// with names cleaned, and values the dialogs refuse are refused on reading and building.
#include "net/game_setup.h"

#include <gtest/gtest.h>

#include <functional>

#include "game/new_game.h"
#include "tests/net/net_games.h"

namespace {

Bytes encoded(const GameSetup& setup) {
    ByteWriter out;
    writeSetup(out, setup);
    return out.take();
}

// A game built at the dialogs as a person builds it, with the generator seeded first.
void buildByHand(GameWorld& world, GameHost& host, std::uint32_t seed) {
    world.random.seed(seed);
    NewGameFlow flow(world, host);
    flow.start();
    int playerDialogs = 0;
    while (flow.active()) {
        if (TeamDialog* d = flow.teamDialog()) {
            d->name = d->teamIndex == 0 ? "North" : "South";
            d->countText = d->teamIndex == 0 ? "2" : "3";
        } else if (PlayerDialog* d = flow.playerDialog()) {
            ++playerDialogs;
            d->name = "seat " + std::to_string(playerDialogs);
            d->countText = std::to_string(1 + playerDialogs % 4);
            d->check(camouflageButtonId(playerDialogs % 5));
            if (playerDialogs % 2 == 0) {
                d->playByComputer();
                d->chooseLevel(playerDialogs % 3);
            }
        } else {
            flow.arenaSizeDialog()->lengthText = "173";
        }
        ASSERT_NE(flow.pressOk(), NewGameFlow::OkResult::Rejected);
    }
}

TEST(GameSetup, ASecondMachineBuildsTheSameGameFromIt) {
    RecordingHost host;
    GameWorld first;
    buildByHand(first, host, 4242);
    const Bytes bytes = encoded(setupOf(first, 4242));
    ByteReader in(bytes);
    const GameSetup received = readSetup(in);
    ASSERT_TRUE(in.finished()) << in.ok() << " " << in.remaining() << " of " << bytes.size();

    // The second machine was in the middle of another game.
    GameWorld second;
    ASSERT_TRUE(buildGame(second, host, sampleSetup(8)));
    GameRandom choices(8);
    playScriptedTurn(second, host, choices);

    ASSERT_TRUE(buildGame(second, host, received));
    EXPECT_FALSE(second.setupInProgress);
    EXPECT_EQ(worldDigest(second), worldDigest(first));
    // Names and seats as well.
    EXPECT_EQ(snapshotOf(second), snapshotOf(first));
    EXPECT_EQ(second.teamB.firstPlayer->next->control, PlayerControl::ComputerNormal);
}

TEST(GameSetup, CrossesTheWireWithNamesCleanedAsTypedOnes) {
    GameSetup sent = sampleSetup(0xDEADBEEF);
    sent.teams[0].players[1].name = std::string("Bo\0b", 4);
    const Bytes bytes = encoded(sent);
    ByteReader in(bytes);
    const GameSetup got = readSetup(in);
    ASSERT_TRUE(in.finished());
    EXPECT_EQ(got.teams[0].players[1].name, "Bo");
    sent.teams[0].players[1].name = "Bo";
    EXPECT_EQ(encoded(got), encoded(sent));
    EXPECT_EQ(got.seed, 0xDEADBEEF);
}

TEST(GameSetup, WhatTheDialogsRefuseIsRefusedOnReadingAndBuilding) {
    struct Case {
        std::function<void(GameSetup&)> change;
        bool dialogSeesIt;  // a camouflage or seat out of range cannot be chosen at all
    };
    const Case cases[] = {
        {[](GameSetup& s) { s.teams[1].players.clear(); }, true},
        {[](GameSetup& s) { s.teams[1].players.resize(5, s.teams[1].players[0]); }, true},
        {[](GameSetup& s) { s.teams[0].players[0].tankCount = 0; }, true},
        {[](GameSetup& s) { s.teams[1].players[1].tankCount = 5; }, true},
        {[](GameSetup& s) { s.teams[1].players[2].name = ""; }, true},
        {[](GameSetup& s) { s.teams[0].name = std::string("\0Reds", 5); }, true},
        {[](GameSetup& s) { s.floorLength = 119; }, true},
        {[](GameSetup& s) { s.floorLength = 301; }, true},
        {[](GameSetup& s) { s.teams[0].players[0].camouflage = BlueCamouflage - 1; }, false},
        {[](GameSetup& s) { s.teams[0].players[0].camouflage = Forest2Camouflage + 1; }, false},
        {[](GameSetup& s) { s.teams[0].players[0].control = static_cast<PlayerControl>(4); },
         false},
        {[](GameSetup& s) { s.teams[0].players[0].control = static_cast<PlayerControl>(-1); },
         false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        GameSetup setup = sampleSetup(1);
        cases[i].change(setup);
        const Bytes bytes = encoded(setup);
        ByteReader in(bytes);
        readSetup(in);
        EXPECT_FALSE(in.ok()) << "case " << i;
        if (!cases[i].dialogSeesIt)
            continue;
        RecordingHost host;
        GameWorld world;
        EXPECT_FALSE(buildGame(world, host, setup)) << "case " << i;
        EXPECT_TRUE(world.setupInProgress) << "case " << i;
        EXPECT_EQ(host.messages.size(), 1u) << "case " << i;
    }
    // The writer cuts a name to fit, so a longer one can only come from elsewhere.
    const Bytes longName = withText(encoded(sampleSetup(1)), "Cy", std::string(nameCapacity, 'c'));
    ByteReader in(longName);
    readSetup(in);
    EXPECT_FALSE(in.ok());
}

TEST(GameSetup, ReadingIsSafeOnCutAndFlippedBytes) {
    const Bytes bytes = encoded(sampleSetup(77));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        ByteReader in(bytes.data(), length);
        readSetup(in);
        EXPECT_FALSE(in.ok()) << length;
    }
    RecordingHost host;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        Bytes flipped = bytes;
        flipped[i] ^= 0xFF;
        ByteReader in(flipped);
        const GameSetup setup = readSetup(in);
        // Whatever reads well builds.
        if (in.finished()) {
            GameWorld world;
            EXPECT_TRUE(buildGame(world, host, setup)) << i;
        }
    }
}

}  // namespace
