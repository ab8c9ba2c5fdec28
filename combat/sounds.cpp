// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a taunt from the catalogue, picked by one draw of the game's generator.
#include "combat/sounds.h"

#include "game/host.h"
#include "game/random.h"
#include "resources/asset_catalog.h"

void playTaunt(GameRandom& random, GameHost& host) {
    host.playSound(tauntFiles[static_cast<std::size_t>(random.next()) % tauntFiles.size()]);
}
