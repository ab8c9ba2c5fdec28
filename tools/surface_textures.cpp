// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the arena floor and the prize crate.
#include "tools/surface_textures.h"

#include <algorithm>
#include <cstdlib>

#include "tools/noise.h"

namespace assets {

namespace {

constexpr int floorSize = 256;

int wrapped(int v) {
    return ((v % floorSize) + floorSize) % floorSize;
}

// Pebbles are drawn with wrapped coordinates so that stones on an edge continue on the
// opposite edge and the tile stays seamless.
void scatterPebbles(Image& image) {
    Dice dice(2024);
    for (int i = 0; i < 70; ++i) {
        const int cx = dice.between(0, floorSize - 1);
        const int cy = dice.between(0, floorSize - 1);
        const int r = dice.between(1, 3);
        const int tone = dice.between(105, 145);
        const Rgb stone{uint8_t(tone), uint8_t(tone - 6), uint8_t(tone - 16)};
        for (int dy = -r - 1; dy <= r + 1; ++dy) {
            for (int dx = -r - 1; dx <= r + 1; ++dx) {
                const int d2 = dx * dx + dy * dy;
                Rgb& texel = image.at(wrapped(cx + dx), wrapped(cy + dy));
                if (d2 <= r * r) {
                    // lit from the upper left
                    texel = scale(stone, 100 - (dx + dy) * 6);
                } else if (d2 <= (r + 1) * (r + 1) && dx + dy > 0) {
                    texel = scale(texel, 75);  // shadow to the lower right
                }
            }
        }
    }
}

}  // namespace

Image makeFloor() {
    const Rgb loam{98, 82, 58};
    const Rgb sand{156, 134, 96};
    const Rgb grass{104, 116, 64};
    Image image(floorSize, floorSize);
    const int span = floorSize * 4;  // quarter-texel precision
    for (int y = 0; y < floorSize; ++y) {
        for (int x = 0; x < floorSize; ++x) {
            const int sx = x * 4;
            const int sy = y * 4;
            const int soil = fractalNoise(sx, sy, span, 4, 4, 5, 101);
            const int tufts = fractalNoise(sx, sy, span, 8, 8, 3, 202);
            // A narrow blend keeps large patches from marking out the repeats across the arena.
            Rgb c = mix(loam, sand, 72 + soil * 112 / noiseMax);
            if (tufts > 2500) {
                c = mix(c, grass, (tufts - 2500) / 5);
            }
            const int grain = int(latticeHash(x, y, 303) % 17) - 8;
            image.at(x, y) = scale(c, 100 + grain);
        }
    }
    scatterPebbles(image);
    return image;
}

Image makePrize() {
    const int size = 128;
    const Rgb hazardYellow{250, 204, 22};
    const Rgb hazardBlack{28, 28, 28};
    const Rgb panel{34, 74, 204};
    const Rgb white{248, 248, 244};
    const int border = 18;
    // The bold plus on the panel, as two overlapping bars: x0, y0, x1, y1 (exclusive).
    const int bars[2][4] = {{52, 30, 76, 98}, {30, 52, 98, 76}};
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int edge = std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y));
            Rgb c;
            if (edge < 2) {
                c = hazardBlack;
            } else if (edge < border) {
                c = ((x + y) / 12) % 2 == 0 ? hazardYellow : hazardBlack;
            } else if (edge < border + 3) {
                c = scale(panel, 60);  // bevel between frame and panel
            } else {
                c = panel;
                for (const auto& bar : bars) {
                    if (x >= bar[0] && y >= bar[1] && x < bar[2] && y < bar[3]) {
                        c = white;
                    }
                }
                // Soft shade toward the lower right gives the panel some depth.
                c = scale(c, 108 - (x + y) * 16 / size);
            }
            image.at(x, y) = c;
        }
    }
    return image;
}

}  // namespace assets
