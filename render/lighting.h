// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's light and material values, and the calls that set them and switch lighting and
// texturing off and on; lighting.cpp has the bodies.
#pragma once

#include "render/polygon_mode.h"

#include <array>

using Rgba = std::array<float, 4>;

// One white light shining straight down (w = 0: directional), a dim ambient term and
// one grey front material; colour comes from the textures or from this material.
namespace lighting {
constexpr std::array<float, 4> lightPosition{0.0f, 200.0f, 0.0f, 0.0f};
constexpr Rgba lightAmbient{0.3f, 0.3f, 0.3f, 1.0f};
constexpr Rgba lightDiffuse{0.7f, 0.7f, 0.7f, 1.0f};
constexpr Rgba lightSpecular{0.3f, 0.3f, 0.3f, 1.0f};
constexpr Rgba modelAmbient{0.2f, 0.2f, 0.2f, 1.0f};
constexpr Rgba materialAmbient{0.1f, 0.1f, 0.1f, 1.0f};
constexpr Rgba materialDiffuse{0.7f, 0.7f, 0.7f, 1.0f};
constexpr Rgba materialSpecular{0.7f, 0.7f, 0.7f, 1.0f};
// The material's own emission (none), and the one that makes the shells glow red whatever the
// light.
constexpr Rgba materialEmission{0.0f, 0.0f, 0.0f, 1.0f};
constexpr Rgba shellGlow{1.0f, 0.0f, 0.0f, 1.0f};
}  // namespace lighting

// Position (in the current model-view frame) and colours of light 0.
void setupLight();
// Ambient and diffuse of the given light, and the light-model ambient.
void setLightColours(unsigned int light);
void setupMaterial();
// Re-sends light 0's position; called after the camera so the light stays put in the world.
void placeLight();

// Brackets for unlit coloured drawing (outlines, shield bubble, shell boxes). Texturing
// is only touched in texture-mapping mode, where it is on.
void lightingOff(PolygonMode mode);
void lightingOn(PolygonMode mode);
void texturingOff(PolygonMode mode);
void texturingOn(PolygonMode mode);
