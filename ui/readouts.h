// SPDX-License-Identifier: GPL-3.0-or-later
// StatusReadouts: the panel's text lines for the current tank; readouts_format.cpp formats
// them and readouts_world.cpp reads them from the world.
#pragma once

#include <cstdint>
#include <string>

class GameWorld;

// The panel's text lines for the current tank, formatted as shown.
struct StatusReadouts {
    bool hasTank = false;  // false before the first game: only the background is drawn
    std::string teamLine;
    std::string power;
    std::string angle;
    std::string mileage;
};

StatusReadouts formatStatusReadouts(const char* teamName, const char* playerName,
                                    std::int32_t tankNumber, float power, std::int32_t elevation,
                                    std::int32_t mileage);

// Readouts of the current team's current player's current tank.
// `seated` follows the player's name (" (network)" for a player at another machine).
StatusReadouts readStatusReadouts(const GameWorld& world, const std::string& seated = {});

constexpr const char* moveTankCaption = "Move Tank";
constexpr const char* moveCannonCaption = "Move Cannon";
