// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a shell: its red sphere and its cyan wire box; shell_drawing.cpp has the bodies.
#pragma once

#include "game/shell.h"
#include "render/polygon_mode.h"

// The shell itself: a small red sphere at the current origin. Lit drawing, so its glow
// comes from the red emission the frame sets around the shells.
void drawShell();
// The shell's box as a cyan wire frame in world space; call it with lighting off.
void drawShellOutline(const Shell& shell, PolygonMode mode);

// Draws a shell where the shell loop has put it: the sphere at its position, then its wire
// box unlit.
void drawShellInFlight(const Shell& shell, PolygonMode mode);
