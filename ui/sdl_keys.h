// SPDX-License-Identifier: GPL-3.0-or-later
// keyFor: SDL's key codes to the program's Key; sdl_keys.cpp has the table.
#pragma once

#include "ui/keys.h"

#include <SDL_keycode.h>

// The one table from SDL's key codes to the program's keys.
Key keyFor(SDL_Keycode key);
