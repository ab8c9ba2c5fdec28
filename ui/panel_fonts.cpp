// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the dialog and panel fonts into ImGui's atlas, the stand-in font, and font metrics
// in whole pixels.
#include "ui/views.h"

#include <cmath>
#include <cstring>

namespace {

// Dialogs, menus and button captions use the regular face at this em height.
constexpr float dialogEmPixels = 13.0f;

// Names are typed in these scripts as well: the faces that show them (dialogs, the team line)
// carry their letters. A letter the font lacks still shows as '?'.
const ImWchar nameGlyphRanges[] = {
    0x0020, 0x024F,  // Basic Latin, Latin-1, Latin Extended-A and -B
    0x0370, 0x03FF,  // Greek
    0x0400, 0x052F,  // Cyrillic and its supplement
    0x1E00, 0x1EFF,  // Latin Extended Additional
    0,
};

struct FontFace {
    std::vector<unsigned char> bytes;
    bool usable = false;
};

FontFace loadFace(const char* pattern) {
    FontFace face;
    face.usable = readFontFile(findFontFile(pattern), face.bytes) &&
                  lineHeightForEm(face.bytes, 10.0f) > 0.0f;
    return face;
}

// The atlas takes ownership of a copy made with ImGui's allocator.
ImFont* addFace(ImFontAtlas& atlas, const FontFace& face, float emPixels,
                const ImWchar* glyphRanges = nullptr) {
    if (!face.usable) {
        return nullptr;
    }
    const float pixelHeight = lineHeightForEm(face.bytes, emPixels);
    void* copy = ImGui::MemAlloc(face.bytes.size());
    if (copy == nullptr) {
        return nullptr;
    }
    std::memcpy(copy, face.bytes.data(), face.bytes.size());
    ImFontConfig config;
    config.OversampleH = 2;
    config.OversampleV = 1;
    config.PixelSnapH = true;
    config.GlyphRanges = glyphRanges;
    ImFont* font = atlas.AddFontFromMemoryTTF(copy, static_cast<int>(face.bytes.size()),
                                              std::round(pixelHeight), &config);
    if (font == nullptr) {
        ImGui::MemFree(copy);
    }
    return font;
}

}  // namespace

PanelFonts loadPanelFonts(ImFontAtlas& atlas, MessageQueue& messages, float scale) {
    const FontFace regular = loadFace("Arial");
    const FontFace bold = loadFace("Arial:bold");

    // The first font added is ImGui's default: menus and dialogs. Without a usable face
    // ImGui's built-in font stands in.
    if (addFace(atlas, regular, dialogEmPixels * scale, nameGlyphRanges) == nullptr) {
        ImFontConfig config;
        config.SizePixels = std::round(13.0f * scale);  // the built-in font's own size
        atlas.AddFontDefault(&config);
    }
    PanelFonts fonts;
    fonts.scale = scale;
    for (std::size_t i = 0; i < panelFontTable.size(); ++i) {
        const PanelFontInfo& font = panelFontTable[i];
        fonts.fonts[i] =
            addFace(atlas, font.bold ? bold : regular, static_cast<float>(font.emPixels) * scale,
                    i == Font14 ? nameGlyphRanges : nullptr);
        if (fonts.fonts[i] == nullptr) {
            messages.push(font.failureMessage, fontFailureCaption);
            fonts.fonts[i] = addStandInFont(atlas, static_cast<float>(font.emPixels) * scale);
        }
    }
    return fonts;
}

ImFont* addStandInFont(ImFontAtlas& atlas, float emPixels) {
    // The built-in font is wider for its height than Arial: at four fifths of the em its texts
    // take about the room the panel's layout keeps for Arial's.
    ImFontConfig config;
    config.SizePixels = std::round(emPixels * 0.8f);
    return atlas.AddFontDefault(&config);
}

int fontLineHeight(const ImFont* font) {
    if (font == nullptr) {
        font = ImGui::GetFont();
    }
    return static_cast<int>(std::lround(font->Ascent - font->Descent));
}

int fontDescent(const ImFont* font) {
    if (font == nullptr) {
        font = ImGui::GetFont();
    }
    return static_cast<int>(std::lround(-font->Descent));
}

int textWidth(const ImFont* font, const std::string& text) {
    if (font == nullptr) {
        font = ImGui::GetFont();
    }
    const ImVec2 size =
        font->CalcTextSizeA(font->FontSize, 1.0e9f, 0.0f, text.data(), text.data() + text.size());
    return static_cast<int>(std::ceil(size.x));
}

float interfacePixels(float pixels) {
    return pixels * ImGui::GetStyle().ItemSpacing.x / ImGuiStyle().ItemSpacing.x;
}
