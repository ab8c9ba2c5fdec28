// SPDX-License-Identifier: GPL-3.0-or-later
// VolleyOutcome: what a volley would do, tried in the world as it is, and how to rank and
// measure volleys.
#pragma once

#include "game/geometry.h"

class GameWorld;
class Tank;

// What a volley fired by the tank as it stands would do, shell by shell, in the world as it
// is now.
struct VolleyOutcome {
    int shells = 0;
    int onTarget = 0;   // shells whose first contact is the target or its shield
    int onFriends = 0;  // shells that would strike the shooter's team or its prize first
    Vec3 end{};         // where the shells end, on average
    bool clean() const { return onFriends == 0; }
    bool full() const { return clean() && shells > 0 && onTarget == shells; }
};

// Where a shell came down relative to the target, for a volley fired at the azimuth
// (heading plus turret, degrees): along the line of fire (positive beyond the target) and
// across it (positive towards larger azimuths).
struct Miss {
    double along = 0.0;
    double across = 0.0;
};
Miss missOf(const Vec3& end, const Tank& target, double azimuth);

// Whether a is the better volley: one that spares the shooter's team beats one that does
// not, then more shells on the target win.
bool betterVolley(const VolleyOutcome& a, const VolleyOutcome& b);

// The shooter is a copy of the world's current tank, aimed (and perhaps driven) as the
// plan will leave it; its team is the world's current team.
VolleyOutcome tryVolley(const GameWorld& world, const Tank& shooter, const Tank& target);
