// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of camera drags: yaw, pitch and viewing distance kept within their ranges.
#include "app/camera_drag.h"

#include <gtest/gtest.h>

#include <cstdio>

// Drags from a fresh camera (yaw 0, pitch 45, 180 away). The left button turns and tilts from
// the last position (a single pixel either way too): past 360 starts again at 0, below 0 comes back
// at 360, straight down at most. The right one moves only the eye, never nearer than 20. No button
// moves nothing, nor the anchor; both buttons are the left one, from the x of the left press and
// the y of the last right drag.
TEST(CameraDrag, TurnsTiltsAndMovesTheEyeWithinTheirRanges) {
    const struct {
        bool freshCamera;
        int x, y;
        bool left, right;
        const char* camera;
    } steps[] = {
        {true, 130, 110, true, false, "yaw 30 pitch 55 eye 180"},
        {false, 131, 110, true, false, "yaw 31 pitch 55 eye 180"},
        {false, 131, 111, true, false, "yaw 31 pitch 56 eye 180"},
        {false, 480, 110, true, false, "yaw 0 pitch 55 eye 180"},
        {false, 480, 400, true, false, "yaw 0 pitch 90 eye 180"},
        {false, 470, 0, true, false, "yaw 360 pitch 0 eye 180"},
        {true, 0, 150, false, true, "yaw 0 pitch 45 eye 230"},
        {false, 0, 600, false, true, "yaw 0 pitch 45 eye 20"},
        {false, 90, 0, false, false, "yaw 0 pitch 45 eye 20"},
        {false, 53, 596, true, true, "yaw 3 pitch 41 eye 20"},
    };
    Camera camera;
    MouseDrag drag;
    for (const auto& s : steps) {
        if (s.freshCamera) {
            resetCamera(camera, 60.0f);
            drag = MouseDrag();
            drag.leftButtonDown(s.left ? 100 : 50, 100);
            if (s.right)
                drag.rightButtonDown(200);
        }
        applyCameraDrag(camera, drag.motion(s.x, s.y, s.left, s.right));
        char shown[64];
        std::snprintf(shown, sizeof shown, "yaw %g pitch %g eye %g", camera.yaw, camera.pitch,
                      camera.eye.z);
        EXPECT_STREQ(shown, s.camera);
    }
}
