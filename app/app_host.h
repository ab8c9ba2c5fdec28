// SPDX-License-Identifier: GPL-3.0-or-later
// AppHost: the program's GameHost, through message boxes, the sound player and the menu.
// app_host.cpp has the bodies.
#pragma once

#include "game/host.h"

#include <functional>
#include <string>

class MessageQueue;
class MenuModel;

// The rules' window on the program: messages go to the message boxes shown after the
// frame, sounds to the mixer, button and menu states to what the next frame draws.
class AppHost : public GameHost {
  public:
    using SoundFunction = std::function<void(const std::string&)>;

    AppHost(MessageQueue& messages, MenuModel& menu, SoundFunction playSound);

    void showMessage(const std::string& text, const std::string& caption) override;
    void playSound(const std::string& fileName) override;
    void readoutsChanged() override;
    void setTankButtonsEnabled(bool enabled) override;
    void setShieldsMenuEnabled(bool enabled) override;

    bool tankButtonsEnabled() const { return tankButtonsEnabled_; }

  private:
    MessageQueue& messages_;
    MenuModel& menu_;
    SoundFunction playSound_;
    bool tankButtonsEnabled_ = true;
};
