// SPDX-License-Identifier: GPL-3.0-or-later
// Applies a mouse drag to the camera's yaw, pitch and distance, each then kept in its limits.
#include "app/camera_drag.h"

void applyCameraDrag(Camera& camera, const CameraDrag& drag) {
    if (drag.yawDelta != 0.0f || drag.pitchDelta != 0.0f) {
        camera.yaw += drag.yawDelta;
        wrapYaw(camera);
        camera.pitch += drag.pitchDelta;
        clampPitch(camera);
    }
    if (drag.distanceDelta != 0.0) {
        camera.eye.z += drag.distanceDelta;
        clampDistance(camera);
    }
}
