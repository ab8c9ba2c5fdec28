// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap reader's types (BitmapInfo, RawBitmap, RgbImage) and calls, parseBitmap to
// loadBitmap; bitmap_reader.cpp has the bodies.
#pragma once

// Reads the game's texture pictures: uncompressed 24-bit Windows bitmaps. Pure parsing,
// no GL, so the tests and the fuzzer drive it directly. A malformed file is refused as a
// whole; nothing is ever read or written outside a buffer.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Why a file was refused; the game names the file and this reason in its message.
enum class BitmapError {
    None,
    Missing,          // no such file
    CannotOpen,       // unreadable
    NotRegularFile,   // a folder, pipe or device in the file's place
    TooLarge,         // more bytes than any bitmap we accept needs
    NotABitmap,       // shorter than the file header, or the first word is not "BM"
    BadHeader,        // pixel offset or info header size that cannot describe a bitmap
    BadDimensions,    // zero, negative width, or beyond the size we accept
    TruncatedPixels,  // the file holds fewer pixel bytes than its header promises
};

const char* describeBitmapError(BitmapError error);

// Largest side and pixel count we accept; far beyond any texture the game ships.
constexpr std::int32_t maxBitmapSide = 16384;
constexpr std::int64_t maxBitmapPixels = std::int64_t{4096} * 4096;
// Window and About box icons: refused, not scaled, beyond this side. Window systems choke
// on big icons, and an icon never needs more.
constexpr std::int32_t maxIconSide = 256;

// The header fields that decide how the pixels are read.
struct BitmapInfo {
    std::uint32_t pixelOffset = 0;  // bfOffBits
    std::uint32_t infoSize = 0;     // biSize
    std::int32_t width = 0;         // biWidth
    std::int32_t height = 0;        // biHeight: negative when rows are stored top-down
    std::uint16_t bitCount = 0;     // biBitCount
    std::uint32_t compression = 0;  // biCompression; 0 is uncompressed
    std::uint32_t sizeImage = 0;    // biSizeImage; 0 means "compute it"

    std::int32_t rows() const { return height < 0 ? -height : height; }
    bool topDown() const { return height < 0; }
    // Only these are decoded; anything else becomes a black picture of the same size.
    bool isConvertible() const { return bitCount == 24 && compression == 0; }
};

// A file as stored: its header block (bytes 14 up to the pixel offset) and pixel block.
struct RawBitmap {
    BitmapInfo info;
    std::vector<std::uint8_t> headerBlock;
    std::vector<std::uint8_t> pixels;
};

// RGB pixels ready for glTexImage2D: rows bottom-up (OpenGL's origin is the lower left),
// each row padded to a multiple of `rowAlignment` bytes, which is GL's default
// GL_UNPACK_ALIGNMENT. Widths that are a multiple of 4 have no padding at all.
struct RgbImage {
    static constexpr int rowAlignment = 4;

    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::size_t rowStride() const { return paddedRowBytes(width); }
    static std::size_t paddedRowBytes(int width) {
        std::size_t bytes = static_cast<std::size_t>(width) * 3;
        return (bytes + rowAlignment - 1) / rowAlignment * rowAlignment;
    }
    // Pointer to the red byte of pixel (x, y), y counted from the bottom row.
    const std::uint8_t* at(int x, int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * rowStride() +
               static_cast<std::size_t>(x) * 3;
    }
};

template <class T>
struct BitmapResult {
    BitmapError error = BitmapError::None;
    T value;

    bool ok() const { return error == BitmapError::None; }
};

// Parses a whole file held in memory; a side over `maxSide` is BadDimensions.
BitmapResult<RawBitmap> parseBitmap(const std::uint8_t* data, std::size_t size,
                                    std::int32_t maxSide = maxBitmapSide);

// Reads (as files/data_file.h does: regular files only, never blocking) and parses a file.
BitmapResult<RawBitmap> readBitmapFile(const std::string& fileName,
                                       std::int32_t maxSide = maxBitmapSide);

// Turns BGR into RGB and the rows bottom-up. Compressed or non-24-bit pictures give an
// all-black image of the header's size.
RgbImage convertBitmapToRgb(const RawBitmap& bitmap);

// The same picture with its rows in the other order: top-down, as window systems and ImGui
// take them.
RgbImage flipRows(const RgbImage& image);

// Reads, parses and converts: what the texture loader and the icons use.
BitmapResult<RgbImage> loadBitmap(const std::string& fileName,
                                  std::int32_t maxSide = maxBitmapSide);
