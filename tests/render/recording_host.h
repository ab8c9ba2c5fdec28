#pragma once

#include "game/host.h"

#include <string>
#include <vector>

// The one fake host of the render tests: records messages and sounds, ignores the rest.
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
    void readoutsChanged() override {}
    void setTankButtonsEnabled(bool) override {}
    void setShieldsMenuEnabled(bool) override {}

    std::vector<Message> messages;
    std::vector<std::string> sounds;
};
