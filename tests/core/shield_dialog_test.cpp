#include <gtest/gtest.h>

#include "combat/shields.h"
#include "tests/core/fixtures.h"

namespace {

class ShieldsDialogTest : public ::testing::Test {
  protected:
    Tank& tankWith(int weak, int medium, int strong) {
        Tank& t = scene.addPlayerWithTank(scene.world.teamA, 30.0f, 0.0f);
        t.weakShields = weak;
        t.mediumShields = medium;
        t.strongShields = strong;
        return t;
    }
    CombatScene scene;
};

TEST_F(ShieldsDialogTest, OpensWithCountsFirstHeldKindCheckedAndChoicesLocked) {
    Tank& t = tankWith(0, 2, 1);
    ShieldsDialog d(scene.world);
    EXPECT_EQ(d.choiceText(WeakShield), "Weak Shield (0 left)");
    EXPECT_EQ(d.choiceText(MediumShield), "Medium Strength Shield (2 left)");
    EXPECT_EQ(d.choiceText(StrongShield), "Strong Shield (1 left)");
    EXPECT_EQ(d.checkedChoice(), MediumShield);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(d.choiceEnabled(k));
    EXPECT_FALSE(d.activateChecked());
    EXPECT_TRUE(d.activateEnabled());
    t.weakShields = 4;
    EXPECT_EQ(ShieldsDialog(scene.world).checkedChoice(), WeakShield);
}

TEST_F(ShieldsDialogTest, CheckingTheBoxUnlocksHeldKindsAndOkSwitchesTheChoiceOn) {
    Tank& t = tankWith(0, 2, 1);
    ShieldsDialog d(scene.world);
    d.clickChoice(StrongShield);  // still locked
    EXPECT_EQ(d.checkedChoice(), MediumShield);
    d.clickActivate();
    EXPECT_TRUE(d.activateChecked());
    EXPECT_FALSE(d.choiceEnabled(WeakShield));
    EXPECT_TRUE(d.choiceEnabled(MediumShield));
    EXPECT_TRUE(d.choiceEnabled(StrongShield));
    d.clickChoice(WeakShield);  // none held: stays disabled
    EXPECT_EQ(d.checkedChoice(), MediumShield);
    d.pressOk();
    EXPECT_TRUE(t.shieldActive);
    EXPECT_EQ(t.shieldKind, MediumShield);
    EXPECT_EQ(t.shieldStrength, 75.0f);
    EXPECT_EQ(t.mediumShields, 1);
    EXPECT_EQ(t.strongShields, 1);
}

TEST_F(ShieldsDialogTest, OkWithTheBoxClearOrCancelChangesNothing) {
    Tank& t = tankWith(1, 0, 3);
    ShieldsDialog(scene.world).pressOk();
    {
        ShieldsDialog d(scene.world);
        d.clickActivate();
        d.clickActivate();  // cleared again: the choices stay unlocked, but OK does nothing
        EXPECT_TRUE(d.choiceEnabled(StrongShield));
        d.clickChoice(StrongShield);
        d.pressOk();
    }
    ShieldsDialog d(scene.world);
    d.clickActivate();
    d.pressCancel();
    EXPECT_FALSE(t.shieldActive);
    EXPECT_EQ(t.weakShields, 1);
    EXPECT_EQ(t.strongShields, 3);
}

TEST_F(ShieldsDialogTest, ActiveShieldIsOnlyShown) {
    Tank& t = tankWith(1, 0, 2);
    ASSERT_TRUE(activateShield(t, StrongShield));
    t.shieldStrength = 25.0f;
    ShieldsDialog d(scene.world);
    EXPECT_TRUE(d.activateChecked());
    EXPECT_FALSE(d.activateEnabled());
    EXPECT_EQ(d.checkedChoice(), StrongShield);
    d.clickActivate();
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(d.choiceEnabled(k));
    d.pressOk();
    EXPECT_EQ(t.shieldStrength, 25.0f);
    EXPECT_EQ(t.strongShields, 1);
    EXPECT_FALSE(activateShield(t, WeakShield));  // one at a time, even outside the dialog
    EXPECT_EQ(t.weakShields, 1);
}

TEST_F(ShieldsDialogTest, NothingHeldOrNoGameLeavesEverythingDisabled) {
    Tank& t = tankWith(0, 0, 0);
    ShieldsDialog held(scene.world);
    ShieldsDialog noGame(nullptr);
    for (ShieldsDialog* d : {&held, &noGame}) {
        EXPECT_EQ(d->checkedChoice(), -1);
        EXPECT_FALSE(d->activateEnabled());
        d->clickActivate();
        EXPECT_FALSE(d->activateChecked());
        d->pressOk();
    }
    EXPECT_EQ(noGame.choiceText(StrongShield), "Strong Shield (0 left)");
    EXPECT_EQ(held.choiceText(7), "");
    EXPECT_FALSE(t.shieldActive);
}

TEST(ShieldStrength, OpacityFadesWithWearAndUnknownKindsCannotDivideByZero) {
    GameWorld world;
    Tank t(world);
    t.weakShields = 1;
    activateShield(t, WeakShield);
    EXPECT_FLOAT_EQ(shieldOpacity(t), 0.5f);
    t.shieldStrength = 25.0f;
    EXPECT_FLOAT_EQ(shieldOpacity(t), 0.25f);
    t.shieldKind = MediumShield;
    EXPECT_NEAR(shieldOpacity(t), 0.1667f, 1e-4);
    EXPECT_EQ(shieldCapacity(9), 0.1f);
    EXPECT_EQ(shieldCapacity(-1), 0.1f);
    EXPECT_FALSE(activateShield(t, 9));
    EXPECT_EQ(shieldsHeld(t, 9), 0);
}

}  // namespace
