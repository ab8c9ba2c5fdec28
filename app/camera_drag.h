// SPDX-License-Identifier: GPL-3.0-or-later
// applyCameraDrag: one mouse drag applied to the camera; camera_drag.cpp has the body.
#pragma once

#include "app/mouse_drag.h"
#include "render/camera.h"

// Applies one mouse motion to the camera, each change followed by its keeper.
void applyCameraDrag(Camera& camera, const CameraDrag& drag);
