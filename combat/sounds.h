// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class GameHost;
class GameRandom;

// The shot's sound, played once per volley by the firing code.
inline constexpr const char* cannonSoundFile = "cannon.wav";

inline constexpr int tauntCount = 10;

// The taunts a hit may play, in the order a random draw picks them by index.
inline constexpr std::array<const char*, tauntCount> tauntTable = {
    "AustaLaVistaBaby.wav", "AnyLastRequests.wav", "chicken.wav",     "EatMyShorts.wav",
    "HaHaHa.wav",           "HeyDoeDoeBrain.wav",  "IWillBeBack.wav", "MyNameIsAlvin.wav",
    "wosers.wav",           "YouDirtyRat.wav"};

// Plays one taunt picked by the next draw of the game's generator (one draw per call),
// so a seeded game requests the same taunts on every replay.
void playTaunt(GameRandom& random, GameHost& host);
