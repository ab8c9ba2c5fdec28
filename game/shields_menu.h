// SPDX-License-Identifier: GPL-3.0-or-later
// updateShieldsMenuItem: the "Shields" menu item follows the current tank's shields.
#pragma once

class GameHost;
class GameWorld;

// Enables the "Shields" menu item while the current tank has a shield on or in stock.
void updateShieldsMenuItem(GameWorld& world, GameHost& host);
