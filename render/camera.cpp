// SPDX-License-Identifier: GPL-3.0-or-later
// Resetting, wrapping and clamping the camera, and applying it to the model-view matrix.
#include "render/camera.h"

#include "game/angles.h"
#include "game/world.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

void resetCamera(Camera& camera, float halfSide) {
    camera.eye = {0.0, 0.0, 3.0 * static_cast<double>(halfSide)};
    camera.centre = {0.0, 0.0, 0.0};
    camera.up = {0.0, 1.0, 0.0};
    camera.yaw = 0.0f;
    camera.pitch = 45.0f;
}

void wrapYaw(Camera& camera) {
    if (camera.yaw > 360.0f) {
        camera.yaw = 0.0f;
    }
    if (camera.yaw < 0.0f) {
        camera.yaw = 360.0f;
    }
}

void clampPitch(Camera& camera) {
    if (camera.pitch > 90.0f) {
        camera.pitch = 90.0f;
    } else if (camera.pitch < 0.0f) {
        camera.pitch = 0.0f;
    }
}

void clampDistance(Camera& camera) {
    if (camera.eye.z < nearestViewDistance) {
        camera.eye.z = nearestViewDistance;
    }
}

void applyCamera(const Camera& camera, CameraCentre centre, const GameWorld& world) {
    gluLookAt(camera.eye.x, camera.eye.y, camera.eye.z, camera.centre.x, camera.centre.y,
              camera.centre.z, camera.up.x, camera.up.y, camera.up.z);
    glRotatef(camera.yaw, 0.0f, 1.0f, 0.0f);
    // The tilt axis follows the yaw in whole degrees only.
    const double yawRadians = degreesToRadians(static_cast<std::int32_t>(camera.yaw));
    glRotatef(camera.pitch, static_cast<float>(10.0 * std::cos(yawRadians)), 0.0f,
              static_cast<float>(10.0 * std::sin(yawRadians)));
    if (centre == CameraCentre::CurrentTank) {
        if (const Tank* tank = world.currentTank()) {
            glTranslatef(-tank->position.x, -tank->position.y, -tank->position.z);
        }
    }
}
