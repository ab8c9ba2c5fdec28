// SPDX-License-Identifier: GPL-3.0-or-later
// The dots per inch of the display a window is on, from SDL or the X server's own settings.
#pragma once

#include <SDL.h>

// The display's dpi, or 0 when nothing tells it. SDL's reading first; on X11 the Xft.dpi
// resource that desktops set for their scaling, then the screen's size in millimetres.
float displayDpi(SDL_Window* window);

// The Xft.dpi value in an X resource database string ("name:\tvalue" lines); 0 when the
// string is null, lacks it or holds no positive number.
float xftDpiFromResources(const char* resources);
