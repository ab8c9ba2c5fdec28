// SPDX-License-Identifier: GPL-3.0-or-later
// bitmap_test::goodBmp: bitmap files built in memory for the reader's tests.
#pragma once

// A tiny bitmap writer for the reader's tests. Files start good; tests spoil header bytes.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace bitmap_test {

using Bgr = std::array<std::uint8_t, 3>;

// Padding bytes carry this value so a reader that copies them shows up.
constexpr std::uint8_t paddingMarker = 0xEE;

// A distinct colour for every position, so misplaced pixels are told apart.
inline Bgr positionColour(int x, int row) {
    return {std::uint8_t(x * 7 + 1), std::uint8_t(row * 13 + 2), std::uint8_t(x + row * 3)};
}

inline void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = std::uint8_t(v >> (8 * i));
}

// A 24-bit file with a 40-byte info header, `gap` bytes before the pixels (a palette, say)
// and rows of position colours, each padded to 4 bytes, first stored row first.
inline std::vector<std::uint8_t> goodBmp(int width, int height, std::uint32_t gap = 0) {
    std::vector<std::uint8_t> out(54 + gap, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 10, 54 + gap);
    put32(out, 14, 40);
    put32(out, 18, std::uint32_t(width));
    put32(out, 22, std::uint32_t(height));
    out[26] = 1;
    out[28] = 24;
    for (int row = 0; row < std::abs(height); ++row) {
        for (int x = 0; x < width; ++x) {
            Bgr p = positionColour(x, row);
            out.insert(out.end(), p.begin(), p.end());
        }
        while ((out.size() - 54 - gap) % 4 != 0)
            out.push_back(paddingMarker);
    }
    return out;
}

}  // namespace bitmap_test
