#include "ui/panel_layout.h"

#include <gtest/gtest.h>

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

bool overlaps(const PanelRect& a, const PanelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

}  // namespace

TEST(PanelLayout, TextLinesStackByLineHeightLessDescent) {
    const PanelLayout layout = layoutStatusPanel(sampleMetrics(180));
    EXPECT_EQ(layout.power.y, 22);
    EXPECT_EQ(layout.angle.y, 22 + 31 - 6);
    EXPECT_EQ(layout.mileage.y, 22 + 31 - 6 + 18 - 4);
}

// The whole block moves with the power text's end, and no two buttons share a pixel.
TEST(PanelLayout, ButtonBlockHangsOffThePowerTextWithoutOverlaps) {
    const PanelLayout base = layoutStatusPanel(sampleMetrics(0));
    EXPECT_EQ(base.buttons[ShootButtonId].x, 21);
    EXPECT_EQ(base.buttons[CannonClockwiseButtonId].x, 501);
    for (int p : {150, 187}) {
        const PanelLayout layout = layoutStatusPanel(sampleMetrics(p));
        for (int i = 1; i <= panelButtonCount; ++i) {
            EXPECT_EQ(layout.buttons[i].x, base.buttons[i].x + p) << i;
            EXPECT_EQ(layout.buttons[i].y, base.buttons[i].y) << i;
            for (int j = i + 1; j <= panelButtonCount; ++j) {
                EXPECT_FALSE(overlaps(layout.buttons[i], layout.buttons[j])) << i << " " << j;
            }
        }
    }
}

TEST(PanelLayout, CaptionsAndTeamLineCentreTruncatingTowardZeroOrPinLeftWhenTooWide) {
    PanelTextMetrics m = sampleMetrics(100);
    PanelLayout layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.moveTankCaption.x, 100 + 206 + 10);
    EXPECT_EQ(layout.moveCannonCaption.x, 100 + 431 + 4);  // (70 - 61) / 2
    EXPECT_EQ(layout.teamLineShadow.x, 350 + 1);
    EXPECT_EQ(layout.teamLine.x, 350);

    m.moveCannonCaptionWidth = 75;  // (70 - 75) / 2 is -2, not -3
    m.teamLineWidth = 1001;
    layout = layoutStatusPanel(m);
    EXPECT_EQ(layout.moveCannonCaption.x, 100 + 431 - 2);
    EXPECT_EQ(layout.teamLineShadow.x, 1);
    EXPECT_EQ(layout.teamLine.x, 0);
}

TEST(PlaceStatusPanel, SitsAlongTheBottomOrAtTheTopOfAClientAreaLowerThanItself) {
    const struct {
        PanelRect client;
        int y, width;
    } cases[] = {{{0, 19, 1280, 981}, 19 + 981 - 80, 1280}, {{0, 19, 640, 50}, 19, 640},
                 {{0, 0, 0, 0}, 0, 0}};
    for (const auto& c : cases) {
        const PanelRect p = placeStatusPanel(c.client);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, 80);
    }
}
