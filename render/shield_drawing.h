// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the tanks' shields: translucent blue bubbles, finer or coarser by their size on the
// screen; shield_drawing.cpp has the bodies.
#pragma once

#include "game/geometry.h"
#include "render/tank_drawing.h"

// The bubble's sphere: slices about its axis, stacks along it.
constexpr int bubbleSlices = 20;
constexpr int bubbleStacks = 20;
// Half the stacks make every facet as wide along the axis as it is around it. The outline
// moves inwards by at most a facet's sagitta, R (1 - cos(90/stacks degrees)): under half a
// pixel while the bubble's radius on the screen is under about 40 pixels.
constexpr int coarseBubbleStacks = 10;

// The sphere about the current origin: gluSphere's fans and strips as one batch.
void drawShieldBubbleShape();
void drawCoarseShieldBubbleShape();

// Whether a bubble centred at `centre` (eye space: the eye at the origin looking down -z) may
// be drawn with the coarse sphere without its outline moving by half a pixel.
// `pixelsPerUnit` is how many pixels a unit length one unit ahead of the eye covers (the
// projection's scale times half the viewport's height).
bool coarseBubbleLooksTheSame(const Vec3& centre, double pixelsPerUnit);

// Each live tank's bubble, if its shield is on, as opaque as shieldOpacity says (half when
// fresh, fading as it absorbs shells). Blended without writing depth so the tank and what lies
// behind show through, so drawn after everything opaque. Wire frames always use the fine sphere,
// whose every line shows.
void drawShieldBubbles(const TankDrawOrder& order, const TankDrawContext& context);
