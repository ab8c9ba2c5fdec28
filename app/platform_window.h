// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

// The main window with its current OpenGL context.
class PlatformWindow {
  public:
    static constexpr int initialWidth = 800;
    static constexpr int initialHeight = 600;

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

    // Sets the icon from a bitmap in the working directory; a missing file leaves
    // the system's default icon.
    void loadIcon(const char* bitmapFile);
    void showMaximised();
    void swapBuffers();

    SDL_Window* sdlWindow() const { return window_; }
    SDL_GLContext glContext() const { return context_; }
    bool minimised() const;
    // Size of the drawable area in pixels (zero when the window is shrunk away).
    void drawableSize(int& width, int& height) const;

  private:
    PlatformWindow() = default;

    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
};
