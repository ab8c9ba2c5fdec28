// SPDX-License-Identifier: GPL-3.0-or-later
// A new prize draws its kind: a cannon, or a weak, medium or strong shield.
#include "game/prize.h"
#include "game/random.h"

Prize::Prize(GameRandom& random) {
    if (random.next() % 2 == 1) {
        kind = CannonPrize;
        return;
    }
    const int p = random.next() % 100;
    kind = p < 50 ? WeakShieldPrize : (p < 85 ? MediumShieldPrize : StrongShieldPrize);
}
