// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the bitmap reader: widths, row orders, header layouts, refusals and truncations.
#include "render/bitmap_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <utility>

#include "tests/render/bitmap_test_files.h"

using namespace bitmap_test;

namespace {

using Patches = std::vector<std::pair<std::size_t, std::uint32_t>>;

// The file with each patch's 32-bit value written at its offset.
BitmapResult<RawBitmap> parse(std::vector<std::uint8_t> bytes, const Patches& patches = {}) {
    for (auto [at, value] : patches)
        put32(bytes, at, value);
    return parseBitmap(bytes.data(), bytes.size());
}

// Every pixel in its place as RGB, rows counted from the bottom, each row padded to a
// multiple of four bytes without copying the file's padding.
void expectPositionColours(const RgbImage& image, int width, int height, bool topDown) {
    ASSERT_EQ(image.width * 1000 + image.height, width * 1000 + height);
    ASSERT_EQ(image.pixels.size(), image.rowStride() * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = image.at(x, y);
            ASSERT_EQ((Bgr{p[2], p[1], p[0]}), positionColour(x, topDown ? height - 1 - y : y))
                << x << "," << y;
        }
        for (std::size_t pad = width * 3; pad < image.rowStride(); ++pad)
            ASSERT_NE(image.pixels[y * image.rowStride() + pad], paddingMarker);
    }
}

RgbImage decode(const std::vector<std::uint8_t>& bytes, const Patches& patches = {}) {
    BitmapResult<RawBitmap> raw = parse(bytes, patches);
    EXPECT_TRUE(raw.ok()) << describeBitmapError(raw.error);
    return convertBitmapToRgb(raw.value);
}

TEST(BitmapReader, DecodesAnyWidthEitherRowOrderAndHeaderLayout) {
    const struct {
        int width;
        std::size_t stride;
    } widths[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {7, 24}, {64, 192}, {16384, 49152}};
    for (const auto& w : widths) {
        const RgbImage bottomUp = decode(goodBmp(w.width, 3));
        EXPECT_EQ(bottomUp.rowStride(), w.stride);
        expectPositionColours(bottomUp, w.width, 3, false);
        expectPositionColours(decode(goodBmp(w.width, -3)), w.width, 3, true);
    }
    // A version 5 info header with a gap before the pixels; an exact stated size.
    expectPositionColours(decode(goodBmp(5, 3, 84), {{14, 124}, {34, 48}}), 5, 3, false);
    auto unpadded = goodBmp(5, 3);  // a writer that dropped the padding of the final row
    unpadded.pop_back();
    expectPositionColours(decode(unpadded), 5, 3, false);
}

// A 4 x 4 file spoiled in its header: refused for the right reason, or (formats the game
// does not draw) a black picture of the stated width.
TEST(BitmapReader, MalformedHeadersAreRefusedForTheRightReason) {
    const std::uint32_t minusFour = std::uint32_t(-4);
    using E = BitmapError;
    const struct {
        const char* what;
        Patches patches;
        E expected;
        int blackWidth;
    } cases[] = {
        {"pixel offset zero", {{10, 0}}, E::BadHeader, 0},
        {"pixel offset inside the info header", {{10, 40}}, E::BadHeader, 0},
        {"pixel offset past the end", {{10, 0xFFFFFFF0u}}, E::BadHeader, 0},
        {"old core header", {{14, 12}}, E::BadHeader, 0},
        {"info header overlapping the pixels", {{14, 41}}, E::BadHeader, 0},
        {"zero width", {{18, 0}}, E::BadDimensions, 0},
        {"negative width", {{18, minusFour}}, E::BadDimensions, 0},
        {"zero height", {{22, 0}}, E::BadDimensions, 0},
        {"most negative height", {{22, std::uint32_t(INT_MIN)}}, E::BadDimensions, 0},
        {"huge width", {{18, INT_MAX}}, E::BadDimensions, 0},
        {"more pixels than the cap", {{18, 0x4000}, {22, 0x4000}}, E::BadDimensions, 0},
        {"exactly the cap, its pixels missing", {{18, 4096}, {22, 4096}}, E::TruncatedPixels, 0},
        {"stated size short of the rows", {{34, 47}}, E::TruncatedPixels, 0},
        {"stated size past the end", {{34, 49}}, E::TruncatedPixels, 0},
        {"more rows than present", {{22, 5}}, E::TruncatedPixels, 0},
        {"8-bit rows four bytes past the end", {{28, 8}, {18, 13}}, E::TruncatedPixels, 0},
        {"8-bit palette", {{28, 8}}, E::None, 4},
        {"8-bit rows filling the 48 bytes exactly", {{28, 8}, {18, 12}}, E::None, 12},
        {"16-bit top-down", {{28, 16}, {22, minusFour}}, E::None, 4},
        {"24-bit bit fields", {{30, 3}}, E::None, 4},
        {"run-length, sized by its block", {{28, 8}, {30, 1}, {34, 10}}, E::None, 4},
    };
    for (const auto& c : cases) {
        const BitmapResult<RawBitmap> raw = parse(goodBmp(4, 4), c.patches);
        EXPECT_EQ(raw.error, c.expected) << c.what;
        const RgbImage image = convertBitmapToRgb(raw.value);
        if (c.blackWidth > 0) {
            EXPECT_EQ(image.width * 1000 + image.height, c.blackWidth * 1000 + 4) << c.what;
            EXPECT_EQ(image.pixels, std::vector<std::uint8_t>(image.rowStride() * 4, 0)) << c.what;
        }
    }
    EXPECT_EQ(parseBitmap(nullptr, 0).error, E::NotABitmap);
    EXPECT_EQ(parse({'M', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0}).error, E::NotABitmap);
}

