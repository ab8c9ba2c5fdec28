// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding a Sound as a 16-bit WAV file, and decoding PCM WAV files chunk by chunk.
#include "tools/wav_file.h"
#include "tools/little_endian.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace assets {

namespace {

void putTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

uint32_t get16(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}
uint32_t get32(const uint8_t* p) {
    return get16(p) | get16(p + 2) << 16;
}

}  // namespace

std::vector<uint8_t> encodeWav16(const Sound& sound) {
    const uint32_t dataBytes = uint32_t(sound.samples.size()) * 2;
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, uint32_t(sound.sampleRate));
    put32(out, uint32_t(sound.sampleRate) * 2);
    put16(out, 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (float s : sound.samples) {
        const float clipped = std::clamp(s, -1.0f, 1.0f);
        const int v = int(std::lround(clipped * 32767.0f));
        put16(out, uint32_t(uint16_t(int16_t(v))));
    }
    return out;
}

std::optional<Sound> decodeWav(const std::vector<uint8_t>& bytes) {
    const size_t size = bytes.size();
    const uint8_t* p = bytes.data();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    uint32_t channels = 0, rate = 0, bits = 0, format = 0;
    bool haveFormat = false;
    size_t pos = 12;
    while (pos + 8 <= size) {
        const uint8_t* chunk = p + pos;
        const size_t declared = get32(chunk + 4);
        const size_t available = size - pos - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (declared < 16 || available < 16) {
                return std::nullopt;
            }
            format = get16(chunk + 8);
            channels = get16(chunk + 10);
            rate = get32(chunk + 12);
            bits = get16(chunk + 22);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat || format != 1 || channels == 0 || rate == 0 || rate > 384000 ||
                (bits != 8 && bits != 16)) {
                return std::nullopt;
            }
            const size_t frameBytes = size_t(channels) * (bits / 8);
            const size_t frames = std::min(declared, available) / frameBytes;
            Sound sound;
            sound.sampleRate = int(rate);
            sound.samples.reserve(frames);
            const uint8_t* data = chunk + 8;
            for (size_t f = 0; f < frames; ++f) {
                float sum = 0.0f;
                for (uint32_t c = 0; c < channels; ++c) {
                    const uint8_t* s = data + f * frameBytes + c * (bits / 8);
                    sum += bits == 8 ? (float(s[0]) - 128.0f) / 128.0f
                                     : float(int16_t(uint16_t(get16(s)))) / 32768.0f;
                }
                sound.samples.push_back(sum / float(channels));
            }
            return sound;
        }
        // Chunks are padded to an even length.
        const size_t step = 8 + declared + (declared & 1);
        if (step > size - pos) {
            break;
        }
        pos += step;
    }
    return std::nullopt;
}

}  // namespace assets
