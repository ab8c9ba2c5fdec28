// SPDX-License-Identifier: GPL-3.0-or-later
// PlatformWindow: the SDL window and its OpenGL context; platform_window.cpp has the bodies.
#pragma once

#include <SDL.h>

#include "render/bitmap_reader.h"

#include <memory>
#include <string>

// The main window with its current OpenGL context.
class PlatformWindow {
  public:
    static constexpr int initialWidth = 800;
    static constexpr int initialHeight = 600;
    // The largest side the window takes, whatever the driver offers.
    static constexpr int maxWindowSide = 16384;
    static constexpr const char* noDisplayMessage =
        "No display was found: set DISPLAY or WAYLAND_DISPLAY";

    // Creates the hidden window and its context. On failure returns null, sets `failure` to the
    // message for the user and `reason` to what SDL said went wrong.
    static std::unique_ptr<PlatformWindow> create(const std::string& title, std::string& failure,
                                                  std::string& reason);
    static std::unique_ptr<PlatformWindow> create(const std::string& title, std::string& failure) {
        std::string reason;
        return create(title, failure, reason);
    }

    ~PlatformWindow();
    PlatformWindow(const PlatformWindow&) = delete;
    PlatformWindow& operator=(const PlatformWindow&) = delete;

    // Sets the icon from a bitmap in the working directory, read by our bitmap reader with an
    // icon's size limit. A refused file leaves the system's default icon; says why.
    BitmapError loadIcon(const char* bitmapFile);
    void showMaximised();
    void swapBuffers();

    SDL_Window* sdlWindow() const { return window_; }
    SDL_GLContext glContext() const { return context_; }
    bool minimised() const;
    // Keeps the window within the largest size the GL driver draws and the smallest the
    // program's panel needs (which is known only once the fonts are measured): tells the window
    // manager, and resizes a window that a user's tool, or no window manager at all, let
    // past either.
    void keepWithinLimits(int minWidth, int minHeight);
    // Size of the drawable area in pixels (zero when the window is shrunk away).
    void drawableSize(int& width, int& height) const;
    // The interface scale that suits the display the window is on.
    float displayInterfaceScale() const;

  private:
    PlatformWindow() = default;

    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
    int minWidth_ = 0;
    int minHeight_ = 0;
};
