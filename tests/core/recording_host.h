// SPDX-License-Identifier: GPL-3.0-or-later
// RecordingHost: the tests' GameHost, keeping every message, sound and switch in order.
#pragma once

#include "game/host.h"

#include <string>
#include <vector>

// Records every request the rules make of the program, in order.
class RecordingHost : public GameHost {
  public:
    struct Message {
        std::string text;
        std::string caption;
    };
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
    void playSound(const std::string& fileName) override { sounds.push_back(fileName); }
    void readoutsChanged() override { ++readoutChanges; }
    void setTankButtonsEnabled(bool enabled) override { buttonStates.push_back(enabled); }
    void setShieldsMenuEnabled(bool enabled) override { shieldsMenuStates.push_back(enabled); }

    std::vector<Message> messages;
    std::vector<std::string> sounds;
    int readoutChanges = 0;
    std::vector<bool> buttonStates;
    std::vector<bool> shieldsMenuStates;
};
