// SPDX-License-Identifier: GPL-3.0-or-later
// The projection's constants, viewportAspect and resizeViewport; viewport.cpp has the bodies.
#pragma once

// The perspective every frame is seen through: 45 degrees vertically, a near plane 10
// units before the eye and no far plane at all (a negative far value makes depth run
// from -1 at the near plane towards 0 at infinity, so nothing distant is cut off).
namespace projection {
constexpr double fieldOfView = 45.0;
constexpr double nearValue = 10.0;
constexpr double farValue = -10.0;
constexpr float clearColour[4] = {0.5f, 0.5f, 1.0f, 1.0f};
}  // namespace projection

// Width over height, a zero side counting as 1 so a minimised window divides by nothing.
double viewportAspect(int width, int height);

// Fits the viewport, clear colour and projection to a drawing area of this size.
// Leaves the model-view matrix selected.
void resizeViewport(int width, int height);
