// SPDX-License-Identifier: GPL-3.0-or-later
// GameSetup: what the new-game dialogs chose (teams, players, arena), read from a built world
// and built again on another machine; game_setup.cpp has the bodies.
#pragma once

#include "game/roster.h"
#include "net/wire.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class GameHost;
class GameWorld;

struct PlayerSetup {
    std::string name;
    std::int32_t tankCount = 1;
    std::int32_t camouflage = Forest2Camouflage;  // a camouflage id, not a list slot
    PlayerControl control = PlayerControl::Person;
};

struct TeamSetup {
    std::string name;
    std::vector<PlayerSetup> players;
};

struct GameSetup {
    std::array<TeamSetup, 2> teams;
    std::int32_t floorLength = 120;
    // The random generator's state just before the build: every machine builds the same
    // arena, tanks and prizes from it.
    std::uint32_t seed = 1;
};

// The setup a built world was made from; seed is the caller's.
GameSetup setupOf(const GameWorld& world, std::uint32_t seed);

// Builds a new game from the setup through the same dialogs a person fills in, so every
// value passes their checks. False, with the world left between games, when a dialog
// refuses a value; host receives the messages the dialogs give.
bool buildGame(GameWorld& world, GameHost& host, const GameSetup& setup);

void writeSetup(ByteWriter& out, const GameSetup& setup);
// Refuses (reader fails) counts, ids and lengths outside what the dialogs accept.
GameSetup readSetup(ByteReader& in);
