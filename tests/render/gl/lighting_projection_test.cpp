#include "app/viewport.h"
#include "render/lighting.h"
#include "render/primitives.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

// A quad filling the view, facing the eye, lit as if its surface faced `normal`.
Pixel litQuadColour(const Vec3& normal) {
    applyPolygonMode(PolygonMode::SolidShading);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    placeLight();
    const Vec3 corners[4] = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
    const std::int32_t face[4] = {0, 1, 2, 3};
    drawQuad(corners, normal, face);
    return readPixel(viewWidth / 2, viewHeight / 2);
}

void expectGrey(const Pixel& p, int level) {
    EXPECT_NEAR(p.r, level, 1);
    EXPECT_NEAR(p.g, level, 1);
    EXPECT_NEAR(p.b, level, 1);
}

// Draws an unlit square of the given colour `distance` units straight ahead of the eye.
void squareAhead(double distance, float r, float g, float b) {
    const float z = static_cast<float>(-distance);
    const float half = static_cast<float>(distance * 0.2);
    glColor3f(r, g, b);
    glBegin(GL_QUADS);
    glVertex3f(-half, -half, z);
    glVertex3f(half, -half, z);
    glVertex3f(half, half, z);
    glVertex3f(-half, half, z);
    glEnd();
}

}  // namespace

// Ambient only from below: 0.3 x 0.1 + 0.2 x 0.1. From above, ambient, full diffuse and,
// with shininess 0, full specular: 0.05 + 0.49 + 0.21.
TEST(Lighting, LightsUpwardFacesAtThreeQuartersAndDownwardFacesAtOneTwentieth) {
    expectGrey(litQuadColour({0, 1, 0}), 191);
    expectGrey(litQuadColour({0, -1, 0}), 13);
    // A vertical face still gets the ambient terms only.
    expectGrey(litQuadColour({1, 0, 0}), 13);
}

TEST(Projection, ClipsOnlyWhatLiesNearerThanTenAndKeepsDistantThingsInDepthOrder) {
    resizeViewport(viewWidth, viewHeight);
    glLoadIdentity();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    const int cx = viewWidth / 2;
    const int cy = viewHeight / 2;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    squareAhead(9.0, 1, 0, 0);
    EXPECT_EQ(readPixel(cx, cy), (Pixel{128, 128, 255}));

    // Each pair drawn far first, then near first: the nearer square wins both times.
    const double distances[] = {11.0, 1000.0, 100000.0};
    for (int near = 0; near < 2; ++near) {
        const double a = distances[near];
        const double b = distances[near + 1];
        for (int nearFirst = 0; nearFirst < 2; ++nearFirst) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            squareAhead(nearFirst ? a : b, nearFirst ? 0 : 1, nearFirst ? 1 : 0, 0);
            squareAhead(nearFirst ? b : a, nearFirst ? 1 : 0, nearFirst ? 0 : 1, 0);
            EXPECT_EQ(readPixel(cx, cy), (Pixel{0, 255, 0})) << a << " before " << b;
        }
    }
    // The farthest alone is still drawn.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    squareAhead(100000.0, 1, 0, 0);
    EXPECT_EQ(readPixel(cx, cy).r, 255);
    glPopAttrib();
}

TEST(Projection, AWindowShrunkToNothingStillGetsAValidProjection) {
    // A window shrunk to nothing sets a valid (empty) projection without GL errors.
    while (glGetError() != GL_NO_ERROR) {
    }
    resizeViewport(0, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    resizeViewport(viewWidth, viewHeight);
}
