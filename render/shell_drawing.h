// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing shells: their red spheres and their cyan wire boxes; shell_drawing.cpp has the bodies.
#pragma once

#include "combat/shell_loop.h"
#include "render/polygon_mode.h"

// The shell itself: a small red sphere at the current origin, compiled once into the scene's
// shell list. Lit drawing, so its glow comes from the red emission set around the shells.
void drawShell();

// Every shell seen, its sphere where the shell loop has put it, glowing red and untextured.
void drawShellSpheres(const SeenShells& shells, unsigned int shellList, PolygonMode mode);
// One of them.
void drawShellInFlight(const Shell& shell, unsigned int shellList);

// Every shell's box as a cyan wire frame in world space. Call it with lighting off and
// polygons drawn as lines.
void drawShellOutlines(const SeenShells& shells);
