// SPDX-License-Identifier: GPL-3.0-or-later
// Font files found through fontconfig, read whole, checked and measured for their line height.
#include "ui/font_files.h"

#include <fontconfig/fontconfig.h>
#include <stb/stb_truetype.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>

namespace {

std::uint32_t bigEndian(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// stb_truetype trusts the file's table directory; check that it and every table it names lie
// inside the bytes before handing them over.
bool tableDirectoryFits(const std::vector<unsigned char>& b, std::size_t start) {
    const std::size_t size = b.size();
    if (start > size || size - start < 12) {
        return false;
    }
    const std::size_t tables = bigEndian(b, start + 4, 2);
    if ((size - start - 12) / 16 < tables) {
        return false;
    }
    for (std::size_t i = 0; i < tables; ++i) {
        const std::size_t record = start + 12 + 16 * i;
        const std::uint64_t offset = bigEndian(b, record + 8, 4);
        const std::uint64_t length = bigEndian(b, record + 12, 4);
        if (offset + length > size) {
            return false;
        }
    }
    return true;
}

}  // namespace

const std::array<PanelFontInfo, panelFontCount> panelFontTable = {{
    {16, false, "Failed to create Arial 12pt Font"},
    {19, false, "Failed to create Arial 14pt Font"},
    {16, true, "Failed to create Arial 12pt Bold Font"},
    {21, true, "Failed to create Arial 16pt bold Font"},
    {11, false, "Failed to create Arial 8pt Font"},
    {24, true, "Failed to create Arial 18pt bold Font"},
    {27, true, "Failed to create Arial 20pt bold Font"},
}};

std::string findFontFile(const std::string& pattern) {
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (wanted == nullptr) {
        return {};
    }
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    FcPatternDestroy(wanted);
    if (match == nullptr) {
        return {};
    }
    std::string path;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
        path = reinterpret_cast<const char*>(file);
    }
    FcPatternDestroy(match);
    return path;
}

bool readFontFile(const std::string& path, std::vector<unsigned char>& bytes) {
    bytes.clear();
    if (path.empty()) {
        return false;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return false;
    }
    unsigned char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return !std::ferror(file.get()) && !bytes.empty();
}

float lineHeightForEm(const std::vector<unsigned char>& fontBytes, float emPixels) {
    if (fontBytes.size() < 12 ||
        fontBytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return 0.0f;
    }
    int offset = 0;
    if (bigEndian(fontBytes, 0, 4) == 0x74746366u) {  // "ttcf": a collection, use its first font
        if (fontBytes.size() < 16) {
            return 0.0f;
        }
        offset = static_cast<int>(bigEndian(fontBytes, 12, 4));
    }
    if (offset < 0 || !tableDirectoryFits(fontBytes, static_cast<std::size_t>(offset))) {
        return 0.0f;
    }
    stbtt_fontinfo info;
    if (!stbtt_InitFont(&info, fontBytes.data(), offset)) {
        return 0.0f;
    }
    int ascent = 0;
    int descent = 0;
    int lineGap = 0;
    stbtt_GetFontVMetrics(&info, &ascent, &descent, &lineGap);
    const float scale = stbtt_ScaleForMappingEmToPixels(&info, emPixels);
    const float height = static_cast<float>(ascent - descent) * scale;
    return height > 0.0f ? height : 0.0f;
}
