// SPDX-License-Identifier: GPL-3.0-or-later
// Creating the window with the nearest GL pixel format, its icon, showing, swapping and size.
#include "app/platform_window.h"

#include "app/display_dpi.h"
#include "app/interface_scale.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Double-buffered RGBA with 8 bits per colour channel (the 32 colour bits of a true
// colour display include padding, not alpha) and the deepest depth buffer offered.
SDL_Window* createWithNearestPixelFormat(const std::string& title, Uint32 flags) {
    const int depthSizes[] = {32, 24, 16};
    for (int depth : depthSizes) {
        SDL_GL_ResetAttributes();
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth);
        SDL_Window* window =
            SDL_CreateWindow(title.c_str(), 0, 0, PlatformWindow::initialWidth,
                             PlatformWindow::initialHeight, flags | SDL_WINDOW_OPENGL);
        if (window != nullptr) {
            return window;
        }
    }
    return nullptr;
}

// Tells a display that cannot make windows at all from one that has no GL format.
bool plainWindowPossible() {
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_HIDDEN);
    if (probe == nullptr) {
        return false;
    }
    SDL_DestroyWindow(probe);
    return true;
}

// No display to show a window on: none named in the environment, or SDL fell back on a
// driver that draws nowhere.
bool displayMissing() {
    const auto named = [](const char* variable) {
        const char* value = SDL_getenv(variable);
        return value != nullptr && value[0] != '\0';
    };
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr &&
        (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0)) {
        return true;
    }
    return !named("DISPLAY") && !named("WAYLAND_DISPLAY");
}

}  // namespace

std::unique_ptr<PlatformWindow> PlatformWindow::create(const std::string& title,
                                                       std::string& failure, std::string& reason) {
    std::unique_ptr<PlatformWindow> self(new PlatformWindow());
    // Whatever SDL reports from here on belongs to this attempt.
    SDL_ClearError();
    const auto fail = [&failure, &reason](const char* message, const std::string& why) {
        failure = displayMissing() ? noDisplayMessage : message;
        reason = why;
        return nullptr;
    };
    // SDL 2.26 takes X11 whenever DISPLAY is set, which under a Wayland desktop means Xwayland:
    // prefer the native window (decorated through libdecor) and fall back to X11. A driver the
    // user names in SDL_VIDEODRIVER still wins over this hint.
    if (std::getenv("WAYLAND_DISPLAY") != nullptr) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland,x11");
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return fail("failed to register windows class", SDL_GetError());
    }

    self->window_ = createWithNearestPixelFormat(
        title, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (self->window_ == nullptr) {
        const std::string glReason = SDL_GetError();
        if (plainWindowPossible()) {
            return fail("unable to choose a suitable pixel format", glReason);
        }
        return fail("failed to create window", SDL_GetError());
    }

    self->context_ = SDL_GL_CreateContext(self->window_);
    if (self->context_ == nullptr) {
        return fail("unable to create opengl rendering context", SDL_GetError());
    }
    if (SDL_GL_MakeCurrent(self->window_, self->context_) != 0) {
        return fail("unable to make rendering context the current one", SDL_GetError());
    }
    int doubleBuffered = 0;
    if (SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffered) != 0) {
        return fail("unable to set the pixel format", SDL_GetError());
    }
    if (doubleBuffered == 0) {
        const char* driver = SDL_GetCurrentVideoDriver();
        return fail("unable to set the pixel format",
                    std::string("no double-buffered format offered by video driver ") +
                        (driver != nullptr ? driver : "?"));
    }
    // Drivers fail on drawables past what they report, and Mesa crashes near X's 32767 limit.
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    self->maxWidth_ = std::clamp<int>(viewport[0], initialWidth, maxWindowSide);
    self->maxHeight_ = std::clamp<int>(viewport[1], initialHeight, maxWindowSide);
    SDL_SetWindowMaximumSize(self->window_, self->maxWidth_, self->maxHeight_);
    // The loop paces frames itself; waiting for the display's refresh on top of
    // that would halve the rate whenever a frame misses a refresh.
    SDL_GL_SetSwapInterval(0);
    return self;
}

PlatformWindow::~PlatformWindow() {
    if (context_ != nullptr) {
        SDL_GL_DeleteContext(context_);
    }
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
    // The display connection, and with it the GL driver, stays until the process ends:
    // closing it at exit gains nothing, and a driver unloaded early leaves its one-time
    // allocations unattributable to leak checks.
}

BitmapError PlatformWindow::loadIcon(const char* bitmapFile) {
    BitmapResult<RgbImage> image = loadBitmap(bitmapFile, maxIconSide);
    if (!image.ok()) {
        return image.error;
    }
    const RgbImage& picture = image.value;
    SDL_Surface* icon =
        SDL_CreateRGBSurfaceWithFormat(0, picture.width, picture.height, 24, SDL_PIXELFORMAT_RGB24);
    if (icon == nullptr) {
        return BitmapError::None;  // no memory for a small picture: keep the default icon
    }
    // The surface's rows go top-down, the decoded picture's bottom-up.
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    for (int row = 0; row < picture.height; ++row) {
        SDL_memcpy(static_cast<Uint8*>(icon->pixels) + static_cast<std::size_t>(row) * icon->pitch,
                   picture.at(0, picture.height - 1 - row), rowBytes);
    }
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
    return BitmapError::None;
}

void PlatformWindow::showMaximised() {
    SDL_ShowWindow(window_);
    SDL_MaximizeWindow(window_);
}

void PlatformWindow::swapBuffers() {
    SDL_GL_SwapWindow(window_);
}

void PlatformWindow::keepWithinLimits(int minWidth, int minHeight) {
    minWidth = std::min(minWidth, maxWidth_);
    minHeight = std::min(minHeight, maxHeight_);
    if (minWidth != minWidth_ || minHeight != minHeight_) {
        minWidth_ = minWidth;
        minHeight_ = minHeight;
        SDL_SetWindowMinimumSize(window_, minWidth_, minHeight_);
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    const int keptWidth = std::clamp(width, minWidth_, maxWidth_);
    const int keptHeight = std::clamp(height, minHeight_, maxHeight_);
    if (keptWidth != width || keptHeight != height) {
        SDL_SetWindowSize(window_, keptWidth, keptHeight);
    }
}

bool PlatformWindow::minimised() const {
    return (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
}

void PlatformWindow::drawableSize(int& width, int& height) const {
    SDL_GL_GetDrawableSize(window_, &width, &height);
}

float PlatformWindow::displayInterfaceScale() const {
    const float dpi = displayDpi(window_);
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window_, &drawableWidth, &drawableHeight);
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    return interfaceScaleFor(dpi, drawableWidth, windowWidth);
}
