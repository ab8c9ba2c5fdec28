// SPDX-License-Identifier: GPL-3.0-or-later
// The painters' colour arithmetic (mix, scale) and downsampling of a finer picture.
#include "tools/image.h"

#include <algorithm>

namespace assets {

Rgb mix(Rgb a, Rgb b, int weight) {
    weight = std::clamp(weight, 0, 256);
    auto channel = [weight](int x, int y) {
        return uint8_t((x * (256 - weight) + y * weight + 128) >> 8);
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Rgb scale(Rgb c, int percent) {
    auto channel = [percent](int x) { return uint8_t(std::clamp(x * percent / 100, 0, 255)); };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

Image downsample(const Image& source, int factor) {
    Image out(source.width / factor, source.height / factor);
    const int area = factor * factor;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    Rgb c = source.at(x * factor + dx, y * factor + dy);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            out.at(x, y) = {uint8_t((r + area / 2) / area), uint8_t((g + area / 2) / area),
                            uint8_t((b + area / 2) / area)};
        }
    }
    return out;
}

}  // namespace assets
