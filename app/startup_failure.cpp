#include "app/startup_failure.h"

#include <SDL.h>

#include <cstdio>

int reportStartupFailure(const std::string& message) {
    std::fprintf(stderr, "krellmont: %s\n", message.c_str());
    // Without a display the box cannot appear; the line on stderr still tells.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "error", message.c_str(), nullptr);
    return startupFailureExitCode;
}
