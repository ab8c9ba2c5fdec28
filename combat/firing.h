// SPDX-License-Identifier: GPL-3.0-or-later
// fire: the current tank fires a volley, one shell per cannon; firing.cpp has the body.
#pragma once

class GameHost;
class GameWorld;

// Fires the current tank: one shell per cannon, "cannon.wav", buttons off until the turn
// has passed, mileage back to 0. Refused silently while a shot is under way, while the
// shell table is full or at power 0. Returns whether the tank fired.
bool fire(GameWorld& world, GameHost& host);
