// SPDX-License-Identifier: GPL-3.0-or-later
// Integer noise that tiles: the same bytes on every compiler and optimisation level,
// and seamless when a texture repeats across the floor or a tank's faces.
#pragma once

#include <cstdint>

namespace assets {

constexpr int noiseMax = 4095;

// Well-mixed 32 bits from a lattice point and a seed.
uint32_t latticeHash(int32_t x, int32_t y, uint32_t seed);

// Smooth value noise in 0..noiseMax over a square tile `span` units wide, with cellsX by
// cellsY lattice cells across it. span must be a multiple of both cell counts. Coordinates
// wrap, so the result repeats every span units in both directions.
int valueNoise(int x, int y, int span, int cellsX, int cellsY, uint32_t seed);

// Sum of `octaves` value-noise layers, each with twice the cells and half the weight of the
// one before; result in 0..noiseMax.
int fractalNoise(int x, int y, int span, int cellsX, int cellsY, int octaves, uint32_t seed);

// Small deterministic generator for scattering details and for sound synthesis.
class Dice {
  public:
    explicit Dice(uint32_t seed) : state_(seed) {}
    uint32_t next();
    // Uniform integer in [low, high].
    int between(int low, int high);

  private:
    uint32_t state_;
};

}  // namespace assets
