// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding an Image as a 24-bit bottom-up bitmap with padded rows.
#include "tools/bmp_writer.h"
#include "tools/little_endian.h"

#include <cstdio>

namespace assets {

std::vector<uint8_t> encodeBmp24(const Image& image) {
    const uint32_t fileHeaderSize = 14;
    const uint32_t infoHeaderSize = 40;
    const uint32_t rowBytes = (uint32_t(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * uint32_t(image.height);
    const uint32_t offset = fileHeaderSize + infoHeaderSize;

    std::vector<uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixelBytes);
    put32(out, 0);
    put32(out, offset);

    put32(out, infoHeaderSize);
    put32(out, uint32_t(image.width));
    put32(out, uint32_t(image.height));  // positive: bottom-up rows
    put16(out, 1);                       // planes
    put16(out, 24);                      // bits per pixel
    put32(out, 0);                       // BI_RGB
    put32(out, pixelBytes);
    put32(out, 2835);  // 72 dpi, in pixels per metre
    put32(out, 2835);
    put32(out, 0);  // no palette
    put32(out, 0);

    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            Rgb c = image.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (uint32_t pad = uint32_t(image.width) * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace assets
