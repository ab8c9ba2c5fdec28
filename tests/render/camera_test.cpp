#include "app/camera.h"
#include "app/viewport.h"

#include <gtest/gtest.h>

TEST(CameraKeepers, YawWrapsToTheOtherEndAndExactly360Stays) {
    Camera c;
    c.yaw = 360.5f;
    wrapYaw(c);
    EXPECT_EQ(c.yaw, 0.0f);
    c.yaw = -0.5f;
    wrapYaw(c);
    EXPECT_EQ(c.yaw, 360.0f);
    c.yaw = 360.0f;
    wrapYaw(c);
    EXPECT_EQ(c.yaw, 360.0f);
    c.yaw = 123.25f;
    wrapYaw(c);
    EXPECT_EQ(c.yaw, 123.25f);
}

TEST(CameraKeepers, PitchStopsAtLevelAndStraightDownDistanceAtZero) {
    Camera c;
    c.pitch = 91.0f;
    clampPitch(c);
    EXPECT_EQ(c.pitch, 90.0f);
    c.pitch = -3.0f;
    clampPitch(c);
    EXPECT_EQ(c.pitch, 0.0f);
    c.pitch = 45.5f;
    clampPitch(c);
    EXPECT_EQ(c.pitch, 45.5f);

    c.eye.z = -7.0;
    clampDistance(c);
    EXPECT_EQ(c.eye.z, 0.0);
    c.eye.z = 1e6;  // no upper bound
    clampDistance(c);
    EXPECT_EQ(c.eye.z, 1e6);
}

TEST(CameraKeepers, ResetLooksFromOneAndAHalfFloorSidesAt45Degrees) {
    Camera c;
    c.yaw = 200.0f;
    c.pitch = 10.0f;
    c.eye = {5.0, 6.0, 7.0};
    resetCamera(c, 150.0f);
    EXPECT_EQ(c.eye.x, 0.0);
    EXPECT_EQ(c.eye.y, 0.0);
    EXPECT_EQ(c.eye.z, 450.0);
    EXPECT_EQ(c.centre.z, 0.0);
    EXPECT_EQ(c.up.y, 1.0);
    EXPECT_EQ(c.yaw, 0.0f);
    EXPECT_EQ(c.pitch, 45.0f);
}

TEST(Viewport, AspectTakesAZeroSideAsOne) {
    EXPECT_DOUBLE_EQ(viewportAspect(800, 600), 800.0 / 600.0);
    EXPECT_DOUBLE_EQ(viewportAspect(500, 500), 1.0);
    EXPECT_DOUBLE_EQ(viewportAspect(640, 0), 640.0);
    EXPECT_DOUBLE_EQ(viewportAspect(0, 480), 1.0 / 480.0);
    EXPECT_DOUBLE_EQ(viewportAspect(0, 0), 1.0);
}
