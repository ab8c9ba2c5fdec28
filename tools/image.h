// SPDX-License-Identifier: GPL-3.0-or-later
// In-memory RGB picture the generator paints into before it is encoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assets {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

inline bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b) {
    return !(a == b);
}

// Rows run top to bottom, as one looks at the picture; the encoder flips them.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image() = default;
    Image(int w, int h, Rgb fill = {})
        : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}

    Rgb& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Rgb at(int x, int y) const {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

// Blend b over a by weight/256 (weight clamped to 0..256).
Rgb mix(Rgb a, Rgb b, int weight);
// Multiply every channel by percent/100, saturating at 255.
Rgb scale(Rgb c, int percent);
// Average of each factor x factor block; the sides must divide evenly.
Image downsample(const Image& source, int factor);

}  // namespace assets
