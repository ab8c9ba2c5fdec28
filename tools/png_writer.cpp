// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding an Image as PNG with stb_image_write.
#include "tools/png_writer.h"

#include <stb/stb_image_write.h>

namespace assets {

namespace {

void append(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(context);
    const auto* first = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), first, first + size);
}

}  // namespace

std::vector<uint8_t> encodePng(const Image& image) {
    std::vector<uint8_t> bytes;
    static_assert(sizeof(Rgb) == 3, "the encoder reads the pixels as packed RGB");
    if (stbi_write_png_to_func(append, &bytes, image.width, image.height, 3, image.pixels.data(),
                               image.width * 3) == 0) {
        bytes.clear();
    }
    return bytes;
}

}  // namespace assets
