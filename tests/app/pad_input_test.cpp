// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of PadInput on a made-up clock: presses, steady repeats, dead zones, power speeds, and
// of whose tanks a controller moves.
#include "app/pad_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using A = TankAction;
using Actions = std::vector<TankAction>;

// Reads the pad every 1/60 s from `from` up to `until`, gathering what it gives.
Actions readEveryFrame(PadInput& pad, double from, double until) {
    Actions all;
    for (double now = from; now < until; now += 1.0 / 60.0) {
        for (TankAction a : pad.take(now))
            all.push_back(a);
    }
    return all;
}

TEST(PadInput, APressActsAtOnceAndAHoldRepeatsSteadily) {
    PadInput pad;
    pad.button(PadButton::DpadUp, true, 10.0);
    EXPECT_EQ(pad.take(10.0), Actions{A::DriveForward});
    EXPECT_TRUE(pad.take(10.29).empty()) << "no repeat before 0.3 s";
    // Held for a second: after the press, repeats at 0.3, 0.4, ... 1.0 s.
    EXPECT_EQ(readEveryFrame(pad, 10.29, 11.05).size(), 8u);
    EXPECT_TRUE(pad.held());
    pad.button(PadButton::DpadUp, false, 11.05);
    EXPECT_FALSE(pad.held());
    EXPECT_TRUE(readEveryFrame(pad, 11.05, 12.0).empty());
}

TEST(PadInput, ATapBetweenTwoReadingsStillActsOnce) {
    PadInput pad;
    pad.button(PadButton::A, true, 1.0);
    pad.button(PadButton::A, false, 1.01);
    pad.button(PadButton::DpadLeft, true, 1.02);
    pad.button(PadButton::DpadLeft, false, 1.03);
    EXPECT_EQ(pad.take(1.05), (Actions{A::Fire, A::TurnClockwise}));
    EXPECT_TRUE(pad.take(2.0).empty());
    // Fire does not repeat, however long A is held.
    pad.button(PadButton::A, true, 3.0);
    EXPECT_EQ(readEveryFrame(pad, 3.0, 5.0), Actions{A::Fire});
    EXPECT_FALSE(pad.held());
}

TEST(PadInput, SticksCountPastTheDeadZoneAndMeanWhatTheKeysMean) {
    PadInput pad;
    pad.axis(PadAxis::RightX, PadInput::deadZone, 0.0);  // a drifting stick
    pad.axis(PadAxis::LeftY, -PadInput::deadZone, 0.0);
    EXPECT_TRUE(pad.take(1.0).empty());
    EXPECT_FALSE(pad.held());
    const struct {
        PadAxis axis;
        int value;
        TankAction action;
    } cases[] = {
        {PadAxis::LeftY, -32768, A::DriveForward},
        {PadAxis::LeftY, 32767, A::DriveBackward},
        {PadAxis::LeftX, -32768, A::TurnClockwise},  // as A on the keyboard
        {PadAxis::LeftX, 32767, A::TurnCounterClockwise},
        {PadAxis::RightY, -32768, A::RaiseCannon},
        {PadAxis::RightY, 32767, A::LowerCannon},
        {PadAxis::RightX, -32768, A::TurretCounterClockwise},  // as the Left arrow
        {PadAxis::RightX, 32767, A::TurretClockwise},
        {PadAxis::RightTrigger, 32767, A::PowerUpFine},
        {PadAxis::LeftTrigger, 32767, A::PowerDownFine},
    };
    for (const auto& c : cases) {
        pad.axis(c.axis, c.value, 2.0);
        EXPECT_EQ(pad.take(2.0), Actions{c.action}) << int(c.axis) << " " << c.value;
        pad.axis(c.axis, 0, 2.0);
    }
    const struct {
        PadButton button;
        TankAction action;
    } buttons[] = {{PadButton::DpadDown, A::DriveBackward},
                   {PadButton::DpadRight, A::TurnCounterClockwise},
                   {PadButton::RightShoulder, A::PowerUpFine},
                   {PadButton::LeftShoulder, A::PowerDownFine}};
    for (const auto& b : buttons) {
        pad.button(b.button, true, 3.0);
        EXPECT_EQ(pad.take(3.0), Actions{b.action}) << int(b.button);
        pad.button(b.button, false, 3.0);
    }
}

TEST(PadInput, PowerGoesFasterAfterAMomentAndAStallIsNoBurst) {
    PadInput pad;
    pad.button(PadButton::RightShoulder, true, 0.0);
    const Actions held = readEveryFrame(pad, 0.0, 2.0);
    ASSERT_GE(held.size(), 18u);
    EXPECT_EQ(held.front(), A::PowerUpFine);
    EXPECT_EQ(held[held.size() - 6], A::PowerUpFine);  // repeat at 1.4 s
    EXPECT_EQ(held.back(), A::PowerUp);                // 1.5 s on
    // The shoulder and the trigger together are one hold, not two.
    pad.axis(PadAxis::RightTrigger, 32767, 2.0);
    EXPECT_TRUE(pad.take(2.0).empty());
    // A frame ten seconds late gives a few repeats, then the steady rate again.
    EXPECT_EQ(pad.take(12.0).size(), std::size_t(PadInput::mostRepeatsAtOnce));
    EXPECT_TRUE(pad.take(12.05).empty());
    EXPECT_EQ(pad.take(12.1).size(), 1u);
    // Unplugged: nothing stays held.
    pad.releaseAll();
    EXPECT_FALSE(pad.held());
    EXPECT_TRUE(readEveryFrame(pad, 12.1, 13.0).empty());
}

TEST(PadMenu, StartIsF10AndTheOtherButtonsWalkOnlyAnOpenMenu) {
    EXPECT_EQ(padMenuKey(PadButton::Start, false), Key::F10);
    EXPECT_EQ(padMenuKey(PadButton::Start, true), Key::F10);
    EXPECT_EQ(padMenuKey(PadButton::A, false), std::nullopt);
    EXPECT_EQ(padMenuKey(PadButton::DpadUp, false), std::nullopt);
    EXPECT_EQ(padMenuKey(PadButton::A, true), Key::Enter);
    EXPECT_EQ(padMenuKey(PadButton::B, true), Key::Escape);
    EXPECT_EQ(padMenuKey(PadButton::DpadDown, true), Key::Down);
    EXPECT_EQ(padMenuKey(PadButton::DpadRight, true), Key::Right);
}

TEST(PadOwnership, AGivenControllerMovesOnlyItsPlayersTanks) {
    const PadOwner teamAOne{0, 1}, teamBOne{1, 1}, teamATwo{0, 2};
    EXPECT_TRUE(padMayAct(std::nullopt, teamBOne)) << "unassigned: like the keyboard";
    EXPECT_TRUE(padMayAct(teamAOne, teamAOne));
    EXPECT_FALSE(padMayAct(teamAOne, teamBOne)) << "same number, other team";
    EXPECT_FALSE(padMayAct(teamAOne, teamATwo));
    EXPECT_FALSE(padMayAct(std::nullopt, std::nullopt)) << "no game, no turn";
}

}  // namespace
