#include "render/lighting.h"
#include "render/shell_drawing.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <cstdlib>
#include <memory>

// The shell close up, lit from above, filled and in wireframe side by side, as it looked
// when freeglut's sphere drew it. Same vertices, same split of every quad into triangles:
// a quad-strip sphere (GLU's) differs in some two thousand pixels of the filled picture.
TEST(ShellSphere, LooksAsTheLibrarySphereDid) {
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<unsigned char, void (*)(void*)> before(
        stbi_load(KRELLMONT_RENDER_TEST_DATA "/shell_close_up.png", &width, &height, &channels, 3),
        std::free);
    ASSERT_TRUE(before && width == 2 * viewWidth && height == viewHeight);
    const PolygonMode modes[] = {PolygonMode::SolidShading, PolygonMode::Wireframe};
    for (int column = 0; column < 2; ++column) {
        glPushAttrib(GL_COLOR_BUFFER_BIT | GL_VIEWPORT_BIT);
        glViewport(0, 0, viewWidth, viewHeight);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(20.0, double(viewWidth) / viewHeight, 0.5, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0.9, 0.7, 1.1, 0, 0, 0, 0, 1, 0);
        placeLight();
        applyPolygonMode(modes[column]);
        drawShell();
        applyPolygonMode(PolygonMode::TextureMapping);
        glLoadIdentity();
        const std::vector<Pixel> now = readBackBuffer();
        glPopAttrib();
        int differing = 0;
        for (int y = 0; y < viewHeight; ++y) {
            for (int x = 0; x < viewWidth; ++x) {
                const Pixel& p = now[std::size_t(y) * viewWidth + x];
                const unsigned char* q =
                    before.get() + 3 * ((viewHeight - 1 - y) * width + column * viewWidth + x);
                differing += std::abs(p.r - q[0]) + std::abs(p.g - q[1]) + std::abs(p.b - q[2]) > 6;
            }
        }
        // One grazing edge on the outline is shaded a little differently.
        EXPECT_LE(differing, 80) << "mode " << int(modes[column]);
    }
}
