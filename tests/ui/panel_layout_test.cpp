#include "ui/panel_layout.h"

#include <gtest/gtest.h>

// The drawn panel pins the usual layout; here the texts wider than their room.
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
}

TEST(PlaceStatusPanel, SitsAtTheTopOfAClientAreaLowerThanItself) {
    const struct {
        PanelRect client;
        int y, width;
    } cases[] = {{{0, 19, 640, 50}, 19, 640}, {{0, 0, 0, 0}, 0, 0}};
    for (const auto& c : cases) {
        const PanelRect p = placeStatusPanel(c.client);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, 80);
    }
}
