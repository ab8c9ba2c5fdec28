// SPDX-License-Identifier: GPL-3.0-or-later
// AppHost's calls: messages queued, sounds played, tank buttons and "Shields" item switched.
#include "app/app_host.h"

#include "ui/menu_model.h"
#include "ui/message_queue.h"

#include <utility>

AppHost::AppHost(MessageQueue& messages, MenuModel& menu, SoundFunction playSound)
    : messages_(messages), menu_(menu), playSound_(std::move(playSound)) {}

void AppHost::showMessage(const std::string& text, const std::string& caption) {
    messages_.push(text, caption);
}

void AppHost::playSound(const std::string& fileName) {
    if (playSound_) {
        playSound_(fileName);
    }
}

// The panel is redrawn from the world every frame, so a changed value needs no signal.
void AppHost::readoutsChanged() {}

void AppHost::setTankButtonsEnabled(bool enabled) {
    tankButtonsEnabled_ = enabled;
}

void AppHost::setShieldsMenuEnabled(bool enabled) {
    menu_.setEnabled(ShieldsCommand, enabled);
}
