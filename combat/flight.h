// SPDX-License-Identifier: GPL-3.0-or-later
// Gravity and updatePosition: a shell's ballistic path, evaluated in closed form.
#pragma once

struct Shell;

inline constexpr double gravity = 9.81;

// Puts the shell where its ballistic path is at its flightTime: position, box and corners.
// The path is evaluated in closed form from the launch data, so no error accumulates.
void updatePosition(Shell& shell);
