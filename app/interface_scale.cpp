// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the interface scale from the display's readings and the Interface Size menu.
#include "app/interface_scale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float baseDpi = 96.0f;
constexpr float largestScale = 3.0f;

// Half steps; a reading just past a step (a 100 dpi panel) stays at the step below, since an
// interface too large for the screen is worse than one a little small.
float roundToHalfStep(float scale) {
    return std::clamp(std::floor(scale * 2.0f + 0.25f) / 2.0f, 1.0f, largestScale);
}

}  // namespace

float interfaceScaleFor(float dpi, int drawableWidth, int windowWidth) {
    if (windowWidth > 0 && drawableWidth > windowWidth) {
        return roundToHalfStep(static_cast<float>(drawableWidth) / static_cast<float>(windowWidth));
    }
    if (!(dpi > 0.0f) || !std::isfinite(dpi)) {
        return 1.0f;
    }
    return roundToHalfStep(dpi / baseDpi);
}

float interfaceScaleChosen(InterfaceSize size, float automatic) {
    switch (size) {
        case InterfaceSize::Percent100:
            return 1.0f;
        case InterfaceSize::Percent150:
            return 1.5f;
        case InterfaceSize::Percent200:
            return 2.0f;
        case InterfaceSize::Automatic:
            break;
    }
    return automatic;
}
