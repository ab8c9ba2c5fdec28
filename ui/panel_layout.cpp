// SPDX-License-Identifier: GPL-3.0-or-later
// The panel button table, the panel's place in the window, and the positions of its texts and
// buttons.
#include "ui/panel_layout.h"

#include <algorithm>

const std::array<PanelButtonInfo, panelButtonCount> panelButtons = {{
    {ShootButtonId, "Shoot", TankAction::Fire},
    {BackwardButtonId, "Backward", TankAction::DriveBackward},
    {ForwardButtonId, "Forward", TankAction::DriveForward},
    {ClockwiseButtonId, "Clkwse", TankAction::TurnClockwise},
    {CounterClockwiseButtonId, "C-Clkwse", TankAction::TurnCounterClockwise},
    {PowerUpButtonId, "+", TankAction::PowerUp},
    {PowerDownButtonId, "-", TankAction::PowerDown},
    {RaiseButtonId, "Raise", TankAction::RaiseCannon},
    {LowerButtonId, "Lower", TankAction::LowerCannon},
    {CannonClockwiseButtonId, "ClkWse", TankAction::TurretClockwise},
    {CannonCounterClockwiseButtonId, "C-ClkWse", TankAction::TurretCounterClockwise},
}};

TankAction actionForPanelButton(int buttonId) {
    for (const PanelButtonInfo& button : panelButtons) {
        if (button.id == buttonId) {
            return button.action;
        }
    }
    return TankAction::None;
}

namespace {

constexpr int cellWidth = 70;
constexpr int cellHeight = 19;

PanelRect cell(int x, int y) {
    return PanelRect{x, y, cellWidth, cellHeight};
}

// A caption centred in a cell-wide column; integer division truncates toward zero, so a caption
// wider than the column starts left of it.
PanelPoint centredCaption(int columnX, int y, int captionWidth) {
    return PanelPoint{columnX + (cellWidth - captionWidth) / 2, y};
}

}  // namespace

PanelRect placeStatusPanel(const PanelRect& clientArea) {
    PanelRect panel;
    panel.x = clientArea.x;
    panel.y = clientArea.y + std::max(0, clientArea.height - statusPanelHeight);
    panel.width = std::max(0, clientArea.width);
    panel.height = statusPanelHeight;
    return panel;
}

PanelLayout layoutStatusPanel(const PanelTextMetrics& m) {
    PanelLayout layout;

    const int spare = m.panelWidth - m.teamLineWidth;
    const int teamX = spare >= 0 ? spare / 2 + 1 : 1;
    layout.teamLineShadow = PanelPoint{teamX, 1};
    layout.teamLine = PanelPoint{teamX - 1, 0};

    const int y1 = m.font14Height;
    const int y2 = y1 + m.font20BoldHeight - m.font20BoldDescent;
    const int y3 = y2 + m.font12BoldHeight - m.font12BoldDescent;
    layout.power = PanelPoint{0, y1};
    layout.angle = PanelPoint{0, y2};
    layout.mileage = PanelPoint{0, y3};

    const int p = m.powerTextWidth;
    auto& b = layout.buttons;
    b[PowerUpButtonId] = PanelRect{p + 2, y1, 12, 12};
    b[PowerDownButtonId] = PanelRect{p + 2, y1 + 12, 12, 12};
    b[ShootButtonId] = PanelRect{p + 21, y1, 100, 55};

    // Two crosses: forward/raise above the caption, backward/lower below it, the turns beside.
    b[ForwardButtonId] = cell(p + 206, y1);
    b[CounterClockwiseButtonId] = cell(p + 136, y1 + 19);
    layout.moveTankCaption = centredCaption(p + 206, y1 + 19, m.moveTankCaptionWidth);
    b[BackwardButtonId] = cell(p + 206, y1 + 38);
    b[ClockwiseButtonId] = cell(p + 276, y1 + 19);

    b[RaiseButtonId] = cell(p + 431, y1);
    b[CannonCounterClockwiseButtonId] = cell(p + 361, y1 + 19);
    layout.moveCannonCaption = centredCaption(p + 431, y1 + 19, m.moveCannonCaptionWidth);
    b[CannonClockwiseButtonId] = cell(p + 501, y1 + 19);
    b[LowerButtonId] = cell(p + 431, y1 + 38);
    return layout;
}

int layoutRightEdge(const PanelLayout& layout) {
    int right = 0;
    for (const PanelButtonInfo& button : panelButtons) {
        const PanelRect& box = layout.buttons[static_cast<std::size_t>(button.id)];
        right = std::max(right, box.x + box.width);
    }
    return right;
}
