// SPDX-License-Identifier: GPL-3.0-or-later
// The rule state of a world between volleys, written whole (to heal a machine that drifted
// or to seat one that rejoins) and as a digest; world_snapshot.cpp has the bodies.
#pragma once

#include "net/wire.h"

#include <cstdint>

class GameWorld;

// Everything the rules read: the roster with names, controls and every tank's state, whose
// turn it is, the arena, the prizes, the counters and the random generator's state. Call
// only between volleys (no shell in flight): one written during a volley says so, and
// readWorld refuses it.
void writeWorld(ByteWriter& out, const GameWorld& world);

// Replaces the world's game with the one read, keeping the renderer's display lists. A
// malformed or impossible world (counts, links, ranges) is refused as a whole: false, and
// the world is not touched.
bool readWorld(ByteReader& in, GameWorld& world);

// A 64-bit digest of what writeWorld writes, names and controls left out, so machines can
// compare after every turn.
std::uint64_t worldDigest(const GameWorld& world);
