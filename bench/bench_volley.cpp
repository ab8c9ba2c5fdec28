// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the real program's frames while shells fly: a new game of two tanks on a window of
// W x H (1280 x 1024 unless told), the cannon raised and fired, then N frames through
// Program::drawFrame with the menu bar and the status panel. Counting instructions under
// callgrind, only measuredFrame counts.
//
//   bench_volley [--frames N] [--size WxH]

#include "app/program.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

void drawFrames(Program& program, int count) {
    for (int i = 0; i < count; ++i) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            program.handleEvent(event);
        }
        program.drawFrame();
    }
}

// Outside any inlining, so that callgrind's --toggle-collect can name it.
__attribute__((noinline)) void measuredFrame(Program& program) {
    drawFrames(program, 1);
}

// A press and its release, each followed by a frame, as the loop would see a key tap.
void tap(Program& program, SDL_Keycode sym, int times = 1) {
    for (int i = 0; i < times; ++i) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym = {SDL_GetScancodeFromKey(sym), sym, 0, 0};
        program.handleEvent(event);
        drawFrames(program, 1);
        event.type = SDL_KEYUP;
        program.handleEvent(event);
        drawFrames(program, 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 20;
    int windowWidth = 1280;
    int windowHeight = 1024;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            frames = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc &&
                   std::sscanf(argv[i + 1], "%dx%d", &windowWidth, &windowHeight) == 2 &&
                   windowWidth > 0 && windowHeight > 0) {
            ++i;
        } else {
            std::fprintf(stderr, "usage: %s [--frames N] [--size WxH]\n", argv[0]);
            return 2;
        }
    }
    std::string failure;
    std::unique_ptr<PlatformWindow> window = PlatformWindow::create("volley bench", failure);
    if (window == nullptr) {
        std::fprintf(stderr, "no window: %s\n", failure.c_str());
        return 1;
    }
    SDL_Window* sdlWindow = window->sdlWindow();
    Program program(std::move(window));
    if (!program.start()) {
        std::fprintf(stderr, "no GL context: %s\n", SDL_GetError());
        return 1;
    }
    SDL_SetWindowSize(sdlWindow, windowWidth, windowHeight);
    program.seedRandom(1);  // the same arena every run, so that runs compare
    program.runCommand(NewGameCommand);
    drawFrames(program, 2);
    // The proposals as they stand: two teams of one player with one tank each.
    for (int dialog = 0; dialog < 8 && program.world().setupInProgress; ++dialog) {
        tap(program, SDLK_RETURN);
    }
    if (program.world().currentTank() == nullptr) {
        std::fprintf(stderr, "no game was built\n");
        return 1;
    }
    tap(program, SDLK_UP, 45);  // cannon up: a long, high flight
    tap(program, SDLK_RETURN);
    drawFrames(program, 3);  // the first frames of the volley compile what they draw
    int drawn = 0;
    while (drawn < frames && program.world().shotInProgress) {
        measuredFrame(program);
        ++drawn;
    }
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(sdlWindow, &width, &height);
    std::printf("volley bench: %d frames of %d x %d with shells in flight\n", drawn, width, height);
    return drawn == frames ? 0 : 1;
}
