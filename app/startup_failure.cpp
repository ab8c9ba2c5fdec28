// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up failure shown in a message box and on standard error.
#include "app/startup_failure.h"

#include <SDL.h>

#include <cstdio>

int reportStartupFailure(const std::string& message, const std::string& reason) {
    if (reason.empty()) {
        std::fprintf(stderr, "krellmont: %s\n", message.c_str());
    } else {
        std::fprintf(stderr, "krellmont: %s (%s)\n", message.c_str(), reason.c_str());
    }
    // Without a display the box cannot appear; the line on stderr still tells.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "error", message.c_str(), nullptr);
    return startupFailureExitCode;
}
