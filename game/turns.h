// SPDX-License-Identifier: GPL-3.0-or-later
// passTurn: the turn goes to the other team's next live tank, or the game is over.
#pragma once

class GameHost;
class GameWorld;

// Hands the turn to the other team's next live tank (players and their tanks in list
// order, wrapping round), or shows "Game Over" when it has none. Either way the shot is
// over: the tank buttons come back and the readouts are redrawn. Called once the last
// shell of a volley has ended.
void passTurn(GameWorld& world, GameHost& host);
