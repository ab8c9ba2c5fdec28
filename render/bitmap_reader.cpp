// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing and converting 24-bit bitmaps: header checks, pixel block sizes, BGR rows to padded
// RGB rows, and the refusals.
#include "render/bitmap_reader.h"

#include "files/data_file.h"

#include <algorithm>

namespace {

constexpr std::size_t fileHeaderBytes = 14;
// The info header fields we read end at byte 42; anything shorter (such as the old
// 12-byte core header, laid out differently) cannot be read this way.
constexpr std::uint32_t minInfoHeaderBytes = 40;
// Nothing we accept needs more; a bigger file is refused unread.
constexpr std::size_t maxFileBytes = std::size_t{128} << 20;

std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Rows in the file are padded to whole 4-byte words.
std::int64_t fileRowBytes(std::int32_t width) {
    return (std::int64_t{width} * 3 + 3) / 4 * 4;
}

bool dimensionsAcceptable(const BitmapInfo& info, std::int32_t maxSide = maxBitmapSide) {
    std::int64_t rows = info.height < 0 ? -std::int64_t{info.height} : std::int64_t{info.height};
    maxSide = std::min(maxSide, maxBitmapSide);
    return info.width > 0 && rows > 0 && info.width <= maxSide && rows <= maxSide &&
           std::int64_t{info.width} * rows <= maxBitmapPixels;
}

// Bytes the conversion reads: every row but the last with its padding, the last without,
// so files whose writer dropped the final padding still load.
std::int64_t convertedPixelBytes(const BitmapInfo& info) {
    return fileRowBytes(info.width) * (info.rows() - 1) + std::int64_t{info.width} * 3;
}

// The pixel block the header declares; -1 when it cannot hold what conversion reads.
std::int64_t declaredPixelBytes(const BitmapInfo& info, std::size_t available) {
    if (info.isConvertible()) {
        std::int64_t needed = convertedPixelBytes(info);
        if (info.sizeImage != 0) {
            return info.sizeImage >= needed ? std::int64_t{info.sizeImage} : -1;
        }
        // No stated size: the padded rows, or as much of them as the file holds.
        std::int64_t padded = fileRowBytes(info.width) * info.rows();
        return std::max(needed, std::min<std::int64_t>(padded, available));
    }
    if (info.sizeImage != 0) {
        return info.sizeImage;
    }
    return std::int64_t{info.rows()} * info.bitCount * info.width / 8;
}

BitmapInfo readInfo(const std::uint8_t* file) {
    BitmapInfo info;
    info.pixelOffset = le32(file + 10);
    info.infoSize = le32(file + 14);
    info.width = static_cast<std::int32_t>(le32(file + 18));
    info.height = static_cast<std::int32_t>(le32(file + 22));
    info.bitCount = le16(file + 28);
    info.compression = le32(file + 30);
    info.sizeImage = le32(file + 34);
    return info;
}

template <class T>
BitmapResult<T> refuse(BitmapError error) {
    BitmapResult<T> result;
    result.error = error;
    return result;
}

RgbImage blackImage(int width, int height) {
    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(RgbImage::paddedRowBytes(width) * static_cast<std::size_t>(height), 0);
    return image;
}

}  // namespace

const char* describeBitmapError(BitmapError error) {
    switch (error) {
        case BitmapError::None:
            return "no error";
        case BitmapError::Missing:
            return describeDataFileError(DataFileError::Missing);
        case BitmapError::CannotOpen:
            return describeDataFileError(DataFileError::Unreadable);
        case BitmapError::NotRegularFile:
            return describeDataFileError(DataFileError::NotRegular);
        case BitmapError::TooLarge:
            return describeDataFileError(DataFileError::TooLarge);
        case BitmapError::NotABitmap:
            return "not a Windows bitmap";
        case BitmapError::BadHeader:
            return "the bitmap header is inconsistent";
        case BitmapError::BadDimensions:
            return "the bitmap's width or height is out of range";
        case BitmapError::TruncatedPixels:
            return "the file holds fewer pixels than its header states";
    }
    return "unknown error";
}

