// SPDX-License-Identifier: GPL-3.0-or-later
// The opaque layer painted, read back and drawn again as pixels, with plain fixed-function GL:
// a software renderer paints a quad cheaper than a scissored clear.
#include "ui/opaque_layer_cache.h"

#include <imgui_impl_opengl2.h>

#include <GL/gl.h>

#include <algorithm>

namespace {

// Whole-pixel drawing in framebuffer pixels, rows from the top, nothing but the quad's colour
// or the pixels given: no blending, depth, lighting, culling or scissor. The destructor restores.
class PixelDrawing {
  public:
    PixelDrawing(int width, int height) {
        glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_POLYGON_BIT | GL_TEXTURE_BIT |
                     GL_VIEWPORT_BIT | GL_TRANSFORM_BIT | GL_PIXEL_MODE_BIT);
        for (const GLenum capability :
             {GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_CULL_FACE, GL_SCISSOR_TEST, GL_ALPHA_TEST,
              GL_FOG, GL_TEXTURE_2D, GL_STENCIL_TEST, GL_COLOR_LOGIC_OP, GL_DITHER}) {
            glDisable(capability);
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glViewport(0, 0, width, height);
        glMatrixMode(GL_TEXTURE);
        glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0.0, width, height, 0.0, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
    }
    ~PixelDrawing() {
        glMatrixMode(GL_TEXTURE);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopAttrib();
    }
    PixelDrawing(const PixelDrawing&) = delete;
    PixelDrawing& operator=(const PixelDrawing&) = delete;
};

void paintFills(const std::vector<std::pair<PixelRect, ImU32>>& fills, int width, int height) {
    if (fills.empty()) {
        return;
    }
    const PixelDrawing drawing(width, height);
    for (const auto& [rect, colour] : fills) {
        glColor3ub(static_cast<GLubyte>(colour >> IM_COL32_R_SHIFT & 0xFF),
                   static_cast<GLubyte>(colour >> IM_COL32_G_SHIFT & 0xFF),
                   static_cast<GLubyte>(colour >> IM_COL32_B_SHIFT & 0xFF));
        glRecti(rect.x0, rect.y0, rect.x1, rect.y1);
    }
}

// Pixels as glReadPixels and glDrawPixels move them: rows bottom first, packed.
class PixelRows {
  public:
    PixelRows() {
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        for (const GLenum pack : {GL_PACK_ALIGNMENT, GL_UNPACK_ALIGNMENT}) {
            glPixelStorei(pack, 4);
        }
        for (const GLenum setting :
             {GL_PACK_ROW_LENGTH, GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS, GL_UNPACK_ROW_LENGTH,
              GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS}) {
            glPixelStorei(setting, 0);
        }
        glPixelStorei(GL_PACK_SWAP_BYTES, GL_FALSE);
        glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
        glPixelStorei(GL_PACK_LSB_FIRST, GL_FALSE);
        glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    }
    ~PixelRows() { glPopClientAttrib(); }
    PixelRows(const PixelRows&) = delete;
    PixelRows& operator=(const PixelRows&) = delete;
};

// Renders lists [first, last) of the frame's draw data.
void renderLists(const ImDrawData& data, int first, int last) {
    if (first >= last) {
        return;
    }
    ImDrawData part = data;
    part.CmdLists = data.CmdLists + first;
    part.CmdListsCount = last - first;
    ImGui_ImplOpenGL2_RenderDrawData(&part);
}

}  // namespace

