// SPDX-License-Identifier: GPL-3.0-or-later
// Binding each texture name and uploading its pixels with the game's filtering and wrapping.
#include "render/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

void bindAndUpload(const TextureEntry& entry, const RgbImage& image) {
    glBindTexture(GL_TEXTURE_2D, entry.name);
    uploadBoundTexture(image, entry.mipmapped);
}

}  // namespace

void uploadBoundTexture(const RgbImage& image, bool mipmapped) {
    if (image.pixels.empty()) {
        return;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // The decoded rows are padded exactly as this alignment expects, whatever the width.
    glPixelStorei(GL_UNPACK_ALIGNMENT, RgbImage::rowAlignment);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    if (mipmapped) {
        // The extra levels are built but nearest filtering never samples them.
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.width, image.height, GL_RGB,
                          GL_UNSIGNED_BYTE, image.pixels.data());
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image.pixels.data());
    }
}

void loadTextures(GameHost& host) {
    loadTextureBitmaps(host, "", bindAndUpload);
}
