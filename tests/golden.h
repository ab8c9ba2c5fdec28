// SPDX-License-Identifier: GPL-3.0-or-later
// expectAsReviewed: the tests' comparison of text with its reviewed copy on disk.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

// Compares text with its reviewed copy at `path`; KRELLMONT_UPDATE_GOLDEN=1 rewrites the copy.
inline void expectAsReviewed(const std::string& path, const std::string& text) {
    if (const char* update = std::getenv("KRELLMONT_UPDATE_GOLDEN"); update && *update == '1')
        std::ofstream(path) << text;
    std::ifstream reviewed(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reviewed), {}), text) << path;
}
