// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/input_map.h"

#include <SDL_keycode.h>

// The game's view of an SDL key: both Enter keys fire, keypad +/- step the power finely.
GameKey gameKeyFor(SDL_Keycode key);
