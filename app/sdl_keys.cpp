// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sdl_keys.h"

GameKey gameKeyFor(SDL_Keycode key) {
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return GameKey::Enter;
        case SDLK_PAGEUP:
            return GameKey::PageUp;
        case SDLK_PAGEDOWN:
            return GameKey::PageDown;
        case SDLK_HOME:
            return GameKey::Home;
        case SDLK_END:
            return GameKey::End;
        case SDLK_KP_PLUS:
            return GameKey::KeypadPlus;
        case SDLK_KP_MINUS:
            return GameKey::KeypadMinus;
        case SDLK_UP:
            return GameKey::Up;
        case SDLK_DOWN:
            return GameKey::Down;
        case SDLK_LEFT:
            return GameKey::Left;
        case SDLK_RIGHT:
            return GameKey::Right;
        default:
            return GameKey::Other;
    }
}
