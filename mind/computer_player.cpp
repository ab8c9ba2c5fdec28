// SPDX-License-Identifier: GPL-3.0-or-later
// A computer player's turn: shield on, drive to the prize, choose a target and an aim, lay
// the level's error, fire.
#include "mind/computer_player.h"

#include "combat/shields.h"
#include "game/world.h"
#include "mind/aim_search.h"
#include "mind/prize_route.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// Targets tried per turn: enough to look past one that cannot be reached, few enough
// that a turn is decided within a frame or two.
constexpr std::size_t targetsTried = 3;

std::int32_t strongestShield(const Tank& tank) {
    for (std::int32_t kind = StrongShield; kind >= WeakShield; --kind) {
        if (shieldsHeld(tank, kind) > 0) {
            return kind;
        }
    }
    return -1;
}

double distance(const Tank& a, const Tank& b) {
    return std::hypot(a.position.x - b.position.x, a.position.z - b.position.z);
}

}  // namespace

std::vector<const Tank*> ComputerMind::targetsFor(const GameWorld& world,
                                                  const Tank& shooter) const {
    std::vector<const Tank*> targets;
    const Team& enemy = world.currentTeam == &world.teamA ? world.teamB : world.teamA;
    forEachTank(enemy, [&](const Tank& t) {
        if (!t.destroyed && t.placed) {
            targets.push_back(&t);
        }
    });
    // One already bracketed first, then the unshielded, then the nearest.
    auto rank = [&](const Tank* t) {
        return std::make_tuple(!bracketing_.knows(shooter.serial, t->serial), t->shieldActive,
                               distance(shooter, *t));
    };
    std::sort(targets.begin(), targets.end(),
              [&](const Tank* a, const Tank* b) { return rank(a) < rank(b); });
    return targets;
}

TurnPlan ComputerMind::planTurn(const GameWorld& world) {
    TurnPlan plan;
    lastAimed_.reset();
    lastTarget_ = -1;
    const Player* player = world.currentPlayer();
    if (player == nullptr || player->currentTank == nullptr ||
        player->control == PlayerControl::Person) {
        return plan;
    }
    Tank tank = *player->currentTank;
    if (!tank.shieldActive) {
        plan.shieldKind = strongestShield(tank);
        if (plan.shieldKind >= 0) {
            activateShield(tank, plan.shieldKind);
        }
    }
    routeToPrize(world, tank, plan.actions);

    std::optional<AimChoice> best;
    const Tank* target = nullptr;
    const std::vector<const Tank*> targets = targetsFor(world, tank);
    for (std::size_t i = 0; i < targets.size() && i < targetsTried; ++i) {
        std::optional<AimChoice> choice = searchAim(world, tank, *targets[i]);
        if (choice && (!best || betterVolley(choice->outcome, best->outcome))) {
            best = choice;
            target = targets[i];
        }
        if (best && best->outcome.full()) {
            break;
        }
    }
    if (best) {
        Aim aim = best->aim;
        const AimError error =
            bracketing_.nextError(tank.serial, target->serial, player->control, random_);
        aim.turretAngle += static_cast<int>(std::lround(error.azimuth));
        aim.power =
            std::min(Tank::maxPower,
                     std::max(Tank::minPower, static_cast<float>(aim.power * (1.0 + error.power))));
        stepAimTo(tank, aim, plan.actions);
        lastTarget_ = target->serial;
        if (player->control != PlayerControl::ComputerHard) {
            // Where this volley will come down, to correct the next one from.
            const VolleyOutcome outcome = tryVolley(world, tank, *target);
            const Miss miss = missOf(outcome.end, *target, tank.heading + tank.turretAngle);
            bracketing_.remember(tank.serial, target->serial, error, miss.along, miss.across,
                                 outcome.onTarget > 0);
        }
    }
    lastAimed_ = tank;
    plan.actions.push_back(TankAction::Fire);
    return plan;
}

void ComputerMind::forgetGame() {
    bracketing_.forget();
}
