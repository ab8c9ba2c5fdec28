// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe of each camouflage pattern, its texels painted from tiling noise, and previews.
#include "tools/camouflage.h"

#include <cstdlib>

#include "tools/noise.h"

namespace assets {

namespace {

struct Layer {
    Rgb colour;
    int cellsX, cellsY;  // lattice cells across the tile; unequal counts stretch the shapes
    int threshold;       // noise above it (or, for a band, this close to the middle) paints
    bool band;
};

struct Recipe {
    Rgb base;
    Layer layers[3];
    int warp;            // how far the shapes are pushed about, in 1/256 of the noise range
    int blockW, blockH;  // > 1 gives a pixelated pattern of blocks this size
    uint32_t seed;
};

Recipe recipeFor(Camouflage kind) {
    switch (kind) {
        case Camouflage::Blue:
            return {{45, 85, 170},
                    {{{125, 168, 222}, 3, 3, 2350, false},
                     {{22, 36, 92}, 3, 3, 2500, false},
                     {{205, 222, 242}, 4, 4, 2850, false}},
                    96,
                    1,
                    1,
                    37};
        case Camouflage::Blue2:
            return {{60, 100, 175},
                    {{{28, 46, 110}, 4, 4, 2300, false},
                     {{140, 180, 230}, 4, 4, 2450, false},
                     {{15, 22, 60}, 8, 8, 2800, false}},
                    64,
                    4,
                    4,
                    38};
        case Camouflage::Fall:
            return {{196, 104, 34},
                    {{{218, 168, 58}, 3, 3, 2400, false},
                     {{140, 50, 24}, 3, 3, 2450, false},
                     {{66, 38, 20}, 4, 4, 2700, false}},
                    110,
                    1,
                    1,
                    39};
        case Camouflage::City:
            return {{128, 128, 132},
                    {{{190, 190, 192}, 4, 4, 2250, false},
                     {{58, 60, 66}, 4, 4, 2450, false},
                     {{236, 236, 236}, 8, 8, 2850, false}},
                    0,
                    16,
                    8,
                    40};
        case Camouflage::Forest:
            return {{56, 82, 38},
                    {{{98, 128, 56}, 3, 3, 2350, false},
                     {{102, 76, 44}, 3, 3, 2450, false},
                     {{24, 26, 20}, 4, 4, 2650, false}},
                    120,
                    1,
                    1,
                    41};
        case Camouflage::Forest2:
            // Tiger stripes: long dark bands over olive patches on khaki.
            return {{176, 156, 100},
                    {{{108, 116, 56}, 2, 4, 2350, false},
                     {{30, 32, 24}, 2, 12, 290, true},
                     {{}, 1, 1, 0, false}},
                    40,
                    1,
                    1,
                    42};
    }
    return {};
}

// Bricks of a city pattern are staggered on every other row.
void snapToBlock(int& x, int& y, const Recipe& r) {
    if (r.blockW <= 1 && r.blockH <= 1) {
        return;
    }
    const int row = y / r.blockH;
    const int shift = (r.blockW != r.blockH && row % 2 == 1) ? r.blockW / 2 : 0;
    x = ((x + shift) / r.blockW) * r.blockW - shift + r.blockW / 2;
    y = row * r.blockH + r.blockH / 2;
    x = (x + camouflageSize) % camouflageSize;
}

Rgb camouflageTexel(const Recipe& r, int x, int y) {
    snapToBlock(x, y, r);
    const int span = camouflageSize * 16;
    int sx = x * 16;
    int sy = y * 16;
    if (r.warp != 0) {
        const int dx = fractalNoise(sx, sy, span, 4, 4, 2, r.seed + 50) - 2048;
        const int dy = fractalNoise(sx, sy, span, 4, 4, 2, r.seed + 60) - 2048;
        sx += dx * r.warp / 256;
        sy += dy * r.warp / 256;
    }
    Rgb c = r.base;
    for (int i = 0; i < 3; ++i) {
        const Layer& layer = r.layers[i];
        if (layer.threshold == 0) {
            continue;
        }
        const int f =
            fractalNoise(sx, sy, span, layer.cellsX, layer.cellsY, 3, r.seed + uint32_t(i) * 1000u);
        const bool paint = layer.band ? std::abs(f - 2048) < layer.threshold : f > layer.threshold;
        if (paint) {
            c = layer.colour;
        }
    }
    // A little texel noise so that flat colours look like paint on steel.
    const int grain = int(latticeHash(x, y, r.seed + 7) % 9) - 4;
    return scale(c, 100 + grain);
}

}  // namespace

Image makeCamouflage(Camouflage kind) {
    const Recipe recipe = recipeFor(kind);
    Image image(camouflageSize, camouflageSize);
    for (int y = 0; y < camouflageSize; ++y) {
        for (int x = 0; x < camouflageSize; ++x) {
            image.at(x, y) = camouflageTexel(recipe, x, y);
        }
    }
    return image;
}

Image makeCamouflagePreview(Camouflage kind) {
    return downsample(makeCamouflage(kind), camouflageSize / previewSize);
}

}  // namespace assets
