#pragma once

#include "app/input_map.h"

class GameHost;
class GameWorld;

// Carries out one action on the world's current tank; with no current tank nothing
// happens. Callers check the input gate first (shot in progress, dialogs open).
void applyTankAction(TankAction action, GameWorld& world, GameHost& host);
