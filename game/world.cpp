// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/world.h"

int camouflageListSlot(std::int32_t camouflage) {
    for (std::size_t slot = 0; slot < camouflageListOrder.size(); ++slot) {
        if (camouflageListOrder[slot] == camouflage) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}
