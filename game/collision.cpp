// SPDX-License-Identifier: GPL-3.0-or-later
// findBlockingTeamMate: the first live, placed team mate whose box overlaps a tank's.
#include "game/collision.h"

#include "game/roster.h"

Tank* findBlockingTeamMate(const Tank& tank, const Team& team) {
    Tank* found = nullptr;
    forEachTank(team, [&](Tank& other) {
        if (found == nullptr && other.serial != tank.serial && other.placed && !other.destroyed &&
            boxesOverlap(tank.box, other.box)) {
            found = &other;
        }
    });
    return found;
}
