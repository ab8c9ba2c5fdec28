// SPDX-License-Identifier: GPL-3.0-or-later
// loadTextures and uploadBoundTexture: the GL side of the texture table; textures.cpp has
// the bodies.
#pragma once

// Uploads the game's pictures into their fixed texture names. Needs a current GL context.

#include <string>

#include "render/texture_table.h"

class GameHost;

// Loads every texture of the table from the working directory, in the table's order.
// Called once by the scene set-up.
void loadTextures(GameHost& host);

// Uploads decoded pixels to the texture currently bound to GL_TEXTURE_2D, with the game's
// parameters (nearest filtering, repeat wrapping) and a matching unpack alignment.
void uploadBoundTexture(const RgbImage& image, bool mipmapped);
