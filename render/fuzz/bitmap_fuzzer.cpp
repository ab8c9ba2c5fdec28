// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the bitmap parser and converter. The sanitizers catch any read or
// write outside a buffer; the checks below catch an accepted file that decodes inconsistently.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "render/bitmap_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BitmapResult<RawBitmap> raw = parseBitmap(data, size);
    if (!raw.ok()) {
        if (!raw.value.pixels.empty() || !raw.value.headerBlock.empty()) {
            std::abort();
        }
        return 0;
    }
    const BitmapInfo& info = raw.value.info;
    if (raw.value.headerBlock.size() + 14 != info.pixelOffset ||
        raw.value.pixels.size() > size - info.pixelOffset) {
        std::abort();
    }
    RgbImage image = convertBitmapToRgb(raw.value);
    if (image.width != info.width || image.height != info.rows() ||
        image.pixels.size() != image.rowStride() * static_cast<std::size_t>(image.height) ||
        static_cast<std::int64_t>(image.width) * image.height > maxBitmapPixels) {
        std::abort();
    }
    // The icons' path: the same parse with the icon cap, which accepts a subset, and the flip
    // into top-down rows, which keeps every byte.
    const bool iconSized = info.width <= maxIconSide && info.rows() <= maxIconSide;
    if (parseBitmap(data, size, maxIconSide).ok() != iconSized ||
        flipRows(image).pixels.size() != image.pixels.size()) {
        std::abort();
    }
    // Reading every byte lets the sanitizers see uninitialised or foreign memory.
    unsigned sum = 0;
    for (std::uint8_t b : image.pixels) {
        sum += b;
    }
    if (!info.isConvertible() && sum != 0) {
        std::abort();
    }
    return 0;
}
