// SPDX-License-Identifier: GPL-3.0-or-later
// Grouping a frame's tanks and cannons by texture, keeping list order within each group.
#include "render/tank_order.h"

#include <algorithm>

int cannonsInUse(const Tank& tank) {
    return std::clamp(tank.cannonCount, 0, Tank::maxCannons);
}

TankDrawOrder orderTankDraws(const Team& teamA, const Team& teamB) {
    TankDrawOrder order;
    for (const Team* team : {&teamA, &teamB}) {
        forEachTank(*team, [&](const Tank& tank) {
            if (!tank.destroyed) {
                order.tanks.push_back(&tank);
            }
        });
    }
    order.byCamouflage = order.tanks;
    std::stable_sort(
        order.byCamouflage.begin(), order.byCamouflage.end(),
        [](const Tank* a, const Tank* b) { return a->hull.displayListId < b->hull.displayListId; });
    for (const Tank* tank : order.tanks) {
        for (int i = 0; i < cannonsInUse(*tank); ++i) {
            const Cannon& cannon = tank->cannons[i];
            order.cannons.push_back({tank, &cannon, textureForCamouflage(cannon.camouflage)});
        }
    }
    std::stable_sort(order.cannons.begin(), order.cannons.end(),
                     [](const TankDrawOrder::CannonDraw& a, const TankDrawOrder::CannonDraw& b) {
                         return a.texture < b.texture;
                     });
    return order;
}
