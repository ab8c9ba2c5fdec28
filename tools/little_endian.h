// SPDX-License-Identifier: GPL-3.0-or-later
// Appending 16- and 32-bit little-endian integers to a byte buffer, for the BMP and WAV writers.
#pragma once

#include <cstdint>
#include <vector>

// BMP and WAV headers both store their numbers least significant byte first.
namespace assets {

inline void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

inline void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace assets
