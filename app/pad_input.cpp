// SPDX-License-Identifier: GPL-3.0-or-later
// PadInput's repeating holds and one-shot presses, and the rule of controller ownership.
#include "app/pad_input.h"

#include <utility>

void PadInput::button(PadButton which, bool down, double now) {
    bool& state = buttons_[static_cast<std::size_t>(which)];
    const bool pressed = down && !state;
    state = down;
    if (pressed && which == PadButton::A) {
        pending_.push_back(TankAction::Fire);
    }
    refresh(now);
}

void PadInput::axis(PadAxis which, int value, double now) {
    axes_[static_cast<std::size_t>(which)] = value;
    refresh(now);
}

void PadInput::releaseAll() {
    buttons_ = {};
    axes_ = {};
    repeats_ = {};
}

bool PadInput::wanted(Hold hold) const {
    const auto pushed = [this](PadButton b) { return buttons_[static_cast<std::size_t>(b)]; };
    const auto past = [this](PadAxis a, int sign) {
        return sign * axes_[static_cast<std::size_t>(a)] > deadZone;
    };
    switch (hold) {
        case Forward:
            return pushed(PadButton::DpadUp) || past(PadAxis::LeftY, -1);
        case Backward:
            return pushed(PadButton::DpadDown) || past(PadAxis::LeftY, 1);
        case HullLeft:
            return pushed(PadButton::DpadLeft) || past(PadAxis::LeftX, -1);
        case HullRight:
            return pushed(PadButton::DpadRight) || past(PadAxis::LeftX, 1);
        case Raise:
            return past(PadAxis::RightY, -1);
        case Lower:
            return past(PadAxis::RightY, 1);
        case TurretLeft:
            return past(PadAxis::RightX, -1);
        case TurretRight:
            return past(PadAxis::RightX, 1);
        case PowerUp:
            return pushed(PadButton::RightShoulder) || past(PadAxis::RightTrigger, 1);
        case PowerDown:
            return pushed(PadButton::LeftShoulder) || past(PadAxis::LeftTrigger, 1);
        case HoldCount:
            break;
    }
    return false;
}

// The same meaning as the keyboard's: W and S drive, A and D turn the hull, the arrows aim.
TankAction PadInput::actionOf(Hold hold, double heldFor) const {
    const bool fast = heldFor >= fastPowerSeconds;
    switch (hold) {
        case Forward:
            return TankAction::DriveForward;
        case Backward:
            return TankAction::DriveBackward;
        case HullLeft:
            return TankAction::TurnClockwise;
        case HullRight:
            return TankAction::TurnCounterClockwise;
        case Raise:
            return TankAction::RaiseCannon;
        case Lower:
            return TankAction::LowerCannon;
        case TurretLeft:
            return TankAction::TurretCounterClockwise;
        case TurretRight:
            return TankAction::TurretClockwise;
        case PowerUp:
            return fast ? TankAction::PowerUp : TankAction::PowerUpFine;
        case PowerDown:
            return fast ? TankAction::PowerDown : TankAction::PowerDownFine;
        case HoldCount:
            break;
    }
    return TankAction::None;
}

void PadInput::refresh(double now) {
    for (int h = 0; h < HoldCount; ++h) {
        Repeat& repeat = repeats_[static_cast<std::size_t>(h)];
        const bool want = wanted(static_cast<Hold>(h));
        if (want && !repeat.held) {
            repeat = {true, now, now + firstRepeatSeconds};
            pending_.push_back(actionOf(static_cast<Hold>(h), 0.0));
        } else if (!want) {
            repeat.held = false;
        }
    }
}

std::vector<TankAction> PadInput::take(double now) {
    for (int h = 0; h < HoldCount; ++h) {
        Repeat& repeat = repeats_[static_cast<std::size_t>(h)];
        for (int n = 0; repeat.held && now >= repeat.next; ++n) {
            if (n == mostRepeatsAtOnce) {
                repeat.next = now + repeatSeconds;
                break;
            }
            pending_.push_back(actionOf(static_cast<Hold>(h), repeat.next - repeat.since));
            repeat.next += repeatSeconds;
        }
    }
    return std::exchange(pending_, {});
}

bool PadInput::held() const {
    for (const Repeat& repeat : repeats_) {
        if (repeat.held) {
            return true;
        }
    }
    return false;
}

bool padMayAct(const std::optional<PadOwner>& owner, const std::optional<PadOwner>& turn) {
    return turn.has_value() && (!owner || *owner == *turn);
}

std::optional<Key> padMenuKey(PadButton button, bool menuOpen) {
    if (button == PadButton::Start) {
        return Key::F10;
    }
    if (!menuOpen) {
        return std::nullopt;
    }
    switch (button) {
        case PadButton::DpadUp:
            return Key::Up;
        case PadButton::DpadDown:
            return Key::Down;
        case PadButton::DpadLeft:
            return Key::Left;
        case PadButton::DpadRight:
            return Key::Right;
        case PadButton::A:
            return Key::Enter;
        case PadButton::B:
            return Key::Escape;
        default:
            return std::nullopt;
    }
}

std::optional<PadNav> padDialogInput(std::optional<PadButton> button) {
    if (!button) {
        return std::nullopt;
    }
    switch (*button) {
        case PadButton::DpadUp:
            return PadNav::Up;
        case PadButton::DpadDown:
            return PadNav::Down;
        case PadButton::DpadLeft:
            return PadNav::Left;
        case PadButton::DpadRight:
            return PadNav::Right;
        case PadButton::A:
            return PadNav::Activate;
        case PadButton::B:
            return PadNav::Cancel;
        case PadButton::Start:
            return PadNav::Accept;
        default:
            return std::nullopt;
    }
}
