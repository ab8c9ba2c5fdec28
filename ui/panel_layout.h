// SPDX-License-Identifier: GPL-3.0-or-later
// The status panel's layout: its eleven buttons and their actions, and where every text and
// button goes; panel_layout.cpp has the bodies.
#pragma once

#include "combat/tank_actions.h"

#include <array>

// Control ids of the status panel's buttons.
enum PanelButtonId : int {
    ShootButtonId = 1,
    ForwardButtonId = 2,
    BackwardButtonId = 3,
    ClockwiseButtonId = 4,
    CounterClockwiseButtonId = 5,
    PowerUpButtonId = 6,
    PowerDownButtonId = 7,
    RaiseButtonId = 8,
    LowerButtonId = 9,
    CannonClockwiseButtonId = 10,
    CannonCounterClockwiseButtonId = 11,
};

constexpr int panelButtonCount = 11;
constexpr int statusPanelHeight = 80;  // at an interface scale of 1

// The panel's height at an interface scale.
int statusPanelHeightAt(float scale);

struct PanelButtonInfo {
    int id;
    const char* text;
    TankAction action;  // what a click does to the current tank
};

// The eleven buttons in creation order, with their texts; layoutStatusPanel sizes them.
extern const std::array<PanelButtonInfo, panelButtonCount> panelButtons;

// The action of the button with this id; None for any other id.
TankAction actionForPanelButton(int buttonId);

// A rectangle in window pixels (origin top left).
struct PanelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The panel spans the client area's full width along its bottom edge, 80 pixels high at scale 1;
// a client area lower than that puts it at the client area's top.
PanelRect placeStatusPanel(const PanelRect& clientArea, float scale = 1.0f);

// What the layout needs from the fonts, in whole pixels. Heights are full line heights
// (ascent + descent); descents are positive.
struct PanelTextMetrics {
    float scale = 1.0f;  // the interface scale: button sizes and gaps grow with the fonts
    int panelWidth = 0;
    int teamLineWidth = 0;  // team line in the 14-point font
    int font14Height = 0;
    int powerTextWidth = 0;  // power readout in the 20-point bold font
    int font20BoldHeight = 0;
    int font20BoldDescent = 0;
    int font12BoldHeight = 0;
    int font12BoldDescent = 0;
    int moveTankCaptionWidth = 0;  // captions in the 8-point font
    int moveCannonCaptionWidth = 0;
};

struct PanelPoint {
    int x = 0;
    int y = 0;
};

// Where every text and button goes, relative to the panel's top left corner.
struct PanelLayout {
    PanelPoint teamLineShadow;  // drawn first, dark
    PanelPoint teamLine;        // drawn over it, light blue
    PanelPoint power;
    PanelPoint angle;
    PanelPoint mileage;
    PanelPoint moveTankCaption;
    PanelPoint moveCannonCaption;
    std::array<PanelRect, panelButtonCount + 1> buttons;  // indexed by PanelButtonId; [0] unused
};

// The text lines stack by the fonts' heights; the button block hangs off the right end of the
// power text, so a wider power readout moves every button right.
PanelLayout layoutStatusPanel(const PanelTextMetrics& metrics);

// How far right the layout reaches: the panel is whole in a window at least this wide.
int layoutRightEdge(const PanelLayout& layout);