// Cut anywhere or with any header byte spoiled, nothing reads outside a buffer (the
// sanitizer build watches) and whatever is accepted decodes consistently.
TEST(BitmapReader, EveryTruncationAndHeaderByteMutationIsHandled) {
    auto good = goodBmp(5, 3);
    for (std::size_t length = 0; length <= good.size(); ++length)
        EXPECT_EQ(parseBitmap(good.data(), length).ok(), length >= good.size() - 1) << length;
    for (std::size_t at = 0; at < 54; ++at) {
        for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            auto bytes = good;
            bytes[at] = value;
            BitmapResult<RawBitmap> raw = parse(bytes);
            RgbImage image = convertBitmapToRgb(raw.value);
            ASSERT_EQ(image.pixels.size(), image.rowStride() * image.height) << at;
            ASSERT_EQ(raw.ok(), image.width > 0) << at;
        }
    }
    RawBitmap handMade;  // a pixel block shorter than its header says
    handMade.info = parse(good).value.info;
    handMade.pixels.resize(10);
    EXPECT_TRUE(convertBitmapToRgb(handMade).pixels.empty());
}

// From disk a file ends where its bytes end, or at 128 MB: pixels past either are missing.
// Only a regular file of a size some bitmap could need is read, and nothing blocks: a pipe
// with no writer would hang an ordinary open for good.
TEST(BitmapReader, RefusesWhatIsNoRegularFileOrTooLargeWithoutBlocking) {
    const std::string scratch = testing::TempDir() + std::to_string(getpid()) + "reader";
    std::filesystem::create_directory(scratch);
    const auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes,
                           std::uintmax_t size) {
        const std::string path = scratch + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::min<std::size_t>(size, 100));
        std::filesystem::resize_file(path, size);
        return path;
    };
    ASSERT_EQ(mkfifo((scratch + "/pipe.bmp").c_str(), 0600), 0);
    auto farPixels = goodBmp(5, 3);
    put32(farPixels, 10, (128u << 20) + 54);
    const struct {
        std::string path;
        BitmapError error;
    } cases[] = {
        {scratch + "/missing.bmp", BitmapError::Missing},
        {scratch, BitmapError::NotRegularFile},
        {scratch + "/pipe.bmp", BitmapError::NotRegularFile},
        {"/dev/zero", BitmapError::NotRegularFile},
        {write("short.bmp", goodBmp(5, 3), 54 + 46), BitmapError::TruncatedPixels},
        {write("far.bmp", farPixels, (128u << 20) + 54 + 47), BitmapError::TooLarge},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readBitmapFile(c.path).error, c.error) << c.path;

    // Icons: refused, not scaled, past 256 on either side.
    for (auto [width, height] : {std::pair{256, 256}, {257, 1}, {1, 257}}) {
        const std::string path =
            write("icon.bmp", goodBmp(width, height), goodBmp(width, height).size());
        EXPECT_EQ(loadBitmap(path, maxIconSide).error,
                  width * height > 256 * 256 / 2 ? BitmapError::None : BitmapError::BadDimensions)
            << width << "x" << height;
    }
    std::filesystem::remove_all(scratch);
}

}  // namespace
