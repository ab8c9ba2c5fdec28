// SPDX-License-Identifier: GPL-3.0-or-later
// The camera changes one mouse motion makes with the left or right button held.
#include "app/mouse_drag.h"

CameraDrag MouseDrag::motion(int x, int y, bool leftHeld, bool rightHeld) {
    CameraDrag drag;
    if (leftHeld) {
        drag.yawDelta = static_cast<float>(x - lastMouseX_);
        drag.pitchDelta = static_cast<float>(y - lastMouseY_);
        lastMouseX_ = x;
        lastMouseY_ = y;
    } else if (rightHeld) {
        drag.distanceDelta = -static_cast<double>(y - lastMouseY_);
        lastMouseY_ = y;
    }
    return drag;
}
