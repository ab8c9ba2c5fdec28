#pragma once

#include "game/tank.h"
#include "render/polygon_mode.h"

struct GLUquadric;

constexpr float shieldBubbleRadius = 9.0f;

// Full strength of a shield kind: 50 weak, 75 medium, 100 strong; 0.1 for an unknown kind.
float shieldCapacity(int shieldKind);
// The bubble's opacity: half of the remaining share of its full strength, so a fresh
// shield shows at 0.5 and fades as it absorbs shells.
float shieldOpacity(const Tank& tank);

// The translucent blue bubble around the tank, in the tank's own frame of reference.
// Blended without writing depth so the tank and what lies behind show through.
void drawShield(const Tank& tank, GLUquadric* quadric, PolygonMode mode);
