// SPDX-License-Identifier: GPL-3.0-or-later
// The three lines of our own that the About box shows under the version.
#pragma once

inline constexpr const char* aboutLines[3] = {
    "A turn-based 3-D tank artillery game for two teams at one keyboard.",
    "Written in C++17 with SDL2, Dear ImGui, SDL2_mixer and OpenGL.",
    "Its pictures, sounds and help are made by its own build tools.",
};
