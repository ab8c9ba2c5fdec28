// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a tank's shield: the translucent blue bubble; shield_drawing.cpp has the bodies.
#pragma once

#include "game/tank.h"
#include "render/polygon_mode.h"

// The translucent blue bubble around the tank, in the tank's own frame of reference, as
// opaque as shieldOpacity says (half when fresh, fading as it absorbs shells).
// Blended without writing depth so the tank and what lies behind show through.
// `bubbleList` holds the sphere (drawShieldBubbleShape compiled at set-up).
void drawShield(const Tank& tank, unsigned int bubbleList, PolygonMode mode);
// The bubble's sphere about the current origin: gluSphere's fans and strips as one batch.
void drawShieldBubbleShape();
