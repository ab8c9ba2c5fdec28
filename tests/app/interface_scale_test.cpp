// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the interface scale chosen from display readings and from the menu, and its menu's
// check marks.
#include "app/interface_scale.h"

#include "app/menu_commands.h"
#include "ui/menu_model.h"

#include <gtest/gtest.h>

#include <limits>

TEST(InterfaceScale, FollowsTheDisplaysDpiInHalfSteps) {
    EXPECT_EQ(interfaceScaleFor(96.0f, 1280, 1280), 1.0f);
    EXPECT_EQ(interfaceScaleFor(192.0f, 3840, 3840), 2.0f);
    EXPECT_EQ(interfaceScaleFor(144.0f, 2560, 2560), 1.5f);
    // Up to three quarters of the way to the next step stays below it.
    EXPECT_EQ(interfaceScaleFor(110.0f, 1920, 1920), 1.0f);
    EXPECT_EQ(interfaceScaleFor(168.0f, 1920, 1920), 1.5f);
    EXPECT_EQ(interfaceScaleFor(180.0f, 1920, 1920), 2.0f);
    // Small screens never shrink the interface; huge readings stop at three times.
    EXPECT_EQ(interfaceScaleFor(72.0f, 1024, 1024), 1.0f);
    EXPECT_EQ(interfaceScaleFor(960.0f, 1024, 1024), 3.0f);
}

TEST(InterfaceScale, UnknownOrNonsenseDpiMeansOne) {
    EXPECT_EQ(interfaceScaleFor(0.0f, 800, 800), 1.0f);
    EXPECT_EQ(interfaceScaleFor(-5.0f, 800, 800), 1.0f);
    EXPECT_EQ(interfaceScaleFor(std::numeric_limits<float>::quiet_NaN(), 800, 800), 1.0f);
    EXPECT_EQ(interfaceScaleFor(std::numeric_limits<float>::infinity(), 800, 800), 1.0f);
}

TEST(InterfaceScale, ADrawableLargerThanTheWindowWinsOverDpi) {
    EXPECT_EQ(interfaceScaleFor(96.0f, 1600, 800), 2.0f);
    EXPECT_EQ(interfaceScaleFor(192.0f, 1200, 800), 1.5f);
    // A shrunk-away window (zero width) falls back on the dpi.
    EXPECT_EQ(interfaceScaleFor(192.0f, 0, 0), 2.0f);
}

TEST(InterfaceScale, TheMenuChoiceOverridesTheDisplay) {
    EXPECT_EQ(interfaceScaleChosen(InterfaceSize::Automatic, 1.5f), 1.5f);
    EXPECT_EQ(interfaceScaleChosen(InterfaceSize::Percent100, 2.0f), 1.0f);
    EXPECT_EQ(interfaceScaleChosen(InterfaceSize::Percent150, 1.0f), 1.5f);
    EXPECT_EQ(interfaceScaleChosen(InterfaceSize::Percent200, 1.0f), 2.0f);
}

TEST(InterfaceScale, TheMenuChecksOneSizeAndLeavesTheRestAlone) {
    struct NoGl : GlSwitches {
        void polygonMode(PolygonMode) override {}
    } gl;
    MenuModel menu;
    ViewSettings view;
    const int sizes[] = {InterfaceSizeAutomaticCommand, InterfaceSize100Command,
                         InterfaceSize150Command, InterfaceSize200Command};
    EXPECT_TRUE(menu.isChecked(InterfaceSizeAutomaticCommand));  // the display decides at first
    for (const int chosen : sizes) {
        EXPECT_EQ(runMenuCommand(chosen, view, menu, gl), ProgramRequest::None);
        for (const int size : sizes)
            EXPECT_EQ(menu.isChecked(size), size == chosen) << chosen << " " << size;
    }
    EXPECT_EQ(view.interfaceSize, InterfaceSize::Percent200);
    EXPECT_EQ(view.polygonMode, PolygonMode::TextureMapping);
    EXPECT_TRUE(menu.isChecked(CurrentTankCommand));
}
