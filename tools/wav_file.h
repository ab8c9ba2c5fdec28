// SPDX-License-Identifier: GPL-3.0-or-later
// Mono PCM sound in memory, and its 16-bit WAV encoding and decoding.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace assets {

struct Sound {
    int sampleRate = 22050;
    std::vector<float> samples;  // -1..1

    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

// 16-bit mono PCM; samples beyond -1..1 are clipped.
std::vector<uint8_t> encodeWav16(const Sound& sound);

// Reads 8- or 16-bit PCM with any number of channels (mixed down to mono). Walks the chunks
// with bounds checks; a data chunk that claims more than the file holds is cut to what is
// there, since some writers leave the size unset. Nothing when the bytes are no such WAV.
std::optional<Sound> decodeWav(const std::vector<uint8_t>& bytes);

}  // namespace assets
