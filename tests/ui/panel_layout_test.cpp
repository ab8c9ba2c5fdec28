#include "ui/panel_layout.h"
#include "ui/views.h"

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

// With no font at all the built-in one stands in for each panel font; the widest readouts must
// still end before the buttons beside them and within the panel's height.
TEST(PanelStandInFonts, KeepEveryTextClearOfTheButtons) {
    ImFontAtlas atlas;
    PanelFonts fonts;
    for (std::size_t i = 0; i < panelFontTable.size(); ++i) {
        fonts.fonts[i] = addStandInFont(atlas, panelFontTable[i].emPixels);
    }
    ASSERT_TRUE(atlas.Build());
    const StatusReadouts r = formatStatusReadouts("Reds", "Ann", 1, 100.0f, 90, 10);
    const PanelLayout l = layoutStatusPanel(measurePanelText(r, 1024, fonts));
    const auto& b = l.buttons;
    const int shoot = b[ShootButtonId].x;
    const struct {
        PanelPoint at;
        PanelFontIndex font;
        std::string text;
        int left, right;
    } texts[] = {
        {l.angle, Font12Bold, r.angle, 0, shoot},
        {l.mileage, Font12Bold, r.mileage, 0, shoot},
        {l.moveTankCaption, Font8, moveTankCaption, b[CounterClockwiseButtonId].x + 70,
         b[ClockwiseButtonId].x},
        {l.moveCannonCaption, Font8, moveCannonCaption, b[CannonCounterClockwiseButtonId].x + 70,
         b[CannonClockwiseButtonId].x},
    };
    for (const auto& t : texts) {
        EXPECT_GE(t.at.x, t.left) << t.text;
        EXPECT_LE(t.at.x + textWidth(fonts.get(t.font), t.text), t.right) << t.text;
        EXPECT_LE(t.at.y + fontLineHeight(fonts.get(t.font)), statusPanelHeight) << t.text;
    }
}
