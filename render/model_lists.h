// SPDX-License-Identifier: GPL-3.0-or-later
// TankModelLists: the display lists of the track and of each camouflage's hull, deck and
// turret; model_lists.cpp builds them.
#pragma once

#include "game/world.h"
#include "render/tank_geometry.h"

#include <array>

// Every display list of the tank models: one list of both tracks shared by all tanks and, per
// camouflage, a hull, deck and turret list.
struct TankModelLists {
    unsigned int trackList = 0;
    TankListTable variants;
};

// Compiles the faces of `geometry` into a new display list and returns its name: one batch of
// triangles per run of faces drawn with one texture. The list binds `camouflage` first
// (unless NoTexture) and each face's own texture where set.
unsigned int buildDisplayList(const ModelGeometry& geometry, TextureName camouflage);

// Compiles both tracks, at +trackOffsetZ and -trackOffsetZ, into a new display list: each run
// of faces sharing a texture is one batch holding both tracks, under one binding of it.
unsigned int buildTrackList(const ModelGeometry& track);

// Builds, in order, the track list, the five hull lists, the five deck lists and the
// five turret lists. Needs a current GL context.
TankModelLists buildTankModelLists();
void deleteTankModelLists(const TankModelLists& lists);
