// SPDX-License-Identifier: GPL-3.0-or-later
// TankModelLists: the display lists of the track and of each camouflage's hull, deck and
// turret; model_lists.cpp builds them.
#pragma once

#include "game/world.h"
#include "render/tank_geometry.h"

#include <array>

// One texture's faces of both tracks, compiled without the binding: every tank's tracks are
// drawn under one binding of each texture.
struct TrackRun {
    unsigned int list = 0;
    TextureName texture = NoTexture;
};

// The track's faces fall into this many runs of one texture each.
constexpr std::size_t trackRunCount = 4;

// Every display list of the tank models: the track's runs, shared by all tanks, and, per
// camouflage, a hull, deck and turret list.
struct TankModelLists {
    std::array<TrackRun, trackRunCount> trackRuns{};
    TankListTable variants;
};

// Compiles the faces of `geometry` into a new display list and returns its name: one batch of
// triangles per run of faces drawn with one texture. The list binds `camouflage` first
// (unless NoTexture) and each face's own texture where set.
unsigned int buildDisplayList(const ModelGeometry& geometry, TextureName camouflage);

// Compiles both tracks, at +trackOffsetZ and -trackOffsetZ, into one display list per run of
// faces sharing a texture, in face order; each list is one batch holding both tracks.
std::array<TrackRun, trackRunCount> buildTrackRuns(const ModelGeometry& track);

// Builds, in order, the track runs, the five hull lists, the five deck lists and the
// five turret lists. Needs a current GL context.
TankModelLists buildTankModelLists();
void deleteTankModelLists(const TankModelLists& lists);