void OpaqueLayerCache::render(const std::vector<OpaqueFill>& fills, const ImDrawData& data) {
    reused_ = false;
    const ImVec2 scale = data.FramebufferScale;
    const int width = static_cast<int>(data.DisplaySize.x * scale.x);
    const int height = static_cast<int>(data.DisplaySize.y * scale.y);
    std::vector<std::pair<PixelRect, ImU32>> painted;
    std::vector<PixelRect> rects;
    for (const OpaqueFill& fill : fills) {
        if (const std::optional<PixelRect> rect = fillPixels(fill, scale)) {
            painted.emplace_back(*rect, fill.colour);
            rects.push_back(*rect);
        }
    }
    // The fills' windows come first in the draw data, or other lists lie between them and
    // the layer cannot be kept apart from those.
    int owned = 0;
    while (owned < data.CmdListsCount &&
           std::any_of(fills.begin(), fills.end(), [&](const OpaqueFill& fill) {
               return fill.owner == data.CmdLists[owned];
           })) {
        ++owned;
    }
    const std::vector<const ImDrawList*> lists(data.CmdLists, data.CmdLists + owned);
    const PixelRect framebuffer{0, 0, width, height};
    const bool candidate =
        width > 0 && height > 0 && scale.x == 1.0f && scale.y == 1.0f && !rects.empty() &&
        std::all_of(rects.begin(), rects.end(),
                    [&](const PixelRect& r) { return framebuffer.contains(r); }) &&
        std::all_of(fills.begin(), fills.end(), [&](const OpaqueFill& fill) {
            return fill.owner == nullptr ||
                   std::find(lists.begin(), lists.end(), fill.owner) != lists.end();
        });
    if (candidate && record_.replace({fills, lists, width, height, ImGui::GetIO().Fonts->TexID}) &&
        spill_) {
        show(data, width, height);
        renderLists(data, owned, data.CmdListsCount);
        return;
    }
    kept_.clear();
    spill_.reset();
    if (candidate) {
        spill_ = spillOutside(lists, rects);
    }
    if (!spill_) {
        record_.forget();
    }
    paintFills(painted, width, height);
    renderLists(data, 0, owned);
    if (spill_) {
        keep(rects, height);
    }
    renderLists(data, owned, data.CmdListsCount);
}

void OpaqueLayerCache::keep(const std::vector<PixelRect>& rects, int height) {
    // Only the rectangles no other one holds.
    for (const PixelRect& rect : rects) {
        const auto holds = [&rect](const Kept& other) { return other.rect.contains(rect); };
        if (std::none_of(kept_.begin(), kept_.end(), holds)) {
            kept_.erase(
                std::remove_if(kept_.begin(), kept_.end(),
                               [&rect](const Kept& other) { return rect.contains(other.rect); }),
                kept_.end());
            kept_.push_back({rect, {}});
        }
    }
    const PixelRows rows;
    for (Kept& k : kept_) {
        const int w = k.rect.x1 - k.rect.x0;
        const int h = k.rect.y1 - k.rect.y0;
        k.pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
        glReadPixels(k.rect.x0, height - k.rect.y1, w, h, GL_BGRA, GL_UNSIGNED_BYTE,
                     k.pixels.data());
    }
}

void OpaqueLayerCache::show(const ImDrawData& data, int width, int height) {
    {
        const PixelDrawing drawing(width, height);
        const PixelRows rows;
        glPixelZoom(1.0f, 1.0f);
        for (const Kept& k : kept_) {
            glRasterPos2i(k.rect.x0, k.rect.y1);  // the lowest row's left end
            glDrawPixels(k.rect.x1 - k.rect.x0, k.rect.y1 - k.rect.y0, GL_BGRA, GL_UNSIGNED_BYTE,
                         k.pixels.data());
        }
    }
    if (!spill_->lists.empty()) {
        std::vector<ImDrawList*> spilled;
        for (const std::unique_ptr<ImDrawList>& list : spill_->lists) {
            spilled.push_back(list.get());
        }
        ImDrawData part = data;
        part.CmdLists = spilled.data();
        part.CmdListsCount = static_cast<int>(spilled.size());
        ImGui_ImplOpenGL2_RenderDrawData(&part);
    }
    reused_ = true;
}

void OpaqueLayerCache::release() {
    kept_.clear();
    spill_.reset();
    record_.forget();
}
