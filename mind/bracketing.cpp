// SPDX-License-Identifier: GPL-3.0-or-later
// The errors of each level's volleys, and the next error laid from where the last came down.
#include "mind/bracketing.h"

#include "game/random.h"

#include <cmath>

namespace {

struct Skill {
    double azimuth;   // the first volley's azimuth error, up to this many degrees
    double powerLow;  // and its power error, between these fractions, long or short
    double powerHigh;
    double narrowing;  // how much of the last error the next one keeps
    double jitter;     // a hand's unsteadiness on every volley, as a fraction of power
};

Skill skillOf(PlayerControl level) {
    if (level == PlayerControl::ComputerEasy) {
        return {6.0, 0.12, 0.25, 0.7, 0.01};
    }
    return {3.0, 0.06, 0.12, 0.45, 0.005};
}

// Uniform in -1..1.
double draw(GameRandom& random) {
    return 2.0 * random.next() / GameRandom::maxValue - 1.0;
}

// The magnitude kept, laid to the side opposite where the last volley fell.
double correct(double last, double fell, double narrowing) {
    const double side = fell > 0.0 ? -1.0 : 1.0;
    return side * std::fabs(last) * narrowing;
}

}  // namespace

AimError Bracketing::nextError(std::int32_t shooter, std::int32_t target, PlayerControl level,
                               GameRandom& random) {
    if (level == PlayerControl::ComputerHard || level == PlayerControl::Person) {
        return {};
    }
    const Skill skill = skillOf(level);
    AimError error;
    const auto last = shots_.find({shooter, target});
    if (last == shots_.end()) {
        error.azimuth = skill.azimuth * draw(random);
        const double size =
            skill.powerLow + (skill.powerHigh - skill.powerLow) * (draw(random) + 1) / 2;
        error.power = draw(random) < 0.0 ? -size : size;
    } else if (last->second.hit) {
        error.azimuth = last->second.error.azimuth * skill.narrowing;
        error.power = last->second.error.power * skill.narrowing;
    } else {
        const LastShot& shot = last->second;
        error.azimuth = correct(shot.error.azimuth, shot.across, skill.narrowing);
        error.power = correct(shot.error.power, shot.along, skill.narrowing);
    }
    error.power += skill.jitter * draw(random);
    return error;
}

void Bracketing::remember(std::int32_t shooter, std::int32_t target, const AimError& error,
                          double along, double across, bool hit) {
    shots_[{shooter, target}] = LastShot{error, along, across, hit};
}
