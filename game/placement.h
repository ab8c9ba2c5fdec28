#pragma once

class GameWorld;
class Tank;
class Team;

// One random position on the team's half: team A's x from 13 to 12 + m, team B's
// mirrored, z within the floor; the footprint becomes 12 x 12 around it.
void placeTankAtRandom(GameWorld& world, Tank& tank, int teamIndex);

// Places every tank of the team at random without overlapping a team mate. One budget of
// 5000 failed attempts serves the whole team; a tank that exhausts it stays unplaced.
void placeTeamTanks(GameWorld& world, Team& team);
