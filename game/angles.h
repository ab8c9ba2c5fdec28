// SPDX-License-Identifier: GPL-3.0-or-later
// Degrees to radians: tanks keep whole degrees, flight and camera work in radians.
#pragma once

#include <cstdint>

constexpr double radiansPerDegree = 0.017453292519943295;

// Tank angles are whole degrees; flight and camera arithmetic need radians.
inline double degreesToRadians(std::int32_t degrees) {
    return degrees * radiansPerDegree;
}
