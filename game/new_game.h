// SPDX-License-Identifier: GPL-3.0-or-later
// The "New Game" sequence (NewGameFlow): team, player and arena size dialogs, then the build;
// new_game.cpp has the bodies.
#pragma once

#include "game/setup_dialogs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class GameHost;
class GameWorld;
class Player;
class Tank;
struct TankListTable;

// A controller a person took in the player dialog: its slot, and the player by team index and
// number.
struct ControllerChoice {
    int slot = -1;
    int team = 0;
    int player = 0;
    std::string name;
};

// The "New Game" sequence as a state machine: team A's dialog, a dialog for each of
// team A's players, the same for team B, the arena size, then the build (walls, tanks
// placed at random, prizes, countdown). The program shows whichever dialog is pending
// and forwards its "OK" here.
class NewGameFlow {
  public:
    enum class Step { Idle, TeamDialog, PlayerDialog, ArenaSizeDialog };

    enum class OkResult {
        Rejected,   // a message was shown; the same dialog stays open
        Accepted,   // the next dialog is pending
        GameBuilt,  // the new game is ready: reset the camera, enable the game menu items
    };

    NewGameFlow(GameWorld& world, GameHost& host);

    // Ends anything left of the old game (its volley included), frees the old roster and
    // opens team A's dialog. Calling it during a flow starts over.
    void start();

    // Offers "Network player" in the player dialogs of the flows started from now on.
    void offerNetworkSeats(bool offer) { networkOffered_ = offer; }
    // After a build: which seats (team A's players, then team B's) wait for network players,
    // and the random generator's state the build started from.
    const std::vector<bool>& networkSeats() const { return networkSeats_; }
    std::uint32_t builtFromSeed() const { return builtFromSeed_; }
    // The controllers the players of this flow took, in the order they took them.
    const std::vector<ControllerChoice>& controllerChoices() const { return controllers_; }

    Step pending() const { return step_; }
    bool active() const { return step_ != Step::Idle; }
    // The pending dialog of each kind, or null when another (or none) is pending.
    TeamDialog* teamDialog() { return step_ == Step::TeamDialog ? &*team_ : nullptr; }
    PlayerDialog* playerDialog() { return step_ == Step::PlayerDialog ? &*player_ : nullptr; }
    ArenaSizeDialog* arenaSizeDialog() {
        return step_ == Step::ArenaSizeDialog ? &*arena_ : nullptr;
    }

    // "OK" on the pending dialog.
    OkResult pressOk();

  private:
    void openTeamDialog(int teamIndex);
    // Opens the dialog of the team's next player still to be filled, or, past the last,
    // counts the team's tanks and goes on.
    void openPlayerDialog(Player* player);
    void afterTeam();
    void build();

    GameWorld& world_;
    GameHost& host_;
    Step step_ = Step::Idle;
    int teamIndex_ = 0;
    Player* filling_ = nullptr;
    std::optional<TeamDialog> team_;
    std::optional<PlayerDialog> player_;
    std::optional<ArenaSizeDialog> arena_;
    bool networkOffered_ = false;
    std::vector<bool> networkSeats_;
    std::vector<ControllerChoice> controllers_;
    std::uint32_t builtFromSeed_ = 0;
};

// Builds the roster's players and tanks; out of memory stops with a message and keeps
// what was made.
void createPlayers(GameWorld& world, Team& team, GameHost& host);
void createTanks(GameWorld& world, Player& player, GameHost& host);
// Gives the tank the hull, deck and turret display lists of the camouflage; an unknown id
// leaves them as they are.
void useCamouflageLists(const TankListTable& lists, std::int32_t camouflage, Tank& tank);

// Removes every shell in flight and ends the shot, so nothing of an old volley lands in
// a new game.
void endVolley(GameWorld& world, GameHost& host);
