// SPDX-License-Identifier: GPL-3.0-or-later
// The opaque layer's inputs written out as bytes, and the pixel bounds of fills and lists.
#include "ui/opaque_layer_record.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

template <typename T>
void append(std::vector<unsigned char>& bytes, const T& value) {
    const auto* first = reinterpret_cast<const unsigned char*>(&value);
    bytes.insert(bytes.end(), first, first + sizeof value);
}

template <typename T>
void appendAll(std::vector<unsigned char>& bytes, const ImVector<T>& values) {
    append(bytes, values.Size);
    if (values.Size > 0) {
        const auto* first = reinterpret_cast<const unsigned char*>(values.Data);
        bytes.insert(bytes.end(), first, first + sizeof(T) * static_cast<std::size_t>(values.Size));
    }
}

// Field by field: ImDrawCmd has padding, whose bytes say nothing.
void appendCommand(std::vector<unsigned char>& bytes, const ImDrawCmd& cmd) {
    append(bytes, cmd.ClipRect);
    append(bytes, cmd.TextureId);
    append(bytes, cmd.VtxOffset);
    append(bytes, cmd.IdxOffset);
    append(bytes, cmd.ElemCount);
    append(bytes, cmd.UserCallback);
    append(bytes, cmd.UserCallbackData);
}

// Far enough from int's limits to be scaled and rounded; not a NaN.
bool inRange(float v) {
    return v > -1.0e6f && v < 1.0e6f;
}

}  // namespace

std::optional<PixelRect> fillPixels(const OpaqueFill& fill, ImVec2 framebufferScale) {
    const auto pixel = [](float edge) { return static_cast<int>(std::ceil(edge - 0.5f)); };
    const PixelRect rect{
        pixel(fill.min.x * framebufferScale.x), pixel(fill.min.y * framebufferScale.y),
        pixel(fill.max.x * framebufferScale.x), pixel(fill.max.y * framebufferScale.y)};
    if (rect.x1 <= rect.x0 || rect.y1 <= rect.y0 ||
        (fill.colour >> IM_COL32_A_SHIFT & 0xFF) != 0xFF) {
        return std::nullopt;
    }
    return rect;
}

namespace {

// The pixels whose centres lie within the points' bounds (an edge through a centre counted in),
// cut to the scissor.
struct Reach {
    float low[2] = {1.0e6f, 1.0e6f};
    float high[2] = {-1.0e6f, -1.0e6f};
    void add(ImVec2 p) {
        low[0] = std::min(low[0], p.x);
        low[1] = std::min(low[1], p.y);
        high[0] = std::max(high[0], p.x);
        high[1] = std::max(high[1], p.y);
    }
    PixelRect pixels(const PixelRect& scissor) const {
        const auto first = [](float v) { return static_cast<int>(std::ceil(v - 0.5f)); };
        const auto end = [](float v) { return static_cast<int>(std::floor(v - 0.5f)) + 1; };
        return scissor.cut({first(low[0]), first(low[1]), end(high[0]), end(high[1])});
    }
};

int area(const PixelRect& rect) {
    return rect.empty() ? 0 : (rect.x1 - rect.x0) * (rect.y1 - rect.y0);
}

// What of `rect` lies outside `hole`, as up to four strips: rows above and below, then the
// sides of the rows between.
std::vector<PixelRect> around(const PixelRect& rect, const PixelRect& hole) {
    const PixelRect inner = rect.cut(hole);
    if (inner.empty()) {
        return {rect};
    }
    std::vector<PixelRect> strips{{rect.x0, rect.y0, rect.x1, inner.y0},
                                  {rect.x0, inner.y1, rect.x1, rect.y1},
                                  {rect.x0, inner.y0, inner.x0, inner.y1},
                                  {inner.x1, inner.y0, rect.x1, inner.y1}};
    strips.erase(
        std::remove_if(strips.begin(), strips.end(), [](const PixelRect& r) { return r.empty(); }),
        strips.end());
    return strips;
}

bool whole(float v) {
    return inRange(v) && v == std::floor(v);
}

}  // namespace

