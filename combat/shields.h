// SPDX-License-Identifier: GPL-3.0-or-later
// Shields: their strength and opacity, switching one on, and the "Activate Shield" dialog's
// model (ShieldsDialog); shields.cpp has the bodies.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class GameWorld;
class Tank;

enum ShieldKind : std::int32_t {
    WeakShield = 0,
    MediumShield = 1,
    StrongShield = 2,
};
inline constexpr int shieldKindCount = 3;

// Full strength of a kind: 50, 75 or 100; 0.1 for an unknown kind, so drawing never
// divides by zero.
float shieldCapacity(std::int32_t kind);
// The bubble's opacity: half at full strength, fading as hits wear it down.
float shieldOpacity(const Tank& tank);
// How many shields of the kind the tank holds; 0 for an unknown kind.
std::int32_t shieldsHeld(const Tank& tank, std::int32_t kind);

// Switches on a shield of the kind if the tank holds one and none is on: uses one up and
// gives it full strength. Returns whether a shield was switched on.
bool activateShield(Tank& tank, std::int32_t kind);

// The "Activate Shield" dialog as a model: the view shows these fields and reports the
// user's clicks; OK applies the choice to the tank that was current when it opened.
class ShieldsDialog {
  public:
    static constexpr const char* title = "Activate Shield";
    static constexpr const char* checkBoxText = "Activate shield";
    static constexpr const char* creationFailedText = "Failed to create activate shield dialog";

    // Opens on the world's current tank; with no game yet everything is disabled.
    explicit ShieldsDialog(GameWorld& world);
    // Opens on the given tank, or on none.
    explicit ShieldsDialog(Tank* tank);

    Tank* tank() const { return tank_; }

    // "Weak Shield (2 left)" and so on, counted when the dialog opened.
    const std::string& choiceText(int kind) const;
    bool choiceEnabled(int kind) const;
    // The checked radio button's kind, or -1 when none is checked.
    int checkedChoice() const { return checkedChoice_; }
    bool activateChecked() const { return activateChecked_; }
    bool activateEnabled() const { return activateEnabled_; }

    // A click on the check box toggles it and lets the kinds held be chosen; clearing it
    // again leaves them selectable.
    void clickActivate();
    // A click on an enabled radio button checks it alone.
    void clickChoice(int kind);
    // OK: switches on the chosen shield if the box is checked. The dialog then closes.
    void pressOk();
    // When set, OK hands the chosen kind here instead of switching it on itself.
    std::function<void(int kind)> switchOn;
    // Cancel, Escape and the close box change nothing.
    void pressCancel() {}

  private:
    void enableChoices(bool enable);
    static bool validKind(int kind) { return kind >= 0 && kind < shieldKindCount; }

    Tank* tank_ = nullptr;
    std::array<std::string, shieldKindCount> choiceTexts_;
    std::array<bool, shieldKindCount> choiceEnabled_{};
    int checkedChoice_ = -1;
    bool activateChecked_ = false;
    bool activateEnabled_ = false;
};
