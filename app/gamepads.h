// SPDX-License-Identifier: GPL-3.0-or-later
// Gamepads: the SDL game controllers plugged in, each in a numbered slot with its PadInput and
// the player it may be given to; gamepads.cpp has the bodies.
#pragma once

#include "app/pad_input.h"
#include "game/setup_dialogs.h"

#include <SDL.h>

#include <array>
#include <optional>
#include <vector>

// Controllers come and go at any time. Each takes the lowest free of four slots ("Controller 1"
// to "Controller 4"); the player a slot is given to stays with the slot, so a controller
// unplugged and plugged in again plays on for the same person.
class Gamepads {
  public:
    static constexpr int slotCount = controllerSlots;

    Gamepads() = default;
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Starts SDL's controller support and opens the controllers already plugged in. False when
    // SDL has none; the game then plays without.
    bool start();

    // What a controller event did.
    struct Outcome {
        bool changed = false;  // something that acts was pressed, or a hold began or ended
        int slot = -1;  // the slot of the controller it came from (or that went), -1 for none
        std::optional<PadButton> pressed;  // a button that went down
        std::optional<PadButton> button;   // a button that went down or up
    };
    // Plugging, unplugging, buttons and sticks; other events are left alone. `now` in seconds.
    // With `toMenu` the buttons are the menu's: they are not fed to the game.
    Outcome handleEvent(const SDL_Event& event, double now, bool toMenu);

    // The actions each slot has due at `now`.
    struct Due {
        std::optional<PadOwner> owner;
        std::vector<TankAction> actions;
    };
    std::vector<Due> take(double now);
    bool held() const;

    // Gives the slot's controller to a player, or to whoever holds the turn with none.
    void assign(int slot, std::optional<PadOwner> owner);
    std::optional<PadOwner> owner(int slot) const;
    bool connected(int slot) const;

  private:
    struct Slot {
        SDL_GameController* controller = nullptr;
        SDL_JoystickID id = -1;
        PadInput input;
        std::optional<PadOwner> owner;
    };
    void open(int deviceIndex);
    // The slot it was in, or -1.
    int close(SDL_JoystickID id);
    Slot* slotOf(SDL_JoystickID id);

    std::array<Slot, slotCount> slots_{};
    bool started_ = false;
};
