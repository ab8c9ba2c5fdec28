// SPDX-License-Identifier: GPL-3.0-or-later
// MouseDrag and CameraDrag: mouse motion with a button held, turned into camera changes.
// mouse_drag.cpp has the motion.
#pragma once

// Turns mouse motion into camera changes: the left button drags yaw (x) and pitch
// (y); the right button drags the viewing distance (moving down brings the eye nearer).
struct CameraDrag {
    float yawDelta = 0.0f;
    float pitchDelta = 0.0f;
    double distanceDelta = 0.0;
};

class MouseDrag {
  public:
    void leftButtonDown(int x, int y) {
        lastMouseX_ = x;
        lastMouseY_ = y;
    }
    void rightButtonDown(int y) { lastMouseY_ = y; }

    // The left button wins when both are held; with neither nothing changes.
    CameraDrag motion(int x, int y, bool leftHeld, bool rightHeld);

    int lastMouseX() const { return lastMouseX_; }
    int lastMouseY() const { return lastMouseY_; }

  private:
    int lastMouseX_ = 0;
    int lastMouseY_ = 0;
};