BitmapResult<RawBitmap> parseBitmap(const std::uint8_t* data, std::size_t size,
                                    std::int32_t maxSide) {
    if (data == nullptr || size < fileHeaderBytes || data[0] != 'B' || data[1] != 'M') {
        return refuse<RawBitmap>(BitmapError::NotABitmap);
    }
    std::uint32_t pixelOffset = le32(data + 10);
    if (pixelOffset < fileHeaderBytes + minInfoHeaderBytes || pixelOffset > size) {
        return refuse<RawBitmap>(BitmapError::BadHeader);
    }
    BitmapInfo info = readInfo(data);
    if (info.infoSize < minInfoHeaderBytes || info.infoSize > pixelOffset - fileHeaderBytes) {
        return refuse<RawBitmap>(BitmapError::BadHeader);
    }
    if (!dimensionsAcceptable(info, maxSide)) {
        return refuse<RawBitmap>(BitmapError::BadDimensions);
    }
    std::size_t available = size - pixelOffset;
    std::int64_t pixelBytes = declaredPixelBytes(info, available);
    if (pixelBytes < 0 || static_cast<std::uint64_t>(pixelBytes) > available) {
        return refuse<RawBitmap>(BitmapError::TruncatedPixels);
    }

    BitmapResult<RawBitmap> result;
    result.value.info = info;
    result.value.headerBlock.assign(data + fileHeaderBytes, data + pixelOffset);
    result.value.pixels.assign(data + pixelOffset,
                               data + pixelOffset + static_cast<std::size_t>(pixelBytes));
    return result;
}

BitmapResult<RawBitmap> readBitmapFile(const std::string& fileName, std::int32_t maxSide) {
    DataFile file = readDataFile(fileName, maxFileBytes);
    switch (file.error) {
        case DataFileError::None:
            return parseBitmap(file.bytes.data(), file.bytes.size(), maxSide);
        case DataFileError::Missing:
            return refuse<RawBitmap>(BitmapError::Missing);
        case DataFileError::NotRegular:
            return refuse<RawBitmap>(BitmapError::NotRegularFile);
        case DataFileError::TooLarge:
            return refuse<RawBitmap>(BitmapError::TooLarge);
        case DataFileError::Unreadable:
            break;
    }
    return refuse<RawBitmap>(BitmapError::CannotOpen);
}

RgbImage convertBitmapToRgb(const RawBitmap& bitmap) {
    const BitmapInfo& info = bitmap.info;
    if (!dimensionsAcceptable(info)) {
        return RgbImage{};
    }
    const int width = info.width;
    const int rows = info.rows();
    RgbImage image = blackImage(width, rows);
    if (!info.isConvertible()) {
        return image;
    }
    // A raw bitmap put together by hand rather than parsed may be short; give it no pixels.
    if (static_cast<std::int64_t>(bitmap.pixels.size()) < convertedPixelBytes(info)) {
        return RgbImage{};
    }
    const std::size_t inStride = static_cast<std::size_t>(fileRowBytes(width));
    const std::size_t outStride = image.rowStride();
    for (int row = 0; row < rows; ++row) {
        const std::uint8_t* in = bitmap.pixels.data() + static_cast<std::size_t>(row) * inStride;
        int outRow = info.topDown() ? rows - 1 - row : row;
        std::uint8_t* out = image.pixels.data() + static_cast<std::size_t>(outRow) * outStride;
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return image;
}

RgbImage flipRows(const RgbImage& image) {
    RgbImage flipped = image;
    const std::size_t stride = image.rowStride();
    for (int row = 0; row < image.height; ++row) {
        std::copy_n(
            image.pixels.data() + static_cast<std::size_t>(row) * stride, stride,
            flipped.pixels.data() + static_cast<std::size_t>(image.height - 1 - row) * stride);
    }
    return flipped;
}

BitmapResult<RgbImage> loadBitmap(const std::string& fileName, std::int32_t maxSide) {
    BitmapResult<RawBitmap> raw = readBitmapFile(fileName, maxSide);
    if (!raw.ok()) {
        return refuse<RgbImage>(raw.error);
    }
    BitmapResult<RgbImage> result;
    result.value = convertBitmapToRgb(raw.value);
    return result;
}
