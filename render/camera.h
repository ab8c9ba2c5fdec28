// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse-driven Camera: its start position, the limits of yaw, pitch and distance, and the
// viewing transform; camera.cpp has the bodies.
#pragma once

#include "render/viewport.h"

class GameWorld;

// What the view turns around: the current tank or the arena centre (the world origin).
enum class CameraCentre {
    CurrentTank = 0,
    CenterOfArena = 1,
};

struct CameraPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The mouse-driven camera: the eye looks from `eye` (its z is the viewing distance) at
// `centre`, and the world is turned by yaw about the vertical and tilted by pitch.
// All zero until the first game resets it.
struct Camera {
    CameraPoint eye;
    CameraPoint centre;
    CameraPoint up;
    float yaw = 0.0f;    // degrees, kept within 0..360
    float pitch = 0.0f;  // degrees, kept within 0..90
};

// The start position for an arena of the given half side: 1.5 floor sides away,
// looking down at 45 degrees.
void resetCamera(Camera& camera, float halfSide);

// The nearest the eye may come to the point the view turns around. At 0 the look-at
// degenerates and nothing is drawn, and nearer than the near plane plus a tank's reach from
// its centre (its outline's corners lie about 10 away) the followed tank is cut open.
constexpr double nearestViewDistance = projection::nearValue + 10.0;

// Keepers, called after each mouse change. Past 360 the yaw starts again at 0 and
// below 0 at 360; the pitch stops at 0 and 90; the distance at nearestViewDistance.
void wrapYaw(Camera& camera);
void clampPitch(Camera& camera);
void clampDistance(Camera& camera);

// Multiplies the viewing transform onto the current model-view matrix. Following the
// current tank brings it to the centre of the view; without a current tank, or
// centred on the arena, the world origin stays there.
void applyCamera(const Camera& camera, CameraCentre centre, const GameWorld& world);
