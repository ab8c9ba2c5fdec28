#include "render/bitmap_reader.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/render/bitmap_test_files.h"

using namespace bitmap_test;

namespace {

BitmapResult<RawBitmap> parse(const std::vector<std::uint8_t>& bytes) {
    return parseBitmap(bytes.data(), bytes.size());
}

RgbImage decode(const std::vector<std::uint8_t>& bytes) {
    BitmapResult<RawBitmap> raw = parse(bytes);
    EXPECT_TRUE(raw.ok()) << describeBitmapError(raw.error);
    return convertBitmapToRgb(raw.value);
}

// Every pixel lands at its place, as RGB, with the rows counted from the bottom.
void expectPositionColours(const RgbImage& image, int width, int height, bool topDown) {
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.pixels.size(), image.rowStride() * height);
    for (int y = 0; y < height; ++y) {
        int storedRow = topDown ? height - 1 - y : y;
        for (int x = 0; x < width; ++x) {
            Bgr expected = positionColour(x, storedRow);
            const std::uint8_t* p = image.at(x, y);
            ASSERT_EQ(p[0], expected[2]) << "red at " << x << "," << y;
            ASSERT_EQ(p[1], expected[1]) << "green at " << x << "," << y;
            ASSERT_EQ(p[2], expected[0]) << "blue at " << x << "," << y;
        }
        for (std::size_t pad = static_cast<std::size_t>(width) * 3; pad < image.rowStride();
             ++pad) {
            ASSERT_NE(image.pixels[y * image.rowStride() + pad], paddingMarker);
        }
    }
}

