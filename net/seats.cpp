// SPDX-License-Identifier: GPL-3.0-or-later
// Counting seats through the two teams' player lists.
#include "net/seats.h"

#include "game/world.h"

namespace {

template <typename Fn>
void forEachSeat(const GameWorld& world, Fn&& fn) {
    int seat = 0;
    for (const Team* team : {&world.teamA, &world.teamB}) {
        for (Player* p = team->firstPlayer; p != nullptr; p = p->next) {
            if (fn(seat++, p)) {
                return;
            }
        }
    }
}

}  // namespace

int seatCount(const GameWorld& world) {
    int count = 0;
    forEachSeat(world, [&](int, Player*) { return ++count, false; });
    return count;
}

Player* seatPlayer(const GameWorld& world, int seat) {
    Player* found = nullptr;
    forEachSeat(world, [&](int s, Player* p) { return s == seat ? (found = p, true) : false; });
    return found;
}

int seatOf(const GameWorld& world, const Player* player) {
    int found = -1;
    forEachSeat(world, [&](int s, Player* p) { return p == player ? (found = s, true) : false; });
    return found;
}

int currentSeat(const GameWorld& world) {
    return world.currentTank() != nullptr ? seatOf(world, world.currentPlayer()) : -1;
}
