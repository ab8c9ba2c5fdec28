#include "app/camera.h"
#include "app/viewport.h"

#include <gtest/gtest.h>

// Yaw wraps to the other end (exactly 360 stays), pitch stops at level and straight down,
// the distance where the followed tank is whole, with no upper bound.
TEST(CameraKeepers, WrapAndClampOnlyWhatLiesOutsideTheirRange) {
    const struct {
        float in, out;
    } yaws[] = {{360.5f, 0.0f}, {-0.5f, 360.0f}, {360.0f, 360.0f}, {123.25f, 123.25f}},
      pitches[] = {{91.0f, 90.0f}, {-3.0f, 0.0f}, {45.5f, 45.5f}};
    Camera c;
    for (const auto& y : yaws) {
        c.yaw = y.in;
        wrapYaw(c);
        EXPECT_EQ(c.yaw, y.out) << y.in;
    }
    for (const auto& p : pitches) {
        c.pitch = p.in;
        clampPitch(c);
        EXPECT_EQ(c.pitch, p.out) << p.in;
    }
    const struct {
        double in, out;
    } distances[] = {{-7.0, 20.0}, {0.0, 20.0}, {19.5, 20.0}, {20.5, 20.5}, {1e6, 1e6}};
    for (const auto& d : distances) {
        c.eye.z = d.in;
        clampDistance(c);
        EXPECT_EQ(c.eye.z, d.out) << d.in;
    }
}

TEST(CameraKeepers, ResetLooksFromOneAndAHalfFloorSidesAt45Degrees) {
    Camera c;
    c.yaw = 200.0f;
    c.pitch = 10.0f;
    c.eye = {5.0, 6.0, 7.0};
    resetCamera(c, 150.0f);
    EXPECT_EQ(c.eye.x + c.eye.y, 0.0);
    EXPECT_EQ(c.eye.z, 450.0);
    EXPECT_EQ(c.yaw, 0.0f);
    EXPECT_EQ(c.pitch, 45.0f);
}

TEST(Viewport, AspectTakesAZeroSideAsOne) {
    EXPECT_DOUBLE_EQ(viewportAspect(800, 600), 800.0 / 600.0);
    EXPECT_DOUBLE_EQ(viewportAspect(640, 0), 640.0);
    EXPECT_DOUBLE_EQ(viewportAspect(0, 480), 1.0 / 480.0);
    EXPECT_DOUBLE_EQ(viewportAspect(0, 0), 1.0);
}
