// SPDX-License-Identifier: GPL-3.0-or-later
// GameRandom: the game's own seeded generator of 0..32767, so a seeded game replays exactly.
#pragma once

#include <cstdint>

// The game's own generator, yielding 0..32767 like the classic C library one.
// The program seeds it once from the clock; tests seed it so a game replays exactly.
class GameRandom {
public:
    static constexpr int maxValue = 32767;

    explicit GameRandom(std::uint32_t seed = 1) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }
    // What seed() would take to go on from here.
    std::uint32_t state() const { return state_; }

    int next() {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ / 65536u) % 32768u);
    }

private:
    std::uint32_t state_;
};
