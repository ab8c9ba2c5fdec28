#pragma once

// A tiny bitmap writer for the reader's tests: every header field can be set to any value,
// so malformed files are as easy to make as good ones.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace bitmap_test {

struct BmpFields {
    std::int32_t width = 4;
    std::int32_t height = 4;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::uint32_t infoSize = 40;
    std::uint32_t pixelOffset = 54;
};

using Bgr = std::array<std::uint8_t, 3>;

// Padding bytes carry this value so a reader that copies them shows up.
constexpr std::uint8_t paddingMarker = 0xEE;

inline void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t v) {
    out[at] = v & 0xFF;
    out[at + 1] = v >> 8;
}

inline void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = (v >> (8 * i)) & 0xFF;
    }
}

// Rows as stored in the file, first stored row first, each padded to 4 bytes.
inline std::vector<std::uint8_t> storedRows(int width, int rows,
                                            const std::function<Bgr(int x, int row)>& pixel) {
    std::vector<std::uint8_t> out;
    for (int row = 0; row < rows; ++row) {
        for (int x = 0; x < width; ++x) {
            Bgr p = pixel(x, row);
            out.insert(out.end(), p.begin(), p.end());
        }
        while (out.size() % 4 != 0) {
            out.push_back(paddingMarker);
        }
    }
    return out;
}

// A distinct colour for every position, so misplaced pixels are told apart.
inline Bgr positionColour(int x, int row) {
    return {static_cast<std::uint8_t>(x * 7 + 1), static_cast<std::uint8_t>(row * 13 + 2),
            static_cast<std::uint8_t>((x + row) * 3 + 3)};
}

inline std::vector<std::uint8_t> makeBmp(const BmpFields& f,
                                         const std::vector<std::uint8_t>& pixels) {
    // Offsets past any sensible header still get a small file: the reader must notice.
    std::size_t headerEnd = std::min<std::size_t>(std::max<std::size_t>(f.pixelOffset, 54), 4096);
    std::vector<std::uint8_t> out(headerEnd, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(headerEnd + pixels.size()));
    put32(out, 10, f.pixelOffset);
    put32(out, 14, f.infoSize);
    put32(out, 18, static_cast<std::uint32_t>(f.width));
    put32(out, 22, static_cast<std::uint32_t>(f.height));
    put16(out, 26, 1);
    put16(out, 28, f.bitCount);
    put32(out, 30, f.compression);
    put32(out, 34, f.sizeImage);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

// A good 24-bit file with position colours.
inline std::vector<std::uint8_t> goodBmp(int width, int height) {
    BmpFields f;
    f.width = width;
    f.height = height;
    return makeBmp(f, storedRows(width, height < 0 ? -height : height, positionColour));
}

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        static int counter = 0;
        path_ =
            std::filesystem::temp_directory_path() /
            ("krellmont-bitmap-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

  private:
    std::filesystem::path path_;
};

}  // namespace bitmap_test
