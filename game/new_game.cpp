// SPDX-License-Identifier: GPL-3.0-or-later
// NewGameFlow's steps from team A's dialog to the built game, the roster's creation, and
// endVolley.
#include "game/new_game.h"

#include "game/host.h"
#include "game/placement.h"
#include "game/prizes.h"
#include "game/shields_menu.h"
#include "game/turns.h"
#include "game/world.h"

#include <memory>
#include <new>

void endVolley(GameWorld& world, GameHost& host) {
    for (auto& slot : world.shells) {
        slot.reset();
    }
    world.shellsInFlight = 0;
    world.shotInProgress = false;
    host.setTankButtonsEnabled(true);
}

void createPlayers(GameWorld& world, Team& team, GameHost& host) {
    for (int k = 1; k <= team.playerCount; ++k) {
        std::unique_ptr<Player> player(new (std::nothrow) Player());
        if (player == nullptr) {
            host.showMessage("Ran out of memory (Random access memory).\nCan't create new Player.",
                             "error");
            return;
        }
        Player& added = team.appendPlayer(std::move(player));
        added.number = ++world.playerCounter;
    }
}

void useCamouflageLists(const TankListTable& lists, std::int32_t camouflage, Tank& tank) {
    const int slot = camouflageListSlot(camouflage);
    if (slot >= 0) {
        tank.hull.displayListId = lists.hullLists[slot];
        tank.deck.displayListId = lists.deckLists[slot];
        tank.turret.displayListId = lists.turretLists[slot];
    }
}

void createTanks(GameWorld& world, Player& player, GameHost& host) {
    for (int k = 1; k <= player.tankCount; ++k) {
        std::unique_ptr<Tank> tank(new (std::nothrow) Tank(world));
        if (tank == nullptr) {
            host.showMessage("Ran out of memory (Random access memory).\nCan't create new tank.",
                             "error");
            return;
        }
        tank->number = k;
        useCamouflageLists(world.tankLists, player.camouflage, *tank);
        for (int i = 0; i < tank->cannonCount; ++i) {
            tank->cannons[i].camouflage = player.camouflage;
        }
        player.appendTank(std::move(tank));
    }
}

NewGameFlow::NewGameFlow(GameWorld& world, GameHost& host) : world_(world), host_(host) {}

void NewGameFlow::start() {
    // A volley of the old game would otherwise land on the new roster.
    endVolley(world_, host_);
    world_.setupInProgress = true;
    world_.playerCounter = 0;
    world_.tankSerialCounter = 0;
    networkSeats_.clear();
    controllers_.clear();
    for (Team* team : {&world_.teamA, &world_.teamB}) {
        team->freePlayers();
        team->tankTotal = 0;
    }
    openTeamDialog(0);
}

void NewGameFlow::openTeamDialog(int teamIndex) {
    teamIndex_ = teamIndex;
    team_.emplace(teamIndex);
    step_ = Step::TeamDialog;
}

void NewGameFlow::openPlayerDialog(Player* player) {
    Team& team = teamIndex_ == 0 ? world_.teamA : world_.teamB;
    filling_ = player;
    if (player == nullptr) {
        team.countTanks();
        afterTeam();
        return;
    }
    team.currentPlayer = player;
    player_.emplace(team, *player);
    player_->networkOffered = networkOffered_;
    for (const ControllerChoice& taken : controllers_) {
        player_->controllerTakenBy[static_cast<std::size_t>(taken.slot)] = taken.name;
    }
    step_ = Step::PlayerDialog;
}

void NewGameFlow::afterTeam() {
    if (teamIndex_ == 0) {
        openTeamDialog(1);
    } else {
        arena_.emplace();
        step_ = Step::ArenaSizeDialog;
    }
}

NewGameFlow::OkResult NewGameFlow::pressOk() {
    Team& team = teamIndex_ == 0 ? world_.teamA : world_.teamB;
    switch (step_) {
        case Step::Idle:
            return OkResult::Rejected;
        case Step::TeamDialog:
            if (!team_->ok(team, host_)) {
                return OkResult::Rejected;
            }
            team.index = teamIndex_;
            world_.currentTeam = &team;
            createPlayers(world_, team, host_);
            openPlayerDialog(team.firstPlayer);
            return OkResult::Accepted;
        case Step::PlayerDialog:
            if (!player_->ok(*filling_, host_)) {
                return OkResult::Rejected;
            }
            networkSeats_.push_back(player_->byNetwork);
            if (const int slot = player_->controllerTaken(); slot >= 0) {
                controllers_.push_back({slot, teamIndex_, filling_->number, filling_->name});
            }
            createTanks(world_, *filling_, host_);
            filling_->currentTank = filling_->firstTank;
            openPlayerDialog(filling_->next);
            return OkResult::Accepted;
        case Step::ArenaSizeDialog:
            if (!arena_->ok(world_.arena, host_)) {
                return OkResult::Rejected;
            }
            build();
            return OkResult::GameBuilt;
    }
    return OkResult::Rejected;
}

void NewGameFlow::build() {
    step_ = Step::Idle;
    team_.reset();
    player_.reset();
    arena_.reset();
    filling_ = nullptr;

    builtFromSeed_ = world_.random.state();
    world_.arena.barrierHeight = static_cast<float>(world_.random.next() % 50);
    world_.arena.rebuild();

    world_.currentTeam = &world_.teamA;
    world_.teamA.currentPlayer = world_.teamA.firstPlayer;
    world_.teamB.currentPlayer = world_.teamB.firstPlayer;
    placeTeamTanks(world_, world_.teamA);
    placeTeamTanks(world_, world_.teamB);

    for (Team* team : {&world_.teamA, &world_.teamB}) {
        team->prize.reset(new (std::nothrow) Prize(world_.random));
    }
    for (Team* team : {&world_.teamA, &world_.teamB}) {
        if (team->prize != nullptr) {
            placePrize(world_, *team->prize, *team);
        }
    }
    startPrizeCountdown(world_);

    world_.setupInProgress = false;
    world_.firstGame = false;
    // The old game's current tank may have left the item enabled.
    updateShieldsMenuItem(world_, host_);
    host_.readoutsChanged();
}
