// SPDX-License-Identifier: GPL-3.0-or-later
#include "combat/sounds.h"

#include "game/host.h"
#include "game/random.h"

void playTaunt(GameRandom& random, GameHost& host) {
    host.playSound(tauntTable[random.next() % tauntCount]);
}
