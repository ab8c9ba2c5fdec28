// Preloaded into the program by the benchmark (LD_PRELOAD), never linked into it: counts
// buffer swaps, i.e. drawn frames, and writes them with a timestamp to the file named by
// FRAME_PROBE_OUT, so frame rate and time to the first frame are measured from outside.
#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

using SwapFunction = void (*)(SDL_Window*);

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

unsigned long long swaps = 0;
double firstSwap = 0.0;
double lastWrite = 0.0;

// One line per write: swap count, the monotonic time of the latest swap and of the first.
// The file is rewritten in place, so a reader always finds the latest line.
void writeCount(double now) {
    const char* path = std::getenv("FRAME_PROBE_OUT");
    if (path == nullptr) {
        return;
    }
    if (std::FILE* out = std::fopen(path, "w")) {
        std::fprintf(out, "%llu %.6f %.6f\n", swaps, now, firstSwap);
        std::fclose(out);
    }
}

}  // namespace

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
    if (swaps == 1 || now - lastWrite >= 0.05) {
        writeCount(now);
        lastWrite = now;
    }
}
