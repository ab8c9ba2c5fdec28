// SPDX-License-Identifier: GPL-3.0-or-later
// Starting, pacing, pausing and ending a computer player's turn, down to its shot.
#include "app/computer_turn.h"

#include "game/host.h"
#include "game/world.h"

#include <algorithm>

namespace {

// A loop that stalled (a dragged window, a slow machine) slows the turn down rather than
// jumping to its end.
constexpr double longestStep = 0.25;

bool hasLiveTank(const Team& team) {
    bool live = false;
    forEachTank(team, [&live](const Tank& t) { live = live || !t.destroyed; });
    return live;
}

}  // namespace

bool ComputerTurn::playsCurrentTank(const GameWorld& world) {
    const Player* player = world.currentPlayer();
    return player != nullptr && player->currentTank != nullptr &&
           player->control != PlayerControl::Person;
}

void ComputerTurn::update(double now, bool ready, bool paused, GameWorld& world, GameHost& host) {
    const double step = std::clamp(now - lastNow_, 0.0, longestStep);
    lastNow_ = now;
    paused_ = paused;
    if (!ready || (active_ && world.currentTank() != tank_)) {
        stop(host);
        return;
    }
    if (!active_) {
        if (!paused) {
            start(world, host);
        }
        return;
    }
    if (paused) {
        return;
    }
    elapsed_ += step;
    if (!shieldDone_ && elapsed_ >= thinkSeconds) {
        shieldDone_ = true;
        if (plan_.shieldKind >= 0) {
            mover_(Move::shield(plan_.shieldKind), world, host);
            host.readoutsChanged();
        }
    }
    while (active_ && nextMove_ < plan_.actions.size() && elapsed_ >= dueTime(nextMove_)) {
        const TankAction action = plan_.actions[nextMove_++];
        if (action == TankAction::Fire) {
            // The shot takes the buttons over; one that cannot start leaves them to the person.
            active_ = false;
            host.setTankButtonsEnabled(true);
        }
        mover_(Move::tank(action), world, host);
    }
}

void ComputerTurn::start(GameWorld& world, GameHost& host) {
    Tank* tank = world.currentTank();
    if (world.shotInProgress || !playsCurrentTank(world) || tank->destroyed ||
        !hasLiveTank(world.otherTeam(*world.currentTeam))) {
        return;
    }
    plan_ = planner_(world);
    // The turn ends with its shot, whatever the plan holds after it or lacks.
    const auto fire = std::find(plan_.actions.begin(), plan_.actions.end(), TankAction::Fire);
    if (fire != plan_.actions.end()) {
        plan_.actions.erase(fire + 1, plan_.actions.end());
    } else {
        plan_.actions.push_back(TankAction::Fire);
    }
    const double moves = static_cast<double>(plan_.actions.size() - 1);
    moveSeconds_ = std::clamp(moves * secondsPerMove, shortestMoves, longestMoves);
    tank_ = tank;
    active_ = true;
    shieldDone_ = false;
    nextMove_ = 0;
    elapsed_ = 0.0;
    host.setTankButtonsEnabled(false);
    // Shields are the computer's to choose: the menu item waits for a person's turn.
    host.setShieldsMenuEnabled(false);
}

double ComputerTurn::dueTime(std::size_t move) const {
    const std::size_t moves = plan_.actions.size() - 1;
    if (move >= moves) {
        return thinkSeconds + moveSeconds_ + holdSeconds;
    }
    return thinkSeconds + moveSeconds_ * static_cast<double>(move + 1) / static_cast<double>(moves);
}

void ComputerTurn::stop(GameHost& host) {
    if (!active_) {
        return;
    }
    active_ = false;
    plan_ = TurnPlan{};
    tank_ = nullptr;
    host.setTankButtonsEnabled(true);
}
