#include "render/bitmap_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "tests/render/bitmap_test_files.h"

using namespace bitmap_test;

namespace {

using Patches = std::vector<std::pair<std::size_t, std::uint32_t>>;

std::vector<std::uint8_t> patched(std::vector<std::uint8_t> bytes, const Patches& patches) {
    for (auto [at, value] : patches) {
        put32(bytes, at, value);
    }
    return bytes;
}

BitmapResult<RawBitmap> parse(const std::vector<std::uint8_t>& bytes) {
    return parseBitmap(bytes.data(), bytes.size());
}

RgbImage decode(const std::vector<std::uint8_t>& bytes) {
    BitmapResult<RawBitmap> raw = parse(bytes);
    EXPECT_TRUE(raw.ok()) << describeBitmapError(raw.error);
    return convertBitmapToRgb(raw.value);
}

// Every pixel in its place as RGB, rows counted from the bottom, each row padded to a
// multiple of four bytes without copying the file's padding.
void expectPositionColours(const RgbImage& image, int width, int height, bool topDown) {
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.pixels.size(), image.rowStride() * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Bgr want = positionColour(x, topDown ? height - 1 - y : y);
            const std::uint8_t* p = image.at(x, y);
            ASSERT_EQ((Bgr{p[2], p[1], p[0]}), want) << x << "," << y;
        }
        for (std::size_t pad = width * 3; pad < image.rowStride(); ++pad) {
            ASSERT_NE(image.pixels[y * image.rowStride() + pad], paddingMarker);
        }
    }
}

}  // namespace

TEST(BitmapDecoding, AnyWidthEitherRowOrderAndHeaderLayout) {
    const struct {
        int width;
        std::size_t stride;
    } widths[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {7, 24}, {64, 192}};
    for (const auto& w : widths) {
        SCOPED_TRACE(w.width);
        const RgbImage bottomUp = decode(goodBmp(w.width, 3));
        EXPECT_EQ(bottomUp.rowStride(), w.stride);
        expectPositionColours(bottomUp, w.width, 3, false);
        expectPositionColours(decode(goodBmp(w.width, -3)), w.width, 3, true);
    }
    // A version 5 info header with a gap before the pixels; an exact stated size.
    expectPositionColours(decode(patched(goodBmp(5, 3, 84), {{14, 124}, {34, 48}})), 5, 3, false);
    // A writer that dropped the padding of the final row.
    auto unpadded = goodBmp(5, 3);
    unpadded.pop_back();
    expectPositionColours(decode(unpadded), 5, 3, false);
}

TEST(BitmapDecoding, UnsupportedFormatsGiveABlackPictureOfTheHeaderSize) {
    const struct {
        const char* what;
        Patches patches;
        int width;
    } cases[] = {
        {"8-bit palette", {{28, 8}}, 4},
        {"8-bit rows filling the 48 bytes exactly", {{28, 8}, {18, 12}}, 12},
        {"16-bit top-down", {{28, 16}, {22, std::uint32_t(-4)}}, 4},
        {"24-bit bit fields", {{30, 3}}, 4},
        {"run-length, sized by its block", {{28, 8}, {30, 1}, {34, 10}}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RgbImage image = decode(patched(goodBmp(4, 4), c.patches));
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, 4);
        EXPECT_EQ(image.pixels, std::vector<std::uint8_t>(image.rowStride() * 4, 0));
    }
}

TEST(BitmapRejection, MalformedHeadersAreRefusedForTheRightReason) {
    const std::uint32_t minusFour = std::uint32_t(-4), mostNegative = std::uint32_t(INT_MIN);
    const struct {
        const char* what;
        Patches patches;
        BitmapError expected;
    } cases[] = {
        {"pixel offset zero", {{10, 0}}, BitmapError::BadHeader},
        {"pixel offset inside the info header", {{10, 40}}, BitmapError::BadHeader},
        {"pixel offset past the end", {{10, 0xFFFFFFF0u}}, BitmapError::BadHeader},
        {"old core header", {{14, 12}}, BitmapError::BadHeader},
        {"info header overlapping the pixels", {{14, 41}}, BitmapError::BadHeader},
        {"zero width", {{18, 0}}, BitmapError::BadDimensions},
        {"negative width", {{18, minusFour}}, BitmapError::BadDimensions},
        {"zero height", {{22, 0}}, BitmapError::BadDimensions},
        {"most negative height", {{22, mostNegative}}, BitmapError::BadDimensions},
        {"huge width", {{18, INT_MAX}}, BitmapError::BadDimensions},
        {"width times height overflowing",
         {{18, 0x10000}, {22, 0x10000}},
         BitmapError::BadDimensions},
        {"stated size short of the rows", {{34, 47}}, BitmapError::TruncatedPixels},
        {"stated size past the end", {{34, 49}}, BitmapError::TruncatedPixels},
        {"more rows than present", {{22, 5}}, BitmapError::TruncatedPixels},
        {"8-bit rows four bytes past the end", {{28, 8}, {18, 13}}, BitmapError::TruncatedPixels},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(parse(patched(goodBmp(4, 4), c.patches)).error, c.expected);
    }
    EXPECT_EQ(parseBitmap(nullptr, 0).error, BitmapError::NotABitmap);
    EXPECT_EQ(parse({'M', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0}).error,
              BitmapError::NotABitmap);
}

// Cut anywhere or with any header byte spoiled, nothing reads outside a buffer (the
// sanitizer build watches) and whatever is accepted decodes consistently.
TEST(BitmapRejection, EveryTruncationAndHeaderByteMutationIsHandled) {
    auto good = goodBmp(5, 3);
    for (std::size_t length = 0; length <= good.size(); ++length) {
        EXPECT_EQ(parseBitmap(good.data(), length).ok(), length >= good.size() - 1) << length;
    }
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

TEST(BitmapFiles, ReadsFromDiskAndRefusesWhatIsNotAFile) {
    TempFolder folder;
    BitmapResult<RgbImage> loaded = loadBitmap(folder.write("good.bmp", goodBmp(3, 2)));
    ASSERT_TRUE(loaded.ok()) << describeBitmapError(loaded.error);
    expectPositionColours(loaded.value, 3, 2, false);
    EXPECT_EQ(loadBitmap((folder.path / "absent.bmp").string()).error, BitmapError::CannotOpen);
    EXPECT_FALSE(loadBitmap(folder.path.string()).ok());
}
