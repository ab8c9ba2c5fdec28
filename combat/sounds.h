// SPDX-License-Identifier: GPL-3.0-or-later
// playTaunt: a taunt picked by the game's generator, so replays ask for the same sounds.
#pragma once

class GameHost;
class GameRandom;

// Plays one of the catalogue's taunts, picked by the next draw of the game's generator (one
// draw per call), so a seeded game requests the same taunts on every replay.
void playTaunt(GameRandom& random, GameHost& host);
