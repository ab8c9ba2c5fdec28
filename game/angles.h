// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Tank angles are whole degrees; flight and camera arithmetic need radians.
double degreesToRadians(std::int32_t degrees);
