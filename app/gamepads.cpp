// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing SDL game controllers as they come and go, and their events to PadInput.
#include "app/gamepads.h"

namespace {

std::optional<PadButton> padButton(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::A;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::B;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::Start;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return PadButton::DpadUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return PadButton::DpadDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadButton::DpadLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadButton::DpadRight;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return PadButton::LeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return PadButton::RightShoulder;
        default:
            return std::nullopt;
    }
}

std::optional<PadAxis> padAxis(Uint8 axis) {
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            return PadAxis::LeftX;
        case SDL_CONTROLLER_AXIS_LEFTY:
            return PadAxis::LeftY;
        case SDL_CONTROLLER_AXIS_RIGHTX:
            return PadAxis::RightX;
        case SDL_CONTROLLER_AXIS_RIGHTY:
            return PadAxis::RightY;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            return PadAxis::LeftTrigger;
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            return PadAxis::RightTrigger;
        default:
            return std::nullopt;
    }
}

}  // namespace

Gamepads::~Gamepads() {
    for (Slot& slot : slots_) {
        if (slot.controller != nullptr) {
            SDL_GameControllerClose(slot.controller);
        }
    }
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

bool Gamepads::start() {
    if (!started_) {
        started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    }
    if (!started_) {
        return false;
    }
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
        open(device);
    }
    return true;
}

void Gamepads::open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) {
        return;
    }
    // SDL also announces the controllers present at start: each is opened once.
    if (slotOf(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != nullptr) {
        return;
    }
    for (Slot& slot : slots_) {
        if (slot.controller == nullptr) {
            slot.controller = SDL_GameControllerOpen(deviceIndex);
            if (slot.controller != nullptr) {
                slot.id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(slot.controller));
                slot.input = PadInput{};
            }
            return;
        }
    }
}

int Gamepads::close(SDL_JoystickID id) {
    Slot* slot = slotOf(id);
    if (slot != nullptr) {
        SDL_GameControllerClose(slot->controller);
        slot->controller = nullptr;
        slot->id = -1;
        // What it held is let go; the player it was given to keeps the slot.
        slot->input.releaseAll();
        return static_cast<int>(slot - slots_.data());
    }
    return -1;
}

Gamepads::Slot* Gamepads::slotOf(SDL_JoystickID id) {
    for (Slot& slot : slots_) {
        if (slot.controller != nullptr && slot.id == id) {
            return &slot;
        }
    }
    return nullptr;
}

Gamepads::Outcome Gamepads::handleEvent(const SDL_Event& event, double now, bool toMenu) {
    Outcome outcome;
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(event.cdevice.which);
            outcome.changed = true;
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            outcome.slot = close(event.cdevice.which);
            outcome.changed = true;
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            Slot* slot = slotOf(event.cbutton.which);
            const std::optional<PadButton> button = padButton(event.cbutton.button);
            if (slot == nullptr || !button) {
                break;
            }
            const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
            outcome.slot = static_cast<int>(slot - slots_.data());
            outcome.changed = true;
            outcome.button = button;
            if (down) {
                outcome.pressed = button;
            }
            // A button the menu takes never reaches the game, but its release always does.
            if (!toMenu || !down) {
                slot->input.button(*button, down, now);
            }
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            Slot* slot = slotOf(event.caxis.which);
            const std::optional<PadAxis> axis = padAxis(event.caxis.axis);
            if (slot == nullptr || !axis) {
                break;
            }
            outcome.slot = static_cast<int>(slot - slots_.data());
            const bool wasHeld = slot->input.held();
            slot->input.axis(*axis, event.caxis.value, now);
            // A stick drifting inside its dead zone changes nothing on screen.
            outcome.changed = slot->input.held() != wasHeld;
            break;
        }
        default:
            break;
    }
    return outcome;
}

std::vector<Gamepads::Due> Gamepads::take(double now) {
    std::vector<Due> due;
    for (Slot& slot : slots_) {
        std::vector<TankAction> actions = slot.input.take(now);
        if (!actions.empty()) {
            due.push_back({slot.owner, std::move(actions)});
        }
    }
    return due;
}

bool Gamepads::held() const {
    for (const Slot& slot : slots_) {
        if (slot.input.held()) {
            return true;
        }
    }
    return false;
}

void Gamepads::assign(int slot, std::optional<PadOwner> owner) {
    if (slot >= 0 && slot < slotCount) {
        slots_[static_cast<std::size_t>(slot)].owner = owner;
    }
}

std::optional<PadOwner> Gamepads::owner(int slot) const {
    if (slot < 0 || slot >= slotCount) {
        return std::nullopt;
    }
    return slots_[static_cast<std::size_t>(slot)].owner;
}

bool Gamepads::connected(int slot) const {
    return slot >= 0 && slot < slotCount &&
           slots_[static_cast<std::size_t>(slot)].controller != nullptr;
}
