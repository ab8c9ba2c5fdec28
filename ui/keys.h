// SPDX-License-Identifier: GPL-3.0-or-later
// Key: the program's own names for the keys it reads; sdl_keys.h maps SDL's codes onto them.
#pragma once

// The keys the program listens to, independent of the windowing library: the menu bar's
// keyboard and the game's keys read the same ones.
enum class Key {
    F10,
    Alt,
    Left,
    Right,
    Up,
    Down,
    Enter,  // either Enter key
    Escape,
    Letter,  // a to z or 0 to 9; what it types comes as text
    PageUp,
    PageDown,
    Home,
    End,
    KeypadPlus,
    KeypadMinus,
    Other,
};
