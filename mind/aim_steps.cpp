// SPDX-License-Identifier: GPL-3.0-or-later
// The fewest key presses to an aim: turret the short way round, elevation, whole and tenth
// power steps; hull quarter turns.
#include "mind/aim_steps.h"

#include "game/aim.h"
#include "game/drive.h"
#include "game/tank.h"

#include <cmath>
#include <cstdlib>

namespace {

int wrapDegrees(int degrees) {
    return ((degrees % 360) + 360) % 360;
}

}  // namespace

void stepAimTo(Tank& tank, const Aim& aim, std::vector<TankAction>& actions) {
    const int turn = wrapDegrees(aim.turretAngle - tank.turretAngle);
    const bool counterClockwise = turn <= 180;
    for (int i = counterClockwise ? turn : 360 - turn; i > 0; --i) {
        turnCannon(tank, counterClockwise ? 1 : -1);
        actions.push_back(counterClockwise ? TankAction::TurretCounterClockwise
                                           : TankAction::TurretClockwise);
    }
    while (tank.elevation != aim.elevation) {
        const bool raise = aim.elevation < tank.elevation;
        const int before = tank.elevation;
        changeElevation(tank, raise ? -1 : 1);
        if (tank.elevation == before) {
            break;  // an aim beyond the cannon's travel stops at its end
        }
        actions.push_back(raise ? TankAction::RaiseCannon : TankAction::LowerCannon);
    }
    // Tenths, split so that no more than five fine steps follow the whole ones.
    const long tenths = std::lround((aim.power - tank.power) * 10.0);
    const long wholes = std::lround(static_cast<double>(tenths) / 10.0);
    for (long i = std::labs(wholes); i > 0; --i) {
        changePower(tank, wholes > 0 ? 1.0f : -1.0f);
        actions.push_back(wholes > 0 ? TankAction::PowerUp : TankAction::PowerDown);
    }
    const long fine = tenths - 10 * wholes;
    for (long i = std::labs(fine); i > 0; --i) {
        changePower(tank, fine > 0 ? 0.1f : -0.1f);
        actions.push_back(fine > 0 ? TankAction::PowerUpFine : TankAction::PowerDownFine);
    }
    // A whole step clamped at full power leaves the tenths short; make them up.
    for (int i = 0; i < 10 && std::fabs(aim.power - tank.power) > 0.051f; ++i) {
        const bool up = aim.power > tank.power;
        changePower(tank, up ? 0.1f : -0.1f);
        actions.push_back(up ? TankAction::PowerUpFine : TankAction::PowerDownFine);
    }
}

void stepHeadingTo(Tank& tank, std::int32_t heading, std::vector<TankAction>& actions) {
    const int turn = wrapDegrees(heading - tank.heading);
    if (turn == 270) {
        turnClockwise(tank);
        actions.push_back(TankAction::TurnClockwise);
        return;
    }
    for (int i = turn / 90; i > 0; --i) {
        turnCounterClockwise(tank);
        actions.push_back(TankAction::TurnCounterClockwise);
    }
}
