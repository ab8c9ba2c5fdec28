// SPDX-License-Identifier: GPL-3.0-or-later
// The tiling noise: hashed lattice values smoothly blended, summed in octaves; and Dice.
#include "tools/noise.h"

namespace assets {

namespace {

int wrap(int v, int m) {
    int r = v % m;
    return r < 0 ? r + m : r;
}

// Hermite smoothing of a fraction in 0..256, result 0..256.
int smooth(int f) {
    return f * f * (3 * 256 - 2 * f) / 65536;
}

int lerp(int a, int b, int t256) {
    return a + (b - a) * t256 / 256;
}

}  // namespace

uint32_t latticeHash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u;
    h ^= uint32_t(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

int valueNoise(int x, int y, int span, int cellsX, int cellsY, uint32_t seed) {
    const int cellW = span / cellsX;
    const int cellH = span / cellsY;
    x = wrap(x, span);
    y = wrap(y, span);
    const int ix = x / cellW;
    const int iy = y / cellH;
    const int fx = smooth((x % cellW) * 256 / cellW);
    const int fy = smooth((y % cellH) * 256 / cellH);
    const int ix1 = (ix + 1) % cellsX;
    const int iy1 = (iy + 1) % cellsY;
    auto corner = [seed](int cx, int cy) { return int(latticeHash(cx, cy, seed) & noiseMax); };
    const int top = lerp(corner(ix, iy), corner(ix1, iy), fx);
    const int bottom = lerp(corner(ix, iy1), corner(ix1, iy1), fx);
    return lerp(top, bottom, fy);
}

int fractalNoise(int x, int y, int span, int cellsX, int cellsY, int octaves, uint32_t seed) {
    int sum = 0;
    int total = 0;
    int weight = 1 << (octaves - 1);
    for (int o = 0; o < octaves; ++o) {
        sum +=
            weight * valueNoise(x, y, span, cellsX << o, cellsY << o, seed + uint32_t(o) * 7919u);
        total += weight;
        weight >>= 1;
    }
    // Sums of several layers cluster around the middle; stretch them back over the range.
    int v = sum / total;
    v = 2048 + (v - 2048) * (octaves > 1 ? 3 : 2) / 2;
    return v < 0 ? 0 : (v > noiseMax ? noiseMax : v);
}

uint32_t Dice::next() {
    state_ += 0x6D2B79F5u;
    uint32_t z = state_;
    z = (z ^ (z >> 15)) * (z | 1u);
    z ^= z + (z ^ (z >> 7)) * (z | 61u);
    return z ^ (z >> 14);
}

int Dice::between(int low, int high) {
    return low + int(next() % uint32_t(high - low + 1));
}

}  // namespace assets
