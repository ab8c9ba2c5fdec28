// SPDX-License-Identifier: GPL-3.0-or-later
// Box overlap, the game's one collision test, and the search for a team mate in a tank's way.
#pragma once

#include "game/geometry.h"

class Tank;
class Team;

// The one overlap test of the game: the closed intervals of a and b share a point on
// each of x, y and z. Boxes that only touch overlap.
inline bool boxesOverlap(const Box& a, const Box& b) {
    return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax &&
           a.zmin <= b.zmax && b.zmin <= a.zmax;
}

// The first placed, live tank of the team (roster order), other than the tank itself
// (by serial), whose box overlaps the tank's box.
Tank* findBlockingTeamMate(const Tank& tank, const Team& team);
