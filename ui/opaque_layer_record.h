// SPDX-License-Identifier: GPL-3.0-or-later
// What a frame's opaque layer (the menu bar's and panel's fills and the draw lists over them)
// is drawn from, kept to tell whether the next frame would draw exactly the same pixels.
#pragma once

#include "ui/views.h"

#include <imgui.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

// Whole framebuffer pixels, rows counted from the top: [x0, x1) by [y0, y1).
struct PixelRect {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    bool contains(const PixelRect& other) const {
        return other.x0 >= x0 && other.y0 >= y0 && other.x1 <= x1 && other.y1 <= y1;
    }
    PixelRect cut(const PixelRect& other) const {
        return {std::max(x0, other.x0), std::max(y0, other.y0), std::min(x1, other.x1),
                std::min(y1, other.y1)};
    }
};

// The pixels a fill covers (those whose centres lie inside it, as ImGui's filled rectangles
// cover them); none when it is empty or not opaque.
std::optional<PixelRect> fillPixels(const OpaqueFill& fill, ImVec2 framebufferScale);

// What the lists draw outside the fills (a window's border, its antialiased edge): the
// triangles that reach out, each list's as one list of its own, clipped to the strips around the
// fill they lie on. Drawn after the fills' pixels, they add what the lists added there.
struct LayerSpill {
    std::vector<std::unique_ptr<ImDrawList>> lists;
};

// The spill of `lists` around `fills`, in whole pixels at a framebuffer scale of 1; none when
// some drawing cannot be accounted for (a callback, a bad index, a clip rectangle not on whole
// pixels, a reach onto another fill).
std::optional<LayerSpill> spillOutside(const std::vector<const ImDrawList*>& lists,
                                       const std::vector<PixelRect>& fills);

// Everything the layer's pixels follow from in one frame.
struct OpaqueLayerInputs {
    const std::vector<OpaqueFill>& fills;
    const std::vector<const ImDrawList*>& lists;
    int framebufferWidth;
    int framebufferHeight;
    ImTextureID font;
};

class OpaqueLayerRecord {
  public:
    // Keeps this frame's inputs; true when they equal those kept last time, to the bit.
    bool replace(const OpaqueLayerInputs& inputs);
    // The next frame compares unequal, whatever it draws.
    void forget();

  private:
    std::vector<unsigned char> bytes_;
    std::vector<unsigned char> previous_;
    bool kept_ = false;
};
