// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the display's dpi through SDL, the Xft.dpi resource or the X screen's size.
#include "app/display_dpi.h"

#include <SDL_syswm.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#ifdef KRELLMONT_HAVE_X11
#include <X11/Xlib.h>
#endif

float xftDpiFromResources(const char* resources) {
    if (resources == nullptr) {
        return 0.0f;
    }
    static const char name[] = "Xft.dpi:";
    for (const char* line = resources; *line != '\0';) {
        if (std::strncmp(line, name, sizeof name - 1) == 0) {
            const double value = std::strtod(line + sizeof name - 1, nullptr);
            return value > 0.0 && std::isfinite(value) ? static_cast<float>(value) : 0.0f;
        }
        const char* end = std::strchr(line, '\n');
        if (end == nullptr) {
            break;
        }
        line = end + 1;
    }
    return 0.0f;
}

float displayDpi(SDL_Window* window) {
    float dpi = 0.0f;
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display >= 0 && SDL_GetDisplayDPI(display, &dpi, nullptr, nullptr) == 0 && dpi > 0.0f) {
        return dpi;
    }
#ifdef KRELLMONT_HAVE_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        Display* x = info.info.x11.display;
        const float xft = xftDpiFromResources(XResourceManagerString(x));
        if (xft > 0.0f) {
            return xft;
        }
        const int screen = DefaultScreen(x);
        const int millimetres = DisplayWidthMM(x, screen);
        if (millimetres > 0) {
            return static_cast<float>(DisplayWidth(x, screen)) * 25.4f /
                   static_cast<float>(millimetres);
        }
    }
#endif
    return 0.0f;
}
