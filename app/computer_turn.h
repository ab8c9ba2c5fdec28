// SPDX-License-Identifier: GPL-3.0-or-later
// ComputerTurn: a computer player's planned turn played out move by move at a visible pace;
// computer_turn.cpp has the bodies.
#pragma once

#include "mind/computer_player.h"
#include "net/move.h"

#include <cstddef>
#include <functional>

class GameHost;
class GameWorld;
class Tank;

// Plays a computer player's turn through the same actions a person's keys make, paced so that
// the readouts, the turret and the cannon are seen moving: a moment to think (when the shield
// goes on), the moves spread over one to two and a half seconds, a moment on the aim, then
// the shot. The whole turn takes 2 to 3.5 s; a long plan takes several moves per frame.
// Time is the caller's clock, in seconds.
class ComputerTurn {
  public:
    using Planner = std::function<TurnPlan(const GameWorld&)>;

    static constexpr double thinkSeconds = 0.5;
    static constexpr double secondsPerMove = 0.06;
    static constexpr double shortestMoves = 1.0;
    static constexpr double longestMoves = 2.5;
    static constexpr double holdSeconds = 0.5;

    // Makes a move of the plan; a network game sends it to the other machines too.
    using Mover = std::function<void(const Move&, GameWorld&, GameHost&)>;

    explicit ComputerTurn(Planner planner, Mover mover = applyMove)
        : planner_(std::move(planner)), mover_(std::move(mover)) {}

    // The world's current tank belongs to a computer player: keys and buttons leave it alone.
    static bool playsCurrentTank(const GameWorld& world);

    // One pass of the loop. `ready`: a game is on and no new-game dialog is up; `paused`: a
    // modal dialog holds the game, and the turn's clock with it. Starts a turn when a computer
    // player's tank has the turn, no shell flies and the other team still has a tank.
    void update(double now, bool ready, bool paused, GameWorld& world, GameHost& host);

    // Ends a turn under way without another move (a new game, leaving the program).
    void stop(GameHost& host);

    bool active() const { return active_; }
    // Under way and not paused: the loop keeps drawing frames.
    bool acting() const { return active_ && !paused_; }

  private:
    void start(GameWorld& world, GameHost& host);
    double dueTime(std::size_t move) const;

    Planner planner_;
    Mover mover_;
    TurnPlan plan_;
    Tank* tank_ = nullptr;  // the tank whose turn is under way
    bool active_ = false;
    bool paused_ = false;
    bool shieldDone_ = false;
    std::size_t nextMove_ = 0;
    double elapsed_ = 0.0;
    double lastNow_ = 0.0;
    double moveSeconds_ = 0.0;
};
