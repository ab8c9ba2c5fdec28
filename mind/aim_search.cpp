// SPDX-License-Identifier: GPL-3.0-or-later
// The aim search: elevations from the middle outwards, power by bisection on where the shell
// ends, the bearing to the target.
#include "mind/aim_search.h"

#include "combat/trial_shot.h"
#include "game/angles.h"
#include "game/world.h"

#include <cmath>

namespace {

constexpr int bisections = 12;

// Middle elevations first: they clear the barrier and team mates with the least power.
constexpr int elevationOrder[] = {-45, -38, -52, -31, -59, -24, -66, -17, -73, -10, -80, -4};

int wrapDegrees(long degrees) {
    return static_cast<int>(((degrees % 360) + 360) % 360);
}

struct Probe {
    const GameWorld& world;
    const Tank& target;
    Tank tank;  // fires one shell from the turret's centre line
    double bearing;

    // The power whose shell comes down on the target at this elevation, if full power reaches.
    std::optional<float> power(int elevation) {
        tank.elevation = elevation;
        float low = Tank::minPower;
        float high = Tank::maxPower;
        if (shoot(high) < 0.0) {
            return std::nullopt;
        }
        for (int i = 0; i < bisections; ++i) {
            const float mid = 0.5f * (low + high);
            const double error = shoot(mid);
            if (std::isnan(error)) {
                return mid;
            }
            (error < 0.0 ? low : high) = mid;
        }
        return 0.5f * (low + high);
    }

    // The range error of one shell at the power; NaN when it meets the target.
    double shoot(float power) {
        tank.power = power;
        const ShellFate fate = traceShell(world, tank, 0);
        if (fate.target.tankHit.tank != nullptr &&
            fate.target.tankHit.tank->serial == target.serial) {
            return std::nan("");
        }
        return missOf(fate.end, target, bearing).along;
    }
};

// The horizontal bearing from one tank to another, as heading plus turret.
double bearingDegrees(const Tank& from, const Tank& to) {
    const double dx = to.position.x - from.position.x;
    const double dz = to.position.z - from.position.z;
    return std::atan2(dz, -dx) / radiansPerDegree;
}

}  // namespace

std::optional<AimChoice> searchAim(const GameWorld& world, const Tank& shooter,
                                   const Tank& target) {
    const double bearing = bearingDegrees(shooter, target);
    const long azimuth = std::lround(bearing);
    const int turret = wrapDegrees(azimuth - shooter.heading);

    Probe probe{world, target, shooter, static_cast<double>(azimuth)};
    probe.tank.turretAngle = turret;
    probe.tank.cannons[0].lateralOffset = 0.0f;

    std::optional<AimChoice> best;
    std::vector<TankAction> scratch;
    for (int elevation : elevationOrder) {
        const std::optional<float> power = probe.power(elevation);
        if (!power) {
            continue;
        }
        // The reachable powers nearest the found one, outwards.
        for (float offset : {0.0f, 0.1f, -0.1f, 0.2f, -0.2f, 0.3f, -0.3f}) {
            AimChoice choice{Aim{turret, elevation, *power + offset}, shooter, {}};
            scratch.clear();
            stepAimTo(choice.aimed, choice.aim, scratch);
            choice.outcome = tryVolley(world, choice.aimed, target);
            if (!best || betterVolley(choice.outcome, best->outcome)) {
                best = choice;
            }
            if (choice.outcome.full()) {
                return best;
            }
            if (choice.outcome.onTarget == 0 && offset == 0.0f) {
                break;  // not near enough for small changes to help
            }
        }
    }
    return best;
}
