// SPDX-License-Identifier: GPL-3.0-or-later
// The turn's hand-over: the banner's text and time, and each player's kept view.
#include "app/hand_over.h"

#include "game/world.h"

void HandOver::update(const GameWorld& world, double now, Camera& camera, CameraCentre centre) {
    const Player* player = world.currentPlayer();
    const int number = player != nullptr ? player->number : 0;
    if (number == player_) {
        return;
    }
    if (centre == CameraCentre::CurrentTank) {
        if (player_ != 0) {
            views_[player_] = View{camera.yaw, camera.pitch, camera.eye.z};
        }
        if (const auto kept = views_.find(number); kept != views_.end()) {
            camera.yaw = kept->second.yaw;
            camera.pitch = kept->second.pitch;
            camera.eye.z = kept->second.distance;
        }
    }
    player_ = number;
    const Tank* tank = world.currentTank();
    if (player == nullptr || tank == nullptr) {
        text_.clear();
        return;
    }
    text_ = std::string(world.currentTeam->name) + ": " + player->name + ", tank " +
            std::to_string(tank->number);
    until_ = now + bannerSeconds;
}

std::string HandOver::banner(double now) const {
    return now < until_ ? text_ : std::string();
}

std::optional<double> HandOver::bannerEnds(double now) const {
    if (text_.empty() || now >= until_) {
        return std::nullopt;
    }
    return until_;
}

void HandOver::forgetGame() {
    player_ = 0;
    text_.clear();
    until_ = 0.0;
    views_.clear();
}
