// SPDX-License-Identifier: GPL-3.0-or-later
// Seats: the players of a game numbered in roster order (team A's, then team B's), the way
// machines name them to each other, and the machine each one sits at.
#pragma once

#include "game/setup_dialogs.h"

#include <cstdint>

class GameWorld;
class Player;

inline constexpr int maxSeats = 2 * maxPlayersPerTeam;

// The machine a seat is played from: the host is 0, joined machines 1 and up.
using MachineId = std::uint8_t;
inline constexpr MachineId hostMachine = 0;
inline constexpr MachineId maxMachines = maxSeats;

int seatCount(const GameWorld& world);
// The seat's player, or null past the last seat.
Player* seatPlayer(const GameWorld& world, int seat);
// The player's seat, or -1 when it is not in the world's roster.
int seatOf(const GameWorld& world, const Player* player);
// The seat whose turn it is, or -1 with no game.
int currentSeat(const GameWorld& world);
