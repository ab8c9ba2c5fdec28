// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies of ByteWriter and ByteReader.
#include "net/wire.h"

#include <cmath>
#include <cstring>

void ByteWriter::u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v));
    u16(static_cast<std::uint16_t>(v >> 16));
}

void ByteWriter::f32(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    u32(bits);
}

void ByteWriter::f64(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    u32(static_cast<std::uint32_t>(bits));
    u32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::text(const std::string& s, std::size_t maxLength) {
    const std::size_t n = s.size() < maxLength ? s.size() : maxLength;
    u16(static_cast<std::uint16_t>(n));
    bytes_.insert(bytes_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
}

bool ByteReader::take(void* out, std::size_t n) {
    if (failed_ || size_ - offset_ < n) {
        failed_ = true;
        std::memset(out, 0, n);
        return false;
    }
    std::memcpy(out, data_ + offset_, n);
    offset_ += n;
    return true;
}

std::uint8_t ByteReader::u8() {
    std::uint8_t v;
    take(&v, 1);
    return v;
}

std::uint16_t ByteReader::u16() {
    std::uint8_t b[2];
    take(b, 2);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t ByteReader::u32() {
    std::uint8_t b[4];
    take(b, 4);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

float ByteReader::f32() {
    const std::uint32_t bits = u32();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) {
        failed_ = true;
        return 0.0f;
    }
    return v;
}

double ByteReader::f64() {
    std::uint8_t b[8];
    take(b, 8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | b[i];
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) {
        failed_ = true;
        return 0.0;
    }
    return v;
}

bool ByteReader::boolean() {
    const std::uint8_t v = u8();
    if (v > 1)
        failed_ = true;
    return v == 1;
}

std::string ByteReader::text(std::size_t maxLength) {
    const std::size_t n = u16();
    if (failed_ || n > maxLength || n > size_ - offset_) {
        failed_ = true;
        return {};
    }
    std::string s(reinterpret_cast<const char*>(data_ + offset_), n);
    offset_ += n;
    return s;
}

std::int32_t ByteReader::ranged(std::int32_t lo, std::int32_t hi) {
    const std::int32_t v = i32();
    if (v < lo || v > hi) {
        failed_ = true;
        return lo;
    }
    return v;
}
