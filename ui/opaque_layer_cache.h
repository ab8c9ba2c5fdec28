// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a frame's ImGui draw data over its opaque fills, keeping the pixels of the fills and
// the lists drawn over them (menu bar, status panel) to show again while they are unchanged.
#pragma once

#include "ui/opaque_layer_record.h"
#include "ui/views.h"

#include <imgui.h>

#include <optional>
#include <vector>

class OpaqueLayerCache {
  public:
    // Paints the fills, then renders `data` over them, as ImGui's OpenGL2 backend does; GL
    // state is left as it was.
    void render(const std::vector<OpaqueFill>& fills, const ImDrawData& data);
    // Lets the kept pixels go: the next frame draws the layer afresh.
    void release();
    // Whether the last render showed kept pixels instead of drawing the layer.
    bool reusedLastFrame() const { return reused_; }

  private:
    struct Kept {
        PixelRect rect;
        std::vector<unsigned char> pixels;  // as read from the framebuffer
    };
    // Reads the drawn layer's pixels.
    void keep(const std::vector<PixelRect>& rects, int height);
    // Draws the kept pixels and what spills around them.
    void show(const ImDrawData& data, int width, int height);

    std::vector<Kept> kept_;
    std::optional<LayerSpill> spill_;  // none while nothing is kept
    OpaqueLayerRecord record_;
    bool reused_ = false;
};
