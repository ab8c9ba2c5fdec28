// SPDX-License-Identifier: GPL-3.0-or-later
// Bracketing: how a computer player misses on purpose at its level and closes in on a target
// volley by volley.
#pragma once

#include "game/geometry.h"
#include "game/roster.h"

#include <cstdint>
#include <map>
#include <utility>

class GameRandom;

// How far a volley is laid off the best aim: whole degrees of azimuth, and a fraction of
// the best power.
struct AimError {
    double azimuth = 0.0;
    double power = 0.0;
};

// A person's way of finding the range: the first volley at a target misses by a level's
// error; each next one is laid from where the last came down, to the other side of the
// target and nearer, until the shells fall on it. Kept per firing tank and target.
class Bracketing {
  public:
    // The error of the next volley of the shooter at the target.
    AimError nextError(std::int32_t shooter, std::int32_t target, PlayerControl level,
                       GameRandom& random);

    // Where the volley laid with the error came down, relative to the target: along the
    // line of fire (positive beyond) and across it (positive towards larger azimuth).
    void remember(std::int32_t shooter, std::int32_t target, const AimError& error, double along,
                  double across, bool hit);

    bool knows(std::int32_t shooter, std::int32_t target) const {
        return shots_.count({shooter, target}) != 0;
    }
    void forget() { shots_.clear(); }

  private:
    struct LastShot {
        AimError error;
        double along = 0.0;
        double across = 0.0;
        bool hit = false;
    };
    std::map<std::pair<std::int32_t, std::int32_t>, LastShot> shots_;
};
