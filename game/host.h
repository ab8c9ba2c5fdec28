// SPDX-License-Identifier: GPL-3.0-or-later
// GameHost: the interface through which the rules show messages, play sounds and update the
// window; the program and the tests implement it, and SilentHost does nothing.
#pragma once

#include <string>

// Everything the rules do to the world outside them goes through this interface:
// the program implements it with its windows, dialogs and sound mixer; tests record calls.
class GameHost {
  public:
    virtual ~GameHost() = default;

    // A modal message with an OK button. Raised while the rules run, it is shown
    // after the current frame; several queue up in order.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;

    // Starts playing a WAV file from the working directory, stopping any sound that
    // plays. A missing file or no audio device is silence.
    virtual void playSound(const std::string& fileName) = 0;

    // A shown value changed (power, elevation, mileage, current tank, team or player).
    virtual void readoutsChanged() = 0;

    // The status panel's tank buttons: disabled while a shot is under way.
    virtual void setTankButtonsEnabled(bool enabled) = 0;

    // The "Shields" menu item: enabled while the current tank holds a shield.
    virtual void setShieldsMenuEnabled(bool enabled) = 0;
};

// The rules with nobody watching: benchmarks and fuzzers, which want neither windows nor sound.
class SilentHost : public GameHost {
  public:
    void showMessage(const std::string&, const std::string&) override {}
    void playSound(const std::string&) override {}
    void readoutsChanged() override {}
    void setTankButtonsEnabled(bool) override {}
    void setShieldsMenuEnabled(bool) override {}
};
