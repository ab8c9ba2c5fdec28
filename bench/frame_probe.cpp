// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the program by the benchmark (LD_PRELOAD), never linked into it: counts
// buffer swaps, i.e. drawn frames, and writes them with a timestamp to the file named by
// FRAME_PROBE_OUT, so frame rate and time to the first frame are measured from outside.
// It also notes when the program takes a key press from its queue, and how long after that
// the next frame was presented.
#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

using SwapFunction = void (*)(SDL_Window*);
using PollFunction = int (*)(SDL_Event*);

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

unsigned long long swaps = 0;
double firstSwap = 0.0;
double lastWrite = 0.0;
unsigned long long keys = 0;
double keyTaken = -1.0;  // when the latest key press not yet followed by a frame was taken
double keyToFrame = -1.0;

// One line per write: swap count, the monotonic time of the latest swap and of the first, key
// presses taken, and the seconds from the latest of them to the frame after it (-1 before any).
// The line goes to a side file that then replaces the real one, so a reader never finds it
// half written.
void writeCount(double now) {
    const char* path = std::getenv("FRAME_PROBE_OUT");
    if (path == nullptr) {
        return;
    }
    const std::string side = std::string(path) + ".new";
    if (std::FILE* out = std::fopen(side.c_str(), "w")) {
        std::fprintf(out, "%llu %.6f %.6f %llu %.6f\n", swaps, now, firstSwap, keys, keyToFrame);
        std::fclose(out);
        std::rename(side.c_str(), path);
    }
}

}  // namespace

extern "C" int SDL_PollEvent(SDL_Event* event) {
    static PollFunction real = reinterpret_cast<PollFunction>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    const int got = real != nullptr ? real(event) : 0;
    if (got != 0 && event != nullptr && event->type == SDL_KEYDOWN && keyTaken < 0.0) {
        keyTaken = monotonicSeconds();
    }
    return got;
}

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    static SwapFunction real =
        reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    if (real != nullptr) {
        real(window);
    }
    ++swaps;
    const double now = monotonicSeconds();
    if (swaps == 1) {
        firstSwap = now;
    }
    bool keyShown = false;
    if (keyTaken >= 0.0) {
        ++keys;
        keyToFrame = now - keyTaken;
        keyTaken = -1.0;
        keyShown = true;
    }
    if (swaps == 1 || keyShown || now - lastWrite >= 0.05) {
        writeCount(now);
        lastWrite = now;
    }
}
