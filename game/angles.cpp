// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/angles.h"

double degreesToRadians(std::int32_t degrees) { return degrees * 0.017453292519943295; }