bool allZero(const std::vector<std::uint8_t>& bytes) {
    for (std::uint8_t b : bytes) {
        if (b != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(BitmapDecoding, BlueFirstStoredPixelIsTheLowerLeftTexel) {
    BmpFields f;
    f.width = 64;
    f.height = 64;
    auto bytes = makeBmp(f, storedRows(64, 64, [](int x, int row) {
                             return x == 0 && row == 0 ? Bgr{0xFF, 0, 0} : Bgr{0, 0, 0};
                         }));
    RgbImage image = decode(bytes);
    ASSERT_EQ(image.rowStride(), 64u * 3);
    const std::uint8_t* lowerLeft = image.at(0, 0);
    EXPECT_EQ(lowerLeft[0], 0);
    EXPECT_EQ(lowerLeft[1], 0);
    EXPECT_EQ(lowerLeft[2], 255);
    EXPECT_EQ(image.at(1, 0)[2], 0);
}

TEST(BitmapDecoding, EveryWidthHonoursTheFileRowPadding) {
    for (int width : {1, 2, 3, 4, 5, 6, 7, 13, 64}) {
        SCOPED_TRACE(width);
        RgbImage image = decode(goodBmp(width, 3));
        EXPECT_EQ(image.rowStride() % RgbImage::rowAlignment, 0u);
        EXPECT_LT(image.rowStride() - width * 3, 4u);
        expectPositionColours(image, width, 3, false);
    }
}

TEST(BitmapDecoding, TopDownFilesComeOutTheRightWayUp) {
    for (int width : {3, 4}) {
        SCOPED_TRACE(width);
        expectPositionColours(decode(goodBmp(width, -5)), width, 5, true);
    }
}

TEST(BitmapDecoding, HeaderVariantsThatDescribeTheSamePixels) {
    auto rows = storedRows(5, 3, positionColour);
    BmpFields exact;
    exact.width = 5;
    exact.height = 3;
    exact.sizeImage = static_cast<std::uint32_t>(rows.size());
    expectPositionColours(decode(makeBmp(exact, rows)), 5, 3, false);

    // A bigger info header and a gap (a palette, say) before the pixels.
    BmpFields later = exact;
    later.infoSize = 124;
    later.pixelOffset = 14 + 124 + 20;
    expectPositionColours(decode(makeBmp(later, rows)), 5, 3, false);

    // A writer that dropped the padding of the final row.
    BmpFields unsized = exact;
    unsized.sizeImage = 0;
    auto shortened = rows;
    shortened.resize(rows.size() - 1);
    expectPositionColours(decode(makeBmp(unsized, shortened)), 5, 3, false);

    // A stated size larger than the rows, with trailing bytes to back it.
    BmpFields generous = exact;
    generous.sizeImage += 8;
    auto padded = rows;
    padded.resize(rows.size() + 8, 0x55);
    expectPositionColours(decode(makeBmp(generous, padded)), 5, 3, false);
}

TEST(BitmapDecoding, UnsupportedFormatsGiveABlackPictureOfTheHeaderSize) {
    struct Case {
        const char* what;
        std::uint16_t bitCount;
        std::uint32_t compression;
        std::int32_t height;
        std::vector<std::uint8_t> pixels;
    };
    const Case cases[] = {
        {"8-bit palette", 8, 0, 6, std::vector<std::uint8_t>(8 * 6, 0x77)},
        {"32-bit", 32, 0, 6, std::vector<std::uint8_t>(6 * 4 * 6, 0x77)},
        {"24-bit bit fields", 24, 3, 6, std::vector<std::uint8_t>(6 * 3 * 6, 0x77)},
        {"top-down 8-bit", 8, 0, -6, std::vector<std::uint8_t>(8 * 6, 0x77)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BmpFields f;
        f.width = 6;
        f.height = c.height;
        f.bitCount = c.bitCount;
        f.compression = c.compression;
        f.pixelOffset = 54 + (c.bitCount == 8 ? 1024 : 0);
        RgbImage image = decode(makeBmp(f, c.pixels));
        EXPECT_EQ(image.width, 6);
        EXPECT_EQ(image.height, 6);
        EXPECT_EQ(image.pixels.size(), image.rowStride() * 6);
        EXPECT_TRUE(allZero(image.pixels));
    }

    // Run-length data sized by its stated block, shorter than the picture.
    BmpFields rle;
    rle.width = 16;
    rle.height = 16;
    rle.bitCount = 8;
    rle.compression = 1;
    rle.sizeImage = 10;
    rle.pixelOffset = 54 + 1024;
    RgbImage image = decode(makeBmp(rle, std::vector<std::uint8_t>(10, 1)));
    EXPECT_EQ(image.width, 16);
    EXPECT_TRUE(allZero(image.pixels));
}

TEST(BitmapRejection, MalformedFilesAreRefusedForTheRightReason) {
    auto rows = storedRows(4, 4, positionColour);
    struct Case {
        const char* what;
        std::function<void(BmpFields&)> change;
        BitmapError expected;
    };
    const Case cases[] = {
        {"pixel offset inside the file header", [](BmpFields& f) { f.pixelOffset = 13; },
         BitmapError::BadHeader},
        {"pixel offset zero", [](BmpFields& f) { f.pixelOffset = 0; }, BitmapError::BadHeader},
        {"pixel offset inside the info header", [](BmpFields& f) { f.pixelOffset = 40; },
         BitmapError::BadHeader},
        {"pixel offset past the end", [](BmpFields& f) { f.pixelOffset = 0xFFFFFFF0u; },
         BitmapError::BadHeader},
        {"old core header", [](BmpFields& f) { f.infoSize = 12; }, BitmapError::BadHeader},
        {"info header overlapping the pixels", [](BmpFields& f) { f.infoSize = 41; },
         BitmapError::BadHeader},
        {"zero width", [](BmpFields& f) { f.width = 0; }, BitmapError::BadDimensions},
        {"negative width", [](BmpFields& f) { f.width = -4; }, BitmapError::BadDimensions},
        {"zero height", [](BmpFields& f) { f.height = 0; }, BitmapError::BadDimensions},
        {"most negative height", [](BmpFields& f) { f.height = INT_MIN; },
         BitmapError::BadDimensions},
        {"huge width", [](BmpFields& f) { f.width = INT_MAX; }, BitmapError::BadDimensions},
        {"width times height overflowing",
         [](BmpFields& f) {
             f.width = 0x10000;
             f.height = 0x10000;
         },
         BitmapError::BadDimensions},
        {"too many pixels within the side limit",
         [](BmpFields& f) {
             f.width = maxBitmapSide;
             f.height = maxBitmapSide;
         },
         BitmapError::BadDimensions},
        {"stated size smaller than the rows", [](BmpFields& f) { f.sizeImage = 47; },
         BitmapError::TruncatedPixels},
        {"stated size past the end", [](BmpFields& f) { f.sizeImage = 49; },
         BitmapError::TruncatedPixels},
        {"taller than the rows present", [](BmpFields& f) { f.height = 5; },
         BitmapError::TruncatedPixels},
        {"palette picture cut short",
         [](BmpFields& f) {
             f.bitCount = 8;
             f.width = 100;
         },
         BitmapError::TruncatedPixels},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BmpFields f;
        c.change(f);
        BitmapResult<RawBitmap> result = parse(makeBmp(f, rows));
        EXPECT_EQ(result.error, c.expected) << describeBitmapError(result.error);
        EXPECT_TRUE(result.value.pixels.empty());
        EXPECT_TRUE(result.value.headerBlock.empty());
    }
}

TEST(BitmapRejection, ShortOrForeignFilesAreNotBitmaps) {
    auto good = goodBmp(4, 4);
    EXPECT_EQ(parseBitmap(nullptr, 0).error, BitmapError::NotABitmap);
    EXPECT_EQ(parseBitmap(good.data(), 13).error, BitmapError::NotABitmap);
    auto swapped = good;
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(parse(swapped).error, BitmapError::NotABitmap);
}

// Cutting a good file anywhere, or spoiling any header byte, must never read outside a
// buffer (the sanitizer build watches) and whatever is accepted must be self-consistent.
TEST(BitmapRejection, EveryTruncationAndHeaderByteMutationIsHandled) {
    auto good = goodBmp(5, 3);
    for (std::size_t length = 0; length <= good.size(); ++length) {
        BitmapResult<RawBitmap> result = parseBitmap(good.data(), length);
        EXPECT_EQ(result.ok(), length >= good.size() - 1) << length;
    }
    for (std::size_t at = 0; at < 54; ++at) {
        for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            auto bytes = good;
            bytes[at] = value;
            BitmapResult<RawBitmap> result = parse(bytes);
            if (!result.ok()) {
                continue;
            }
            RgbImage image = convertBitmapToRgb(result.value);
            ASSERT_EQ(image.pixels.size(), image.rowStride() * image.height) << at;
            ASSERT_LE(static_cast<std::int64_t>(image.width) * image.height, maxBitmapPixels);
        }
    }
}

TEST(BitmapConversion, AHandMadeShortPixelBlockGivesNoPixels) {
    RawBitmap raw;
    raw.info.width = 8;
    raw.info.height = 8;
    raw.info.bitCount = 24;
    raw.pixels.assign(10, 0xAB);
    RgbImage image = convertBitmapToRgb(raw);
    EXPECT_TRUE(image.pixels.empty());

    raw.info.height = -INT_MAX;
    EXPECT_TRUE(convertBitmapToRgb(raw).pixels.empty());
}

TEST(BitmapFiles, ReadsFromDiskAndRefusesWhatIsNotAFile) {
    TempFolder folder;
    std::string good = folder.write("good.bmp", goodBmp(3, 2));
    BitmapResult<RgbImage> loaded = loadBitmap(good);
    ASSERT_TRUE(loaded.ok()) << describeBitmapError(loaded.error);
    expectPositionColours(loaded.value, 3, 2, false);

    BitmapResult<RawBitmap> raw = readBitmapFile(good);
    ASSERT_TRUE(raw.ok());
    EXPECT_EQ(raw.value.headerBlock.size(), 40u);
    EXPECT_EQ(raw.value.info.width, 3);

    EXPECT_EQ(loadBitmap((folder.path() / "absent.bmp").string()).error, BitmapError::CannotOpen);
    EXPECT_FALSE(loadBitmap(folder.path().string()).ok());
    EXPECT_EQ(loadBitmap(folder.write("empty.bmp", {})).error, BitmapError::NotABitmap);
}
