// SPDX-License-Identifier: GPL-3.0-or-later
// ControllersDialog's bodies: the game's people listed, and each slot's holder kept in range.
#include "game/controllers_dialog.h"

#include "game/world.h"

ControllersDialog::ControllersDialog(const GameWorld& world,
                                     const std::function<bool(const Player&)>& playsHere) {
    holders_.fill(-1);
    for (const Team* team : {&world.teamA, &world.teamB}) {
        for (const Player* p = team->firstPlayer; p != nullptr; p = p->next) {
            if (p->control == PlayerControl::Person && (!playsHere || playsHere(*p))) {
                people_.push_back({team->index, p->number, p->name});
            }
        }
    }
}

int ControllersDialog::holder(int slot) const {
    return slot >= 0 && slot < controllerSlots ? holders_[static_cast<std::size_t>(slot)] : -1;
}

void ControllersDialog::give(int slot, int person) {
    if (slot >= 0 && slot < controllerSlots && person >= -1 &&
        person < static_cast<int>(people_.size())) {
        holders_[static_cast<std::size_t>(slot)] = person;
    }
}

void ControllersDialog::giveTo(int slot, int team, int player) {
    int found = -1;
    for (std::size_t i = 0; i < people_.size(); ++i) {
        if (people_[i].team == team && people_[i].player == player) {
            found = static_cast<int>(i);
        }
    }
    give(slot, found);
}

std::string ControllersDialog::holderLabel(int person) const {
    if (person < 0 || person >= static_cast<int>(people_.size())) {
        return whoeverLabel;
    }
    return people_[static_cast<std::size_t>(person)].name;
}
