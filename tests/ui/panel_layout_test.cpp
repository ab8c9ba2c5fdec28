// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the status panel's layout with too wide captions and team line.
#include "ui/panel_layout.h"

#include <gtest/gtest.h>

// The drawn panel pins the usual layout; here the texts wider than their room, and a client
// area lower than the panel.
TEST(PanelLayout, TooWideCaptionsTruncateTowardZeroAndATooWideTeamLinePinsLeft) {
    PanelTextMetrics m;
    m.panelWidth = 1000;
    m.teamLineWidth = 1001;
    m.powerTextWidth = 100;
    m.moveCannonCaptionWidth = 75;  // (70 - 75) / 2 is -2, not -3
    const PanelLayout layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.moveCannonCaption.x, 100 + 431 - 2);
    EXPECT_EQ(layout.teamLineShadow.x, 1);
    EXPECT_EQ(layout.teamLine.x, 0);
    const PanelRect p = placeStatusPanel({0, 19, 640, 50});
    EXPECT_EQ(std::vector<int>({p.x, p.y, p.width, p.height}), std::vector<int>({0, 19, 640, 80}));
}
