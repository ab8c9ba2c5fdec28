// SPDX-License-Identifier: GPL-3.0-or-later
// The table from SDL's key codes to the program's keys.
#include "ui/sdl_keys.h"

Key keyFor(SDL_Keycode key) {
    switch (key) {
        case SDLK_F10:
            return Key::F10;
        case SDLK_LALT:
        case SDLK_RALT:
            return Key::Alt;
        case SDLK_LEFT:
            return Key::Left;
        case SDLK_RIGHT:
            return Key::Right;
        case SDLK_UP:
            return Key::Up;
        case SDLK_DOWN:
            return Key::Down;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Key::Enter;
        case SDLK_ESCAPE:
            return Key::Escape;
        case SDLK_PAGEUP:
            return Key::PageUp;
        case SDLK_PAGEDOWN:
            return Key::PageDown;
        case SDLK_HOME:
            return Key::Home;
        case SDLK_END:
            return Key::End;
        case SDLK_KP_PLUS:
            return Key::KeypadPlus;
        case SDLK_KP_MINUS:
            return Key::KeypadMinus;
        default:
            return (key >= SDLK_a && key <= SDLK_z) || (key >= SDLK_0 && key <= SDLK_9)
                       ? Key::Letter
                       : Key::Other;
    }
}
