// SPDX-License-Identifier: GPL-3.0-or-later
// PadInput: one game controller's buttons and sticks turned into tank actions that repeat while
// held, and padMayAct, which says whose tanks a controller moves; pad_input.cpp has the bodies.
#pragma once

#include "combat/tank_actions.h"
#include "ui/keys.h"
#include "ui/pad_nav.h"

#include <array>
#include <optional>
#include <vector>

// The controls of a standard gamepad the game uses, named by their place on the pad.
enum class PadButton {
    A,  // the bottom face button
    B,  // the right face button
    Start,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    LeftShoulder,
    RightShoulder,
    Count,
};

enum class PadAxis { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger, Count };

// A controller's state fed as it changes, read as the actions due at a time on the caller's
// clock (seconds). A press acts at once, even when released before anyone reads it; held, the
// action repeats every `repeatSeconds` from `firstRepeatSeconds` on. Power moves in fine steps,
// whole ones once held for `fastPowerSeconds`. A stick counts past the dead zone only, so a
// resting stick that drifts does nothing. Fire acts once per press.
class PadInput {
  public:
    static constexpr double firstRepeatSeconds = 0.3;
    static constexpr double repeatSeconds = 0.1;
    static constexpr double fastPowerSeconds = 1.5;
    static constexpr int deadZone = 12000;  // of SDL's ±32767
    // A late frame catches up on at most this many repeats, so a stall is no burst.
    static constexpr int mostRepeatsAtOnce = 3;

    void button(PadButton which, bool down, double now);
    // `value` as SDL gives it: -32768..32767, sticks negative up and left, triggers 0..32767.
    void axis(PadAxis which, int value, double now);
    // Everything let go (the controller went away or its events were lost).
    void releaseAll();

    // The actions due up to `now`, in order; the caller applies or, with the game's input
    // closed, drops them, so nothing waits to burst out later.
    std::vector<TankAction> take(double now);
    // Something that acts while held is held: the caller keeps frames coming.
    bool held() const;

  private:
    enum Hold {
        Forward,
        Backward,
        HullLeft,
        HullRight,
        Raise,
        Lower,
        TurretLeft,
        TurretRight,
        PowerUp,
        PowerDown,
        HoldCount
    };
    struct Repeat {
        bool held = false;
        double since = 0.0;
        double next = 0.0;
    };
    void refresh(double now);
    bool wanted(Hold hold) const;
    TankAction actionOf(Hold hold, double heldFor) const;

    std::array<bool, static_cast<int>(PadButton::Count)> buttons_{};
    std::array<int, static_cast<int>(PadAxis::Count)> axes_{};
    std::array<Repeat, HoldCount> repeats_{};
    std::vector<TankAction> pending_;
};

// Which player a controller is given to: none acts for whoever holds the turn, as the keyboard
// does; a given one only on its own player's turn. Players are told apart by team and number.
struct PadOwner {
    int team = 0;
    int player = 0;
    bool operator==(const PadOwner& other) const {
        return team == other.team && player == other.player;
    }
};

// Whether a controller with `owner` may move the tank of the player holding the turn (none
// when no one does).
bool padMayAct(const std::optional<PadOwner>& owner, const std::optional<PadOwner>& turn);

// The menu keyboard's key a button stands for: Start is F10 (opens the menu bar, or closes it);
// with the menu open the d-pad is the arrows, A chooses and B closes. None otherwise.
std::optional<Key> padMenuKey(PadButton button, bool menuOpen);

// What a button does in a dialog: the d-pad and A walk it, B cancels, Start presses its default
// button. None for the others.
std::optional<PadNav> padDialogInput(std::optional<PadButton> button);
