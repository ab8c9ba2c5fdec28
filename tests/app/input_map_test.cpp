#include "app/input_map.h"
#include "app/mouse_drag.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(InputMap, LettersDriveTheHullInEitherCase) {
    EXPECT_EQ(actionForCharacter('w'), TankAction::DriveForward);
    EXPECT_EQ(actionForCharacter('W'), TankAction::DriveForward);
    EXPECT_EQ(actionForCharacter('s'), TankAction::DriveBackward);
    EXPECT_EQ(actionForCharacter('S'), TankAction::DriveBackward);
    EXPECT_EQ(actionForCharacter('a'), TankAction::TurnClockwise);
    EXPECT_EQ(actionForCharacter('A'), TankAction::TurnClockwise);
    EXPECT_EQ(actionForCharacter('d'), TankAction::TurnCounterClockwise);
    EXPECT_EQ(actionForCharacter('D'), TankAction::TurnCounterClockwise);
    for (char c : {'q', 'e', 'x', ' ', '+', '\r', '\0'}) {
        EXPECT_EQ(actionForCharacter(c), TankAction::None) << int(c);
    }
}

TEST(InputMap, PanelButtonsMatchTheirKeys) {
    EXPECT_EQ(actionForPanelButton(1), actionForKey(GameKey::Enter));
    EXPECT_EQ(actionForPanelButton(2), actionForCharacter('w'));
    EXPECT_EQ(actionForPanelButton(3), actionForCharacter('s'));
    EXPECT_EQ(actionForPanelButton(4), actionForCharacter('a'));
    EXPECT_EQ(actionForPanelButton(5), actionForCharacter('d'));
    EXPECT_EQ(actionForPanelButton(6), actionForKey(GameKey::PageUp));
    EXPECT_EQ(actionForPanelButton(7), actionForKey(GameKey::PageDown));
    EXPECT_EQ(actionForPanelButton(8), actionForKey(GameKey::Up));
    EXPECT_EQ(actionForPanelButton(9), actionForKey(GameKey::Down));
    EXPECT_EQ(actionForPanelButton(10), actionForKey(GameKey::Right));
    EXPECT_EQ(actionForPanelButton(11), actionForKey(GameKey::Left));
    for (int id : {0, 12, -1, 1000}) {
        EXPECT_EQ(actionForPanelButton(id), TankAction::None) << id;
    }
    // Eleven buttons, eleven different actions.
    std::set<TankAction> distinct;
    for (int id = 1; id <= 11; ++id) {
        distinct.insert(actionForPanelButton(id));
    }
    EXPECT_EQ(distinct.size(), 11u);
}

TEST(InputGate, KeyboardReachesTheGameOnlyWhenNothingElseHoldsIt) {
    InputGate gate;
    EXPECT_FALSE(gate.keyboardReachesGame()) << "no game yet";
    gate.gameExists = true;
    EXPECT_TRUE(gate.keyboardReachesGame());
    gate.shotInProgress = true;
    EXPECT_FALSE(gate.keyboardReachesGame());
    gate.shotInProgress = false;
    gate.modalOpen = true;
    EXPECT_FALSE(gate.keyboardReachesGame());
    gate.modalOpen = false;
    gate.textFieldHasKeyboard = true;
    EXPECT_FALSE(gate.keyboardReachesGame());
}

TEST(MouseDrag, LeftDragTurnsAndTiltsFromTheLastPosition) {
    MouseDrag drag;
    drag.leftButtonDown(100, 200);
    CameraDrag d = drag.motion(110, 195, true, false);
    EXPECT_FLOAT_EQ(d.yawDelta, 10.0f);
    EXPECT_FLOAT_EQ(d.pitchDelta, -5.0f);
    EXPECT_EQ(d.distanceDelta, 0.0);
    d = drag.motion(111, 197, true, false);
    EXPECT_FLOAT_EQ(d.yawDelta, 1.0f);
    EXPECT_FLOAT_EQ(d.pitchDelta, 2.0f);
}

TEST(MouseDrag, RightDragDownBringsTheEyeNearer) {
    MouseDrag drag;
    drag.leftButtonDown(50, 50);
    drag.rightButtonDown(300);
    EXPECT_EQ(drag.lastMouseX(), 50) << "the right button records only y";
    CameraDrag d = drag.motion(400, 320, false, true);
    EXPECT_EQ(d.distanceDelta, -20.0);
    EXPECT_EQ(d.yawDelta, 0.0f);
    EXPECT_EQ(d.pitchDelta, 0.0f);
    d = drag.motion(400, 310, false, true);
    EXPECT_EQ(d.distanceDelta, 10.0);
}

TEST(MouseDrag, LeftWinsOverRightAndNoButtonDoesNothing) {
    MouseDrag drag;
    drag.leftButtonDown(0, 0);
    CameraDrag both = drag.motion(3, 4, true, true);
    EXPECT_FLOAT_EQ(both.yawDelta, 3.0f);
    EXPECT_EQ(both.distanceDelta, 0.0);
    CameraDrag none = drag.motion(50, 60, false, false);
    EXPECT_EQ(none.yawDelta, 0.0f);
    EXPECT_EQ(none.pitchDelta, 0.0f);
    EXPECT_EQ(none.distanceDelta, 0.0);
    // Moving without a button does not move the anchor.
    CameraDrag after = drag.motion(4, 4, true, false);
    EXPECT_FLOAT_EQ(after.yawDelta, 1.0f);
}

}  // namespace
