// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/camera.h"
#include "app/mouse_drag.h"

// Applies one mouse motion to the camera, each change followed by its keeper.
void applyCameraDrag(Camera& camera, const CameraDrag& drag);
