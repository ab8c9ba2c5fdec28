// SPDX-License-Identifier: GPL-3.0-or-later
// HandOver: the turn passing between players at one keyboard, announced by a banner, with each
// player's own view kept; hand_over.cpp has the bodies.
#pragma once

#include "render/camera.h"

#include <map>
#include <optional>
#include <string>

class GameWorld;

// Players sharing a keyboard miss a line of panel text, so when the turn passes to another
// player a banner names the player, team and tank for a while, and while the view follows
// the current tank each player gets back the angle and distance they last looked from.
class HandOver {
  public:
    static constexpr double bannerSeconds = 2.0;

    // Called before each frame with the world and the time in seconds. When another player
    // holds the turn than at the last call, the banner starts and, with the view centred on the
    // tank, the outgoing player's view is kept and the incoming player's brought back.
    void update(const GameWorld& world, double now, Camera& camera, CameraCentre centre);
    // The banner's text while it shows at `now`, else empty.
    std::string banner(double now) const;
    // When the banner shown now goes, so that a frame is drawn then; none while none shows.
    std::optional<double> bannerEnds(double now) const;
    // A new game: nobody holds the turn and nobody's view is kept.
    void forgetGame();

  private:
    struct View {
        float yaw;
        float pitch;
        double distance;
    };
    int player_ = 0;  // number of the player holding the turn at the last update; 0 for none
    std::string text_;
    double until_ = 0.0;
    std::map<int, View> views_;
};
