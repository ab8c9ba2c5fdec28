// SPDX-License-Identifier: GPL-3.0-or-later
// Shield capacities, counts and activation, and ShieldsDialog's choices, check box and OK.
#include "combat/shields.h"

#include "game/world.h"

#include <cstdio>

namespace {

constexpr std::array<float, shieldKindCount> capacities = {50.0f, 75.0f, 100.0f};
constexpr std::array<const char*, shieldKindCount> choiceFormats = {
    "Weak Shield (%d left)", "Medium Strength Shield (%d left)", "Strong Shield (%d left)"};

// The count of held shields of the kind, for a const or a mutable tank; null for an unknown kind.
template <typename TankRef>
auto heldCount(TankRef& tank, std::int32_t kind) -> decltype(&tank.weakShields) {
    switch (kind) {
        case WeakShield:
            return &tank.weakShields;
        case MediumShield:
            return &tank.mediumShields;
        case StrongShield:
            return &tank.strongShields;
        default:
            return nullptr;
    }
}

}  // namespace

float shieldCapacity(std::int32_t kind) {
    return kind >= 0 && kind < shieldKindCount ? capacities[kind] : 0.1f;
}

float shieldOpacity(const Tank& tank) {
    return tank.shieldStrength * 0.5f / shieldCapacity(tank.shieldKind);
}

std::int32_t shieldsHeld(const Tank& tank, std::int32_t kind) {
    const std::int32_t* count = heldCount(tank, kind);
    return count != nullptr ? *count : 0;
}

bool activateShield(Tank& tank, std::int32_t kind) {
    std::int32_t* count = heldCount(tank, kind);
    if (tank.shieldActive || count == nullptr || *count <= 0) {
        return false;
    }
    tank.shieldActive = true;
    --*count;
    tank.shieldKind = kind;
    tank.shieldStrength = capacities[kind];
    return true;
}

ShieldsDialog::ShieldsDialog(GameWorld& world) : ShieldsDialog(world.currentTank()) {}

ShieldsDialog::ShieldsDialog(Tank* tank) : tank_(tank) {
    for (int kind = 0; kind < shieldKindCount; ++kind) {
        char text[64];
        std::snprintf(text, sizeof text, choiceFormats[kind],
                      tank_ != nullptr ? shieldsHeld(*tank_, kind) : 0);
        choiceTexts_[kind] = text;
    }
    if (tank_ == nullptr) {
        return;
    }
    if (tank_->shieldActive) {
        // Only shows what is on: OK changes nothing.
        activateChecked_ = true;
        activateEnabled_ = false;
        checkedChoice_ = validKind(tank_->shieldKind) ? tank_->shieldKind : -1;
    } else {
        activateEnabled_ = true;
        if (tank_->weakShields != 0) {
            checkedChoice_ = WeakShield;
        } else if (tank_->mediumShields == 0 && tank_->strongShields == 0) {
            activateEnabled_ = false;
        } else if (tank_->mediumShields != 0) {
            checkedChoice_ = MediumShield;
        } else {
            checkedChoice_ = StrongShield;
        }
        activateChecked_ = false;
    }
    enableChoices(false);
}

const std::string& ShieldsDialog::choiceText(int kind) const {
    static const std::string none;
    return validKind(kind) ? choiceTexts_[kind] : none;
}

bool ShieldsDialog::choiceEnabled(int kind) const {
    return validKind(kind) && choiceEnabled_[kind];
}

void ShieldsDialog::enableChoices(bool enable) {
    for (int kind = 0; kind < shieldKindCount; ++kind) {
        choiceEnabled_[kind] = enable && tank_ != nullptr && shieldsHeld(*tank_, kind) != 0;
    }
}

void ShieldsDialog::clickActivate() {
    if (!activateEnabled_) {
        return;
    }
    activateChecked_ = !activateChecked_;
    enableChoices(true);
}

void ShieldsDialog::clickChoice(int kind) {
    if (choiceEnabled(kind)) {
        checkedChoice_ = kind;
    }
}

void ShieldsDialog::pressOk() {
    if (tank_ == nullptr || !activateChecked_ || !activateEnabled_ || checkedChoice_ < 0) {
        return;
    }
    if (switchOn) {
        switchOn(checkedChoice_);
        return;
    }
    activateShield(*tank_, checkedChoice_);
}
