// SPDX-License-Identifier: GPL-3.0-or-later
// Random places on a team's half: tanks (placeTeamTanks, without overlaps) and any square
// footprint; placement.cpp has the bodies.
#pragma once

class GameRandom;
class GameWorld;
class Tank;
class Team;

// A random centre on the team's half for a square footprint of the given half size: x runs
// from the divider's face outwards, z anywhere the footprint stays on the floor. Tanks and
// prizes draw their places this way, three draws each.
struct FloorSpot {
    float x;
    float z;
};
FloorSpot randomSpotOnHalf(GameRandom& random, float halfSide, float footprintHalf, int teamIndex);

// One random position on the team's half: team A's x from 13 to 12 + m, team B's
// mirrored, z within the floor; the footprint becomes 12 x 12 around it.
void placeTankAtRandom(GameWorld& world, Tank& tank, int teamIndex);

// Places every tank of the team at random without overlapping a team mate. One budget of
// 5000 failed attempts serves the whole team; a tank that exhausts it stays unplaced.
void placeTeamTanks(GameWorld& world, Team& team);