std::optional<LayerSpill> spillOutside(const std::vector<const ImDrawList*>& lists,
                                       const std::vector<PixelRect>& fills) {
    LayerSpill spill;
    for (const ImDrawList* list : lists) {
        auto out = std::make_unique<ImDrawList>(nullptr);
        for (const ImDrawCmd& cmd : list->CmdBuffer) {
            if (cmd.UserCallback != nullptr || cmd.VtxOffset != 0) {
                return std::nullopt;  // draws who knows what, or where
            }
            if (cmd.ElemCount == 0) {
                continue;
            }
            const ImVec4& clip = cmd.ClipRect;
            if (!whole(clip.x) || !whole(clip.y) || !whole(clip.z) || !whole(clip.w) ||
                cmd.ElemCount % 3 != 0 ||
                cmd.IdxOffset + cmd.ElemCount > static_cast<unsigned>(list->IdxBuffer.Size)) {
                return std::nullopt;
            }
            const PixelRect scissor{static_cast<int>(clip.x), static_cast<int>(clip.y),
                                    static_cast<int>(clip.z), static_cast<int>(clip.w)};
            // Each triangle's reach, and the whole command's.
            std::vector<PixelRect> triangles;
            Reach all;
            for (unsigned i = cmd.IdxOffset; i < cmd.IdxOffset + cmd.ElemCount; i += 3) {
                Reach one;
                for (unsigned k = i; k < i + 3; ++k) {
                    const unsigned vertex = list->IdxBuffer[static_cast<int>(k)];
                    if (vertex >= static_cast<unsigned>(list->VtxBuffer.Size)) {
                        return std::nullopt;
                    }
                    const ImVec2 p = list->VtxBuffer[static_cast<int>(vertex)].pos;
                    if (!inRange(p.x) || !inRange(p.y)) {
                        return std::nullopt;
                    }
                    one.add(p);
                    all.add(p);
                }
                triangles.push_back(one.pixels(scissor));
            }
            const PixelRect reach = all.pixels(scissor);
            if (reach.empty() || std::any_of(fills.begin(), fills.end(), [&](const PixelRect& f) {
                    return f.contains(reach);
                })) {
                continue;
            }
            // The fill the command mostly draws on; what it draws elsewhere touches no fill.
            const PixelRect home = *std::max_element(
                fills.begin(), fills.end(), [&](const PixelRect& a, const PixelRect& b) {
                    return area(reach.cut(a)) < area(reach.cut(b));
                });
            const std::vector<PixelRect> strips = around(reach, home);
            for (const PixelRect& strip : strips) {
                if (std::any_of(fills.begin(), fills.end(),
                                [&](const PixelRect& f) { return !strip.cut(f).empty(); })) {
                    return std::nullopt;
                }
            }
            const unsigned first = static_cast<unsigned>(out->IdxBuffer.Size);
            for (std::size_t t = 0; t < triangles.size(); ++t) {
                if (!triangles[t].empty() && !home.contains(triangles[t])) {
                    for (unsigned k = 0; k < 3; ++k) {
                        out->IdxBuffer.push_back(
                            list->IdxBuffer[static_cast<int>(cmd.IdxOffset + 3 * t + k)]);
                    }
                }
            }
            for (const PixelRect& strip : strips) {
                ImDrawCmd piece = cmd;
                piece.ClipRect = ImVec4(static_cast<float>(strip.x0), static_cast<float>(strip.y0),
                                        static_cast<float>(strip.x1), static_cast<float>(strip.y1));
                piece.IdxOffset = first;
                piece.ElemCount = static_cast<unsigned>(out->IdxBuffer.Size) - first;
                out->CmdBuffer.push_back(piece);
            }
        }
        if (!out->CmdBuffer.empty()) {
            out->VtxBuffer = list->VtxBuffer;
            spill.lists.push_back(std::move(out));
        }
    }
    return spill;
}

bool OpaqueLayerRecord::replace(const OpaqueLayerInputs& inputs) {
    std::swap(bytes_, previous_);
    bytes_.clear();
    append(bytes_, inputs.framebufferWidth);
    append(bytes_, inputs.framebufferHeight);
    append(bytes_, inputs.font);
    append(bytes_, inputs.fills.size());
    for (const OpaqueFill& fill : inputs.fills) {
        append(bytes_, fill.min);
        append(bytes_, fill.max);
        append(bytes_, fill.colour);
        append(bytes_, fill.owner);
    }
    append(bytes_, inputs.lists.size());
    for (const ImDrawList* list : inputs.lists) {
        append(bytes_, list);
        append(bytes_, list->Flags);
        appendAll(bytes_, list->VtxBuffer);
        appendAll(bytes_, list->IdxBuffer);
        append(bytes_, list->CmdBuffer.Size);
        for (const ImDrawCmd& cmd : list->CmdBuffer) {
            appendCommand(bytes_, cmd);
        }
    }
    const bool same = kept_ && bytes_ == previous_;
    kept_ = true;
    return same;
}

void OpaqueLayerRecord::forget() {
    kept_ = false;
}
