// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameHost;
class GameWorld;

// Hands the turn to the other team's next live tank (players and their tanks in list
// order, wrapping round), or shows "Game Over" when it has none. Either way the shot is
// over: the tank buttons come back and the readouts are redrawn. Called once the last
// shell of a volley has ended.
void passTurn(GameWorld& world, GameHost& host);

// Enables the "Shields" menu item while the current tank has a shield on or in stock.
void updateShieldsMenuItem(GameWorld& world, GameHost& host);
