// SPDX-License-Identifier: GPL-3.0-or-later
// The panel button table, the panel's place in the window, and the positions of its texts and
// buttons.
#include "ui/panel_layout.h"

#include <algorithm>
#include <cmath>

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

// A length of the scale-1 layout at `scale`, in whole pixels.
int scaled(int pixels, float scale) {
    return static_cast<int>(std::lround(static_cast<float>(pixels) * scale));
}

// A caption centred in a cell-wide column; integer division truncates toward zero, so a caption
// wider than the column starts left of it.
PanelPoint centredCaption(int columnX, int y, int captionWidth, int columnWidth) {
    return PanelPoint{columnX + (columnWidth - captionWidth) / 2, y};
}

}  // namespace

int statusPanelHeightAt(float scale) {
    return scaled(statusPanelHeight, scale);
}

PanelRect placeStatusPanel(const PanelRect& clientArea, float scale) {
    const int height = statusPanelHeightAt(scale);
    PanelRect panel;
    panel.x = clientArea.x;
    panel.y = clientArea.y + std::max(0, clientArea.height - height);
    panel.width = std::max(0, clientArea.width);
    panel.height = height;
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
    const auto s = [&m](int pixels) { return scaled(pixels, m.scale); };
    const int cw = s(cellWidth);
    const int ch = s(cellHeight);
    const auto cell = [cw, ch](int x, int y) { return PanelRect{x, y, cw, ch}; };
    auto& b = layout.buttons;
    b[PowerUpButtonId] = PanelRect{p + s(2), y1, s(12), s(12)};
    b[PowerDownButtonId] = PanelRect{p + s(2), y1 + s(12), s(12), s(12)};
    b[ShootButtonId] = PanelRect{p + s(21), y1, s(100), s(55)};

    // Two crosses: forward/raise above the caption, backward/lower below it, the turns beside.
    b[ForwardButtonId] = cell(p + s(206), y1);
    b[CounterClockwiseButtonId] = cell(p + s(136), y1 + ch);
    layout.moveTankCaption = centredCaption(p + s(206), y1 + ch, m.moveTankCaptionWidth, cw);
    b[BackwardButtonId] = cell(p + s(206), y1 + 2 * ch);
    b[ClockwiseButtonId] = cell(p + s(276), y1 + ch);

    b[RaiseButtonId] = cell(p + s(431), y1);
    b[CannonCounterClockwiseButtonId] = cell(p + s(361), y1 + ch);
    layout.moveCannonCaption = centredCaption(p + s(431), y1 + ch, m.moveCannonCaptionWidth, cw);
    b[CannonClockwiseButtonId] = cell(p + s(501), y1 + ch);
    b[LowerButtonId] = cell(p + s(431), y1 + 2 * ch);
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
