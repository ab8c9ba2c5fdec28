// SPDX-License-Identifier: GPL-3.0-or-later
// Hit tests of shells against tanks, shields and prizes; hits.cpp has the bodies.
#pragma once

#include "game/geometry.h"

#include <cstdint>

struct Shell;
class Tank;
class Team;
class Prize;

enum HitResult : std::int32_t {
    TankDestroyed = 0,
    ShieldHit = 1,
    PrizeHit = 2,
    NoHit = 3,
};

inline constexpr float shieldWearPerHit = 25.0f;

// Straight-line distance; the horizontal part is rounded to single precision first.
double distanceBetween(const Vec3& a, const Vec3& b);
bool spheresIntersect(const Vec3& centreA, double radiusA, const Vec3& centreB, double radiusB);

// The first of the team's live tanks, in roster order, that the shell meets (its
// switched-on shield or else its box), and whether that is a ShieldHit or TankDestroyed;
// changes nothing, so a computer player can try shots.
struct TeamHit {
    HitResult result = NoHit;
    Tank* tank = nullptr;
};
TeamHit findTeamHit(const Shell& shell, const Team& team);
// What the hit does to the tank met: a switched-on shield absorbs the shell and may
// switch off; otherwise the tank is destroyed. Returns the hit's result.
HitResult applyTeamHit(const TeamHit& hit);

// Tests the shell against the team's live tanks in roster order and changes the first one
// it meets: a switched-on shield absorbs the shell (and may switch off), otherwise the tank
// is destroyed. A shielded tank is tested by its bubble only, never by its box.
HitResult testTeamHit(const Shell& shell, Team& team);
// PrizeHit when the shell's box meets the prize's; changes nothing.
HitResult testPrizeHit(const Shell& shell, const Prize& prize);
