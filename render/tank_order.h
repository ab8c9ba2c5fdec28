// SPDX-License-Identifier: GPL-3.0-or-later
// The order a frame draws the tanks' parts in (TankDrawOrder): by texture, not tank by tank.
#pragma once

#include "game/roster.h"
#include "render/texture_table.h"

#include <vector>

// Binding a texture costs a software renderer more than drawing a tank part with it, so each
// part of every tank is drawn in one pass, the tanks grouped by texture. Tanks never cover
// one another at equal depth, so only the order within a tank, kept in every pass, decides
// pixels; the blended bubbles come after all of it.
struct TankDrawOrder {
    struct CannonDraw {
        const Tank* tank;
        const Cannon* cannon;
        TextureName texture;  // NoTexture: an unknown camouflage, drawn with whatever is bound
    };

    // Live tanks, team A then team B, players and their tanks in list order.
    std::vector<const Tank*> tanks;
    // The same tanks, those of one camouflage together (by their hull's list), otherwise in
    // the order above.
    std::vector<const Tank*> byCamouflage;
    // Every cannon in use of a live tank, those of one texture together, unknown camouflages
    // first, otherwise in tank order.
    std::vector<CannonDraw> cannons;
};

TankDrawOrder orderTankDraws(const Team& teamA, const Team& teamB);

// The cannons a tank draws: its count kept within 0..Tank::maxCannons.
int cannonsInUse(const Tank& tank);
