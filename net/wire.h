// SPDX-License-Identifier: GPL-3.0-or-later
// ByteWriter and ByteReader: the bounded little-endian encoding every network message uses;
// wire.cpp has the bodies.
#pragma once

// A peer's bytes are hostile until read: the reader never reads past its buffer, and a
// failed read (too short, a string longer than its bound, a value out of range) fails every
// later read too, so a decoder checks ok() once at the end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class ByteWriter {
  public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    // The float's bits, so a value crosses unchanged.
    void f32(float v);
    void f64(double v);
    void boolean(bool v) { u8(v ? 1 : 0); }
    // A u16 length, then the bytes; at most maxLength of them are written.
    void text(const std::string& s, std::size_t maxLength);
    void raw(const Bytes& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }

    const Bytes& bytes() const { return bytes_; }
    Bytes take() { return std::move(bytes_); }

  private:
    Bytes bytes_;
};

class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const Bytes& b) : ByteReader(b.data(), b.size()) {}
    // The reader keeps no copy: bytes that die with the statement cannot be read.
    explicit ByteReader(Bytes&&) = delete;

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // Refuses NaN and infinities: no rule of the game has a use for them.
    float f32();
    double f64();
    // Refuses anything but 0 and 1.
    bool boolean();
    // Refuses a length beyond maxLength.
    std::string text(std::size_t maxLength);
    // An integer that must lie within lo..hi.
    std::int32_t ranged(std::int32_t lo, std::int32_t hi);
    // Marks the read as failed, for a decoder's own checks.
    void refuse() { failed_ = true; }

    bool ok() const { return !failed_; }
    // True when every byte has been read and nothing failed: trailing bytes are malformed.
    bool finished() const { return !failed_ && offset_ == size_; }
    std::size_t remaining() const { return failed_ ? 0 : size_ - offset_; }

  private:
    bool take(void* out, std::size_t n);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
    bool failed_ = false;
};
