#include "ui/panel_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

PanelTextMetrics sampleMetrics(int powerWidth) {
    PanelTextMetrics m;
    m.panelWidth = 1000;
    m.teamLineWidth = 300;
    m.font14Height = 22;
    m.powerTextWidth = powerWidth;
    m.font20BoldHeight = 31;
    m.font20BoldDescent = 6;
    m.font12BoldHeight = 18;
    m.font12BoldDescent = 4;
    m.moveTankCaptionWidth = 50;
    m.moveCannonCaptionWidth = 61;
    return m;
}

bool sameRect(const PanelRect& a, const PanelRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

}  // namespace

TEST(PanelButtons, ElevenButtonsWithTheirTextsIdsAndSizesInCreationOrder) {
    const std::string texts[] = {"Shoot", "Backward", "Forward", "Clkwse", "C-Clkwse", "+",
                                 "-",     "Raise",    "Lower",   "ClkWse", "C-ClkWse"};
    const int ids[] = {1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11};
    std::set<int> seen;
    for (std::size_t i = 0; i < panelButtons.size(); ++i) {
        EXPECT_EQ(panelButtons[i].text, texts[i]);
        EXPECT_EQ(panelButtons[i].id, ids[i]);
        seen.insert(panelButtons[i].id);
        const int id = panelButtons[i].id;
        const int w = id == ShootButtonId ? 100 : id >= 6 && id <= 7 ? 12 : 70;
        const int h = id == ShootButtonId ? 55 : id >= 6 && id <= 7 ? 12 : 19;
        EXPECT_EQ(panelButtons[i].width, w) << texts[i];
        EXPECT_EQ(panelButtons[i].height, h) << texts[i];
    }
    EXPECT_EQ(seen.size(), 11u);
}

TEST(PanelLayout, TextLinesStackByLineHeightLessDescent) {
    const PanelLayout layout = layoutStatusPanel(sampleMetrics(180));
    EXPECT_EQ(layout.power.x, 0);
    EXPECT_EQ(layout.power.y, 22);
    EXPECT_EQ(layout.angle.y, 22 + 31 - 6);
    EXPECT_EQ(layout.mileage.y, 22 + 31 - 6 + 18 - 4);
    EXPECT_EQ(layout.angle.x, 0);
    EXPECT_EQ(layout.mileage.x, 0);
}

TEST(PanelLayout, ButtonBlockHangsOffTheEndOfThePowerText) {
    for (int p : {0, 150, 187, 240}) {
        const PanelLayout layout = layoutStatusPanel(sampleMetrics(p));
        const auto& b = layout.buttons;
        const int y1 = 22;
        EXPECT_TRUE(sameRect(b[ShootButtonId], PanelRect{p + 21, y1, 100, 55})) << p;
        EXPECT_TRUE(sameRect(b[PowerUpButtonId], PanelRect{p + 2, y1, 12, 12}));
        EXPECT_TRUE(sameRect(b[PowerDownButtonId], PanelRect{p + 2, y1 + 12, 12, 12}));
        EXPECT_TRUE(sameRect(b[ForwardButtonId], PanelRect{p + 206, y1, 70, 19}));
        EXPECT_TRUE(sameRect(b[BackwardButtonId], PanelRect{p + 206, y1 + 38, 70, 19}));
        EXPECT_TRUE(sameRect(b[CounterClockwiseButtonId], PanelRect{p + 136, y1 + 19, 70, 19}));
        EXPECT_TRUE(sameRect(b[ClockwiseButtonId], PanelRect{p + 276, y1 + 19, 70, 19}));
        EXPECT_TRUE(sameRect(b[RaiseButtonId], PanelRect{p + 431, y1, 70, 19}));
        EXPECT_TRUE(sameRect(b[LowerButtonId], PanelRect{p + 431, y1 + 38, 70, 19}));
        EXPECT_TRUE(
            sameRect(b[CannonCounterClockwiseButtonId], PanelRect{p + 361, y1 + 19, 70, 19}));
        EXPECT_TRUE(sameRect(b[CannonClockwiseButtonId], PanelRect{p + 501, y1 + 19, 70, 19}));
    }
}

TEST(PanelLayout, CrossesTouchWithoutOverlappingAndDoNotCoverTheShootButton) {
    const PanelLayout layout = layoutStatusPanel(sampleMetrics(180));
    const auto overlaps = [](const PanelRect& a, const PanelRect& b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
               b.y < a.y + a.height;
    };
    for (int i = 1; i <= panelButtonCount; ++i) {
        for (int j = i + 1; j <= panelButtonCount; ++j) {
            EXPECT_FALSE(overlaps(layout.buttons[i], layout.buttons[j])) << i << " " << j;
        }
    }
}

TEST(PanelLayout, CaptionsAreCentredInTheirColumnTruncatingTowardZero) {
    PanelTextMetrics m = sampleMetrics(100);
    PanelLayout layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.moveTankCaption.x, 100 + 206 + (70 - 50) / 2);
    EXPECT_EQ(layout.moveTankCaption.y, 22 + 19);
    EXPECT_EQ(layout.moveCannonCaption.x, 100 + 431 + 4);  // (70 - 61) / 2 = 4
    EXPECT_EQ(layout.moveCannonCaption.y, 22 + 19);

    // A caption wider than its column starts left of it: (70 - 75) / 2 is -2, not -3.
    m.moveCannonCaptionWidth = 75;
    layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.moveCannonCaption.x, 100 + 431 - 2);
}

TEST(PanelLayout, TeamLineIsCentredWithAShadowOrPinnedLeftWhenTooWide) {
    PanelTextMetrics m = sampleMetrics(100);
    PanelLayout layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.teamLineShadow.x, (1000 - 300) / 2 + 1);
    EXPECT_EQ(layout.teamLineShadow.y, 1);
    EXPECT_EQ(layout.teamLine.x, layout.teamLineShadow.x - 1);
    EXPECT_EQ(layout.teamLine.y, 0);

    m.teamLineWidth = 1000;  // exactly fits
    layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.teamLineShadow.x, 1);

    m.teamLineWidth = 1001;
    layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.teamLineShadow.x, 1);
    EXPECT_EQ(layout.teamLine.x, 0);
}

TEST(PlaceStatusPanel, SitsAlongTheBottomOfTheClientAreaAtFullWidth) {
    PanelRect p = placeStatusPanel(PanelRect{0, 19, 1280, 981});
    EXPECT_TRUE(sameRect(p, PanelRect{0, 19 + 981 - 80, 1280, 80}));

    // Lower than the panel: it starts at the client area's top, still 80 high.
    p = placeStatusPanel(PanelRect{0, 19, 640, 50});
    EXPECT_TRUE(sameRect(p, PanelRect{0, 19, 640, 80}));

    p = placeStatusPanel(PanelRect{0, 0, 0, 0});
    EXPECT_TRUE(sameRect(p, PanelRect{0, 0, 0, 80}));
}
