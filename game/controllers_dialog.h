// SPDX-License-Identifier: GPL-3.0-or-later
// ControllersDialog: the model of the Options menu's list of controllers, whether each is plugged
// in and to whom it is given; controllers_dialog.cpp has the bodies.
#pragma once

#include "game/setup_dialogs.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class GameWorld;
class Player;

// A person a controller may be given to, by team index and player number, with the name shown.
struct PadHolder {
    int team = 0;
    int player = 0;
    std::string name;
};

// Controllers come and go during a game, so each slot may be given afresh here: to one of the
// game's people, or to whoever has the turn. The program fills in what it knows when it opens
// the dialog and whether each slot is plugged in while it is open; OK hands the holders back.
class ControllersDialog {
  public:
    static constexpr const char* title = "Controllers";
    static constexpr const char* whoeverLabel = "Whoever has the turn";
    static constexpr const char* connectedText = "connected";
    static constexpr const char* unpluggedText = "not connected";

    // The people of the world's game who play at this machine (`playsHere`, all when empty),
    // team A's first; computer players and people at other machines take no controller here.
    explicit ControllersDialog(const GameWorld& world,
                               const std::function<bool(const Player&)>& playsHere = {});

    const std::vector<PadHolder>& people() const { return people_; }
    // Who holds the slot: an index into people(), or -1 for whoever has the turn.
    int holder(int slot) const;
    // Gives the slot to people()[person], or with -1 to whoever has the turn; a slot or person
    // out of range changes nothing.
    void give(int slot, int person);
    // The same by team and number; someone not among the people leaves it to whoever.
    void giveTo(int slot, int team, int player);
    // What the choice of `person` (or -1) reads.
    std::string holderLabel(int person) const;

    std::array<bool, controllerSlots> connected{};

  private:
    std::vector<PadHolder> people_;
    std::array<int, controllerSlots> holders_;
};
