// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the network tests: a sample setup, snapshots as bytes, scripted turns that two
// machines can play alike, and splicing a text field in encoded bytes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "combat/shell_loop.h"
#include "combat/shields.h"
#include "combat/tank_actions.h"
#include "game/world.h"
#include "net/game_setup.h"
#include "net/world_snapshot.h"
#include "tests/core/recording_host.h"

// Two teams of different sizes, every camouflage but one, a person and each computer level.
inline GameSetup sampleSetup(std::uint32_t seed) {
    GameSetup setup;
    setup.teams[0] = {"Reds",
                      {{"Ann", 2, CityCamouflage, PlayerControl::Person},
                       {"Bo", 1, FallCamouflage, PlayerControl::ComputerHard}}};
    setup.teams[1] = {"Blues",
                      {{"Cy", 3, BlueCamouflage, PlayerControl::ComputerEasy},
                       {"Di", 1, ForestCamouflage, PlayerControl::ComputerNormal},
                       {"Ed", 2, ForestCamouflage, PlayerControl::Person}}};
    setup.floorLength = 200;
    setup.seed = seed;
    return setup;
}

inline Bytes snapshotOf(const GameWorld& world) {
    ByteWriter out;
    writeWorld(out, world);
    return out.take();
}

inline bool readBytes(const Bytes& bytes, GameWorld& world) {
    ByteReader in(bytes);
    return readWorld(in, world);
}

// One turn of scripted play on the current tank: a few drives, turns, aims and maybe a
// shield, then the volley to its end. The same choices on equal worlds keep them equal.
inline void playScriptedTurn(GameWorld& world, GameHost& host, GameRandom& choices) {
    constexpr TankAction moves[] = {TankAction::DriveForward,
                                    TankAction::DriveBackward,
                                    TankAction::TurnClockwise,
                                    TankAction::TurretClockwise,
                                    TankAction::RaiseCannon,
                                    TankAction::LowerCannon,
                                    TankAction::PowerUp,
                                    TankAction::PowerDownFine,
                                    TankAction::TurnCounterClockwise,
                                    TankAction::TurretCounterClockwise};
    for (int n = choices.next() % 40; n > 0; --n)
        applyTankAction(moves[choices.next() % std::size(moves)], world, host);
    if (choices.next() % 3 == 0 && world.currentTank() != nullptr)
        activateShield(*world.currentTank(), choices.next() % shieldKindCount);
    applyTankAction(TankAction::Fire, world, host);
    for (int frames = 0; world.shellsInFlight > 0 && frames < 100000; ++frames)
        updateShells(world, host);
}

// The bytes with the length-prefixed text `from` (its first occurrence) replaced by `to`.
inline Bytes withText(Bytes bytes, const std::string& from, const std::string& to) {
    Bytes needle = {static_cast<std::uint8_t>(from.size()), 0};
    needle.insert(needle.end(), from.begin(), from.end());
    auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
    EXPECT_NE(at, bytes.end()) << from;
    if (at == bytes.end())
        return bytes;
    at = bytes.erase(at, at + static_cast<std::ptrdiff_t>(needle.size()));
    Bytes replacement = {static_cast<std::uint8_t>(to.size()),
                         static_cast<std::uint8_t>(to.size() >> 8)};
    replacement.insert(replacement.end(), to.begin(), to.end());
    bytes.insert(at, replacement.begin(), replacement.end());
    return bytes;
}
