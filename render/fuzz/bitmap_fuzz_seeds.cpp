// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a small starting corpus for the bitmap fuzzer: good files of several shapes and
// formats, so the fuzzer begins past the header checks.

#include <cstdio>
#include <string>

#include "tests/render/bitmap_test_files.h"

using namespace bitmap_test;

namespace {

void writeSeed(const std::string& folder, const std::string& name,
               const std::vector<std::uint8_t>& bytes) {
    std::string path = folder + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::perror(path.c_str());
        return;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    writeSeed(folder, "seed-4x4.bmp", goodBmp(4, 4));
    writeSeed(folder, "seed-3x5.bmp", goodBmp(3, 5));
    writeSeed(folder, "seed-7x2-top-down.bmp", goodBmp(7, -2));
    writeSeed(folder, "seed-1x1.bmp", goodBmp(1, 1));

    auto palette = goodBmp(8, 2, 16);
    palette[28] = 8;
    writeSeed(folder, "seed-8bit.bmp", palette);

    auto rle = palette;
    put32(rle, 30, 1);
    put32(rle, 34, 6);
    writeSeed(folder, "seed-rle.bmp", rle);

    auto v5 = goodBmp(5, 3, 84);
    put32(v5, 14, 124);
    put32(v5, 34, 48);
    writeSeed(folder, "seed-v5.bmp", v5);
    return 0;
}
