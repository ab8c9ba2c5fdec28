#include "app/camera_drag.h"

#include <gtest/gtest.h>

namespace {

Camera startCamera() {
    Camera camera;
    resetCamera(camera, 60.0f);
    return camera;
}

TEST(CameraDrag, LeftDragTurnsAndTiltsFromTheLastPositionWithinTheirRanges) {
    Camera camera = startCamera();
    MouseDrag drag;
    drag.leftButtonDown(100, 100);
    applyCameraDrag(camera, drag.motion(130, 110, true, false));
    EXPECT_FLOAT_EQ(camera.yaw, 30.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 55.0f);
    applyCameraDrag(camera, drag.motion(480, 400, true, false));
    EXPECT_FLOAT_EQ(camera.yaw, 0.0f) << "past 360 starts again at 0";
    EXPECT_FLOAT_EQ(camera.pitch, 90.0f) << "straight down at most";
    applyCameraDrag(camera, drag.motion(470, 0, true, false));
    EXPECT_FLOAT_EQ(camera.yaw, 360.0f) << "below 0 comes back at 360";
    EXPECT_FLOAT_EQ(camera.pitch, 0.0f);
    EXPECT_DOUBLE_EQ(camera.eye.z, 180.0) << "the left button leaves the distance";
}

TEST(CameraDrag, RightDragMovesOnlyTheEyeNeverThroughTheCentreAndLeftWinsOverIt) {
    Camera camera = startCamera();
    MouseDrag drag;
    drag.leftButtonDown(50, 100);
    drag.rightButtonDown(200);
    applyCameraDrag(camera, drag.motion(0, 150, false, true));
    EXPECT_DOUBLE_EQ(camera.eye.z, 230.0) << "moving up backs away";
    applyCameraDrag(camera, drag.motion(0, 600, false, true));
    EXPECT_DOUBLE_EQ(camera.eye.z, nearestViewDistance) << "stops short of the near plane";
    EXPECT_FLOAT_EQ(camera.yaw, 0.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 45.0f);
    // No button: nothing moves, nor does the anchor. Both buttons: the left one, from the
    // x of the left press and the y of the last right drag.
    applyCameraDrag(camera, drag.motion(90, 0, false, false));
    applyCameraDrag(camera, drag.motion(53, 596, true, true));
    EXPECT_FLOAT_EQ(camera.yaw, 3.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 41.0f);
    EXPECT_DOUBLE_EQ(camera.eye.z, nearestViewDistance);
}

}  // namespace
