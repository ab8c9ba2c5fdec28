// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of OpaqueLayerRecord and the pixel bounds it relies on: unchanged drawing compares equal,
// any change that shows compares unequal, and what a list draws past its fill is found.
#include "ui/opaque_layer_record.h"

#include "tests/ui/imgui_harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Layer {
    ImGuiHarness imgui;
    std::vector<OpaqueFill> fills;
    std::vector<const ImDrawList*> lists;

    // A plain window at (10, 20), 200 by 60, with a line of text and what `extra` draws.
    void frame(const std::string& text, const std::function<void(ImDrawList&)>& extra = {}) {
        imgui.frame([&] {
            ImGui::SetNextWindowPos(ImVec2(10, 20));
            ImGui::SetNextWindowSize(ImVec2(200, 60));
            ImGui::Begin("layer", nullptr,
                         ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoBackground);
            ImGui::TextUnformatted(text.c_str());
            ImDrawList& list = *ImGui::GetWindowDrawList();
            if (extra) {
                extra(list);
            }
            fills = {{ImVec2(10, 20), ImVec2(210, 80), IM_COL32(200, 200, 200, 255), &list}};
            lists = {&list};
            ImGui::End();
        });
    }
    bool same(OpaqueLayerRecord& record, int width = 1024) {
        return record.replace({fills, lists, width, 768, ImGui::GetIO().Fonts->TexID});
    }
};

}  // namespace

TEST(OpaqueLayerRecord, OnlyABitForBitRepeatOfTheLastFrameComparesEqual) {
    Layer layer;
    OpaqueLayerRecord record;
    layer.frame("Power 500");
    EXPECT_FALSE(layer.same(record)) << "nothing kept yet";
    layer.frame("Power 500");
    EXPECT_TRUE(layer.same(record));
    layer.frame("Power 500");
    EXPECT_TRUE(layer.same(record));

    layer.frame("Power 501");  // one glyph differs
    EXPECT_FALSE(layer.same(record));
    layer.frame("Power 501");
    EXPECT_TRUE(layer.same(record));
    EXPECT_FALSE(layer.same(record, 800)) << "the framebuffer's size";

    const auto clipped = [](ImDrawList& list) {
        list.PushClipRect(ImVec2(10, 20), ImVec2(100, 50));
        list.AddRectFilled(ImVec2(20, 30), ImVec2(40, 40), IM_COL32(255, 0, 0, 255));
        list.PopClipRect();
    };
    layer.frame("Power 501", clipped);
    layer.same(record);
    layer.frame("Power 501", [](ImDrawList& list) {  // the same vertices, clipped otherwise
        list.PushClipRect(ImVec2(10, 20), ImVec2(100, 51));
        list.AddRectFilled(ImVec2(20, 30), ImVec2(40, 40), IM_COL32(255, 0, 0, 255));
        list.PopClipRect();
    });
    EXPECT_FALSE(layer.same(record)) << "a clip rectangle";
    layer.frame("Power 501", [](ImDrawList& list) {
        list.AddImage(reinterpret_cast<ImTextureID>(7), ImVec2(20, 30), ImVec2(40, 40));
    });
    layer.same(record);
    layer.frame("Power 501", [](ImDrawList& list) {
        list.AddImage(reinterpret_cast<ImTextureID>(8), ImVec2(20, 30), ImVec2(40, 40));
    });
    EXPECT_FALSE(layer.same(record)) << "a texture";

    layer.same(record);
    layer.fills[0].colour = IM_COL32(201, 200, 200, 255);
    EXPECT_FALSE(layer.same(record)) << "a fill's colour";
    record.forget();
    EXPECT_FALSE(layer.same(record)) << "forgotten";
}

TEST(OpaqueLayerRecord, FillsCoverWholePixelsAndWhatListsDrawAroundThemIsFound) {
    const OpaqueFill fill{ImVec2(9.5f, 20.4f), ImVec2(210.6f, 80.0f), IM_COL32(1, 2, 3, 255)};
    const std::optional<PixelRect> rect = fillPixels(fill, ImVec2(1, 1));
    ASSERT_TRUE(rect);
    EXPECT_EQ(std::vector<int>({rect->x0, rect->y0, rect->x1, rect->y1}),
              std::vector<int>({9, 20, 211, 80}));
    EXPECT_EQ(fillPixels(fill, ImVec2(2, 2))->x1, 421);
    EXPECT_FALSE(fillPixels({fill.min, fill.max, IM_COL32(1, 2, 3, 254)}, ImVec2(1, 1)));
    EXPECT_FALSE(fillPixels({fill.max, fill.min, fill.colour}, ImVec2(1, 1)));

    Layer layer;
    layer.frame("Angle 45");
    const std::vector<PixelRect> panel{{10, 20, 210, 80}};
    std::optional<LayerSpill> spill = spillOutside(layer.lists, panel);
    ASSERT_TRUE(spill);
    EXPECT_TRUE(spill->lists.empty()) << "the text stays on the panel";

    // Past the window's bottom right corner, as a border might.
    layer.frame("Angle 45", [](ImDrawList& list) {
        list.PushClipRectFullScreen();
        list.AddRectFilled(ImVec2(200, 70), ImVec2(230, 90), IM_COL32(0, 0, 0, 255));
        list.PopClipRect();
    });
    spill = spillOutside(layer.lists, panel);
    ASSERT_TRUE(spill);
    ASSERT_EQ(spill->lists.size(), 1u);
    const ImDrawList& out = *spill->lists[0];
    EXPECT_EQ(out.IdxBuffer.Size, 6) << "only the box's two triangles";
    std::vector<std::string> clips;
    for (const ImDrawCmd& cmd : out.CmdBuffer) {
        clips.push_back(
            std::to_string(int(cmd.ClipRect.x)) + "," + std::to_string(int(cmd.ClipRect.y)) + " " +
            std::to_string(int(cmd.ClipRect.z)) + "," + std::to_string(int(cmd.ClipRect.w)));
    }
    EXPECT_EQ(clips, (std::vector<std::string>{"200,80 230,90", "210,70 230,80"}));

    EXPECT_FALSE(spillOutside(layer.lists, {panel[0], {205, 85, 300, 100}}))
        << "it reaches onto another fill";
}
