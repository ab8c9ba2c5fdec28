// SPDX-License-Identifier: GPL-3.0-or-later
// The search for a drive onto the team's prize: straight legs and hull turns tried step by
// step by the game's own rules.
#include "mind/prize_route.h"

#include "game/collision.h"
#include "game/drive.h"
#include "game/prizes.h"
#include "game/world.h"
#include "mind/aim_steps.h"

#include <optional>

namespace {

constexpr int headings[] = {0, 90, 180, 270};

struct Route {
    Tank tank;
    std::vector<TankAction> actions;
    int steps = 0;
};

// Whether a team mate (not the tank itself) already overlaps the prize: it, not the
// tank, would be handed the prize.
bool prizeTakenByMate(const Team& team, const Prize& prize, const Tank& tank) {
    bool taken = false;
    forEachTank(team, [&](const Tank& t) {
        taken = taken || (t.serial != tank.serial && t.placed && !t.destroyed &&
                          boxesOverlap(t.box, prize.box));
    });
    return taken;
}

// One forward step; true when it ends on the prize (and the tank took it).
bool stepForward(const GameWorld& world, const Prize& prize, Route& route) {
    if (!stepWithinLimits(world, route.tank, Forward)) {
        return false;
    }
    route.actions.push_back(TankAction::DriveForward);
    ++route.steps;
    const bool onPrize = boxesOverlap(route.tank.box, prize.box);
    if (onPrize) {
        grantPrize(prize.kind, route.tank);
    }
    clampToArena(world, route.tank);
    return onPrize;
}

void keepShorter(std::optional<Route>& best, const Route& found) {
    if (!best || found.steps < best->steps ||
        (found.steps == best->steps && found.actions.size() < best->actions.size())) {
        best = found;
    }
}

}  // namespace

bool routeToPrize(const GameWorld& world, Tank& tank, std::vector<TankAction>& actions) {
    const Team& team = *world.currentTeam;
    const Prize* prize = team.prize.get();
    if (prize == nullptr || tank.mileage >= Tank::maxMileage ||
        prizeTakenByMate(team, *prize, tank)) {
        return false;
    }
    std::optional<Route> best;
    for (int first : headings) {
        Route leg{tank, {}, 0};
        stepHeadingTo(leg.tank, first, leg.actions);
        while (true) {
            for (int second : headings) {
                if (second % 180 == first % 180) {
                    continue;
                }
                Route turn = leg;
                stepHeadingTo(turn.tank, second, turn.actions);
                while (turn.tank.mileage < Tank::maxMileage) {
                    if (stepForward(world, *prize, turn)) {
                        keepShorter(best, turn);
                        break;
                    }
                }
            }
            if (leg.tank.mileage >= Tank::maxMileage) {
                break;
            }
            if (stepForward(world, *prize, leg)) {
                keepShorter(best, leg);
                break;
            }
        }
    }
    if (!best) {
        return false;
    }
    tank = best->tank;
    actions.insert(actions.end(), best->actions.begin(), best->actions.end());
    return true;
}
