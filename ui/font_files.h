// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's font table (PanelFontInfo) and finding, reading and measuring font files.
// font_files.cpp has the bodies.
#pragma once

#include <array>
#include <string>
#include <vector>

// The panel's seven fonts, in creation order. Sizes are em heights in pixels (the character
// height without the internal leading), as a negative LOGFONT height would ask for.
struct PanelFontInfo {
    int emPixels;
    bool bold;
    const char* failureMessage;
};

enum PanelFontIndex : int {
    Font12 = 0,
    Font14,
    Font12Bold,
    Font16Bold,
    Font8,
    Font18Bold,
    Font20Bold,
    panelFontCount
};

extern const std::array<PanelFontInfo, panelFontCount> panelFontTable;

constexpr const char* fontFailureCaption = "Error";

// The file fontconfig picks for a pattern such as "Arial" or "Arial:bold"; empty when
// fontconfig has no font at all.
std::string findFontFile(const std::string& pattern);

// A whole file's bytes; false when it cannot be read.
bool readFontFile(const std::string& path, std::vector<unsigned char>& bytes);

// The pixel line height (ascent + descent) at which the font's em square measures `emPixels`;
// 0 when the bytes are no usable TrueType font.
float lineHeightForEm(const std::vector<unsigned char>& fontBytes, float emPixels);
