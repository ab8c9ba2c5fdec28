#include "combat/shields.h"
#include "combat/sounds.h"
#include "game/aim.h"
#include "game/drive.h"
#include "game/prizes.h"
#include "game/turns.h"

#include "fixtures.h"

#include <string>

namespace {

// Team A's player P1 holds the current tank; team B one tank far away.
class TankActions : public ::testing::Test, protected CombatScene {
  protected:
    TankActions() : CombatScene(60.0f), player(addPlayer(world.teamA)) {
        enemy = &addPlayerWithTank(world.teamB, -30, -40);
    }
    Tank& current(float x, float z) {
        Tank& tank = addTank(world.teamA, player, x, z);
        makeCurrent(world.teamA, player, tank);
        return tank;
    }
    // The position, the 12-unit footprint and its corners all moved together.
    static void expectAt(const Tank& tank, float x, float z) {
        EXPECT_NEAR(tank.position.x, x, 1e-4);
        EXPECT_NEAR(tank.position.z, z, 1e-4);
        EXPECT_NEAR(tank.box.xmin, x - 6, 1e-4);
        EXPECT_NEAR(tank.box.zmax, z + 6, 1e-4);
        EXPECT_NEAR(tank.corners[6].x, x + 6, 1e-4);
        EXPECT_NEAR(tank.corners[6].z, z - 6, 1e-4);
    }
    // A prize of the given kind lying at (x, z) on team A's half.
    void lay(int kind, float x, float z) {
        world.teamA.prize = std::make_unique<Prize>(world.random);
        world.teamA.prize->kind = kind;
        world.teamA.prize->box = {x - 2, x + 2, -2, 2, z - 2, z + 2};
    }
    Player& player;
    Tank* enemy = nullptr;
};

TEST_F(TankActions, StepsFollowTheHeadingAndMileageCapsAtTen) {
    Tank& tank = current(30, 0);
    const struct {
        int heading;
        bool forward;
        float x, z;
    } steps[] = {{0, true, 29, 0},   {0, false, 30, 0},   {90, true, 30, 1},   {270, true, 30, 0},
                 {180, true, 31, 0}, {360, false, 32, 0}, {270, false, 32, 1}, {90, false, 32, 0},
                 {0, true, 31, 0},   {0, true, 30, 0},    {0, true, 30, 0}};  // the 11th is refused
    for (const auto& s : steps) {
        tank.heading = s.heading;
        s.forward ? driveForward(world, host) : driveBackward(world, host);
        expectAt(tank, s.x, s.z);
    }
    EXPECT_EQ(tank.mileage, 10);
    EXPECT_EQ(host.readoutChanges, 11);
}

TEST_F(TankActions, TanksStopShortOfTheDividerTheEdgeAndTeamMates) {
    Tank& tank = current(13.5f, 0);
    driveForward(world, host);
    expectAt(tank, 13.01f, 0);
    driveForward(world, host);  // the gap is now 0.01: no move, still costs mileage
    expectAt(tank, 13.01f, 0);
    EXPECT_EQ(tank.mileage, 2);
    tank.heading = 90;  // a footprint flush with the divider still drives along it
    driveForward(world, host);
    expectAt(tank, 13.01f, 1);

    Tank& edge = current(53.5f, 53.5f);
    driveBackward(world, host);  // heading 0: backward is +x
    expectAt(edge, 54, 53.5f);
    edge.heading = 90;
    driveForward(world, host);
    expectAt(edge, 54, 54);
    edge.heading = 270;
    CombatScene::moveTank(edge, 54, -53.5f);
    driveForward(world, host);
    expectAt(edge, 54, -54);

    Tank& b = *enemy;
    makeCurrent(world.teamB, *world.teamB.firstPlayer, b);
    CombatScene::moveTank(b, -13.5f, 5);
    driveForward(world, host);
    expectAt(b, -13.01f, 5);
}

TEST_F(TankActions, ApproachesTheNearestTeamMateAheadOrBehindAndIgnoresTheRest) {
    addTank(world.teamA, player, 17.2f, 8);                  // xmax 23.2, first in roster order
    Tank& nearer = addTank(world.teamA, player, 17.6f, -8);  // xmax 23.6
    addTank(world.teamA, player, 17.9f, 0).destroyed = true;
    addTank(world.teamA, player, 17.9f, 1).placed = false;
    Tank& behind = addTank(world.teamA, player, 42, 0);  // xmin 36
    Tank& tank = current(29.9f, 0);                      // xmin 23.9, xmax 35.9
    driveForward(world, host);
    EXPECT_NEAR(tank.box.xmin, nearer.box.xmax + 0.01f, 1e-4);
    driveBackward(world, host);
    driveBackward(world, host);
    EXPECT_NEAR(tank.box.xmax, behind.box.xmin - 0.01f, 1e-4);
}

TEST(Turning, QuarterTurnsWrapRoundAndLeaveTheFootprint) {
    GameWorld world;
    Tank tank(world);
    std::string headings;
    for (int i = 0; i < 5; ++i)
        headings += std::to_string((turnClockwise(tank), tank.heading)) + " ";
    tank.heading = 0;
    for (int i = 0; i < 5; ++i)
        headings += std::to_string((turnCounterClockwise(tank), tank.heading)) + " ";
    EXPECT_EQ(headings, "270 180 90 0 270 90 180 270 360 90 ");
    EXPECT_FLOAT_EQ(tank.box.xmin, -6.0f);
}

using Control = void (*)(GameWorld&, GameHost&);

TEST_F(TankActions, ElevationAndPowerStopAtTheirLimitsAndTheTurretWraps) {
    Tank& tank = current(30, 0);
    const struct {
        int Tank::*field;
        Control control;
        int from, to;
    } ints[] = {{&Tank::elevation, raiseCannon, -79, -80},
                {&Tank::elevation, raiseCannon, -80, -80},
                {&Tank::elevation, lowerCannon, -1, 0},
                {&Tank::elevation, lowerCannon, 0, 0},
                {&Tank::turretAngle, turnCannonCounterClockwise, 359, 360},
                {&Tank::turretAngle, turnCannonCounterClockwise, 360, 1},
                {&Tank::turretAngle, turnCannonClockwise, 0, 359},
                {&Tank::turretAngle, turnCannonClockwise, 1, 0}};
    for (const auto& c : ints) {
        tank.*c.field = tank.turretYaw = c.from;
        c.control(world, host);
        EXPECT_EQ(tank.*c.field, c.to) << "from " << c.from;
        if (c.field == &Tank::turretAngle) {
            EXPECT_EQ(tank.turretYaw, c.to) << "yaw from " << c.from;
        }
    }
    const struct {
        Control control;
        float from, to;
    } powers[] = {{powerDown, 1.0f, 0.1f},     {powerDownFine, 0.1f, 0.1f},
                  {powerUp, 99.5f, 100.0f},    {powerUpFine, 100.0f, 100.0f},
                  {powerUpFine, 10.0f, 10.1f}, {powerDownFine, 10.0f, 9.9f},
                  {powerUp, 10.0f, 11.0f},     {powerDown, 10.0f, 9.0f}};
    for (const auto& c : powers) {
        tank.power = c.from;
        c.control(world, host);
        EXPECT_NEAR(tank.power, c.to, 1e-5) << "from " << c.from;
    }
    EXPECT_EQ(host.readoutChanges, 4 + 8);  // the turret has no readout to refresh
}

TEST_F(TankActions, FiringLaunchesEveryCannonOnceAndRestoresTheMileage) {
    Tank& tank = current(30, 0);
    tank.cannonCount = 3;
    tank.mileage = 7;
    ASSERT_TRUE(fire(world, host));
    EXPECT_EQ(world.shellsInFlight, 3);
    EXPECT_EQ(tank.mileage, 0);
    EXPECT_TRUE(world.shotInProgress);
    EXPECT_EQ(host.buttonStates, std::vector<bool>{false});
    EXPECT_EQ(host.sounds, std::vector<std::string>{cannonSoundFile});
    EXPECT_FALSE(fire(world, host));  // the shells are still flying
    EXPECT_EQ(world.shellsInFlight, 3);

    world.shotInProgress = false;
    world.shellsInFlight = shellSlotCount;
    EXPECT_FALSE(fire(world, host));  // a full table
    world.shellsInFlight = 0;
    tank.power = 0.0f;
    EXPECT_FALSE(fire(world, host));
    EXPECT_EQ(host.sounds.size(), 1u);

    tank.power = 10.0f;
    tank.cannonCount = 0;  // a volley that launches nothing still passes the turn
    ASSERT_TRUE(fire(world, host));
    EXPECT_FALSE(world.shotInProgress);
    EXPECT_EQ(world.currentTank(), enemy);
}

TEST_F(TankActions, DrivingForwardOntoThePrizeTakesItWithItsMessage) {
    Tank& tank = current(30, 0);
    tank.cannons[0].camouflage = FallCamouflage;
    const struct {
        int kind;
        int cannonsBefore;
        const char* message;
    } cases[] = {
        {WeakShieldPrize, 1, "Congratulations! You just picked up a weak shield"},
        {MediumShieldPrize, 1, "Congratulations! You just picked up a medium strength shield"},
        {StrongShieldPrize, 1, "Congratulations! You just picked up a strong shield"},
        {CannonPrize, 1, "Congratulations! You just received another cannon for your tank."},
        {CannonPrize, 5, "Sorry. Your tank can't hold any more cannons."}};
    for (const auto& c : cases) {
        CombatScene::moveTank(tank, 30, 0);
        tank.mileage = 0;
        tank.cannonCount = c.cannonsBefore;
        lay(c.kind, 22.5f, 0);  // xmax 24.5: reached by the next step
        driveForward(world, host);
        EXPECT_EQ(world.teamA.prize, nullptr) << c.message;
        EXPECT_EQ(host.messages.back().text + "|" + host.messages.back().caption,
                  std::string(c.message) + "|PowerUp");
    }
    EXPECT_EQ(tank.weakShields * 100 + tank.mediumShields * 10 + tank.strongShields, 111);
    EXPECT_EQ(tank.cannonCount, 5);
    EXPECT_EQ(host.shieldsMenuStates, std::vector<bool>(5, true));
    tank.cannonCount = 1;
    tank.weakShields = tank.mediumShields = tank.strongShields = 0;
    CombatScene::moveTank(tank, 30, 0);
    lay(CannonPrize, 26, 0);
    driveForward(world, host);
    EXPECT_FLOAT_EQ(tank.cannons[1].lateralOffset, 0.425f);
    EXPECT_EQ(tank.cannons[1].camouflage, FallCamouflage);
    EXPECT_FALSE(host.shieldsMenuStates.back());
}

TEST_F(TankActions, BackingOntoAPrizeLeavesItForTheFirstTankOnItAtTheNextForwardStep) {
    Tank& first = current(40, 30);
    Tank& mover = current(30, -10);
    lay(StrongShieldPrize, 49, 30);  // xmin 47: clear of first (xmax 46) until it backs
    makeCurrent(world.teamA, player, first);
    driveBackward(world, host);
    EXPECT_NE(world.teamA.prize, nullptr);
    first.destroyed = true;  // a wreck or an unplaced tank never stands on a prize
    EXPECT_EQ(findTankOnPrize(*world.teamA.prize, world.teamA), nullptr);
    first.destroyed = false;
    first.placed = false;
    EXPECT_EQ(findTankOnPrize(*world.teamA.prize, world.teamA), nullptr);
    first.placed = true;
    makeCurrent(world.teamA, player, mover);
    driveForward(world, host);
    EXPECT_EQ(world.teamA.prize, nullptr);
    EXPECT_EQ(first.strongShields * 10 + mover.strongShields, 10);
}

TEST_F(TankActions, PrizesStayClearOfTheTeamsTanksOnItsHalf) {
    current(30, 0);
    Prize prize(world.random);
    for (int i = 0; i < 500; ++i) {
        placePrize(world, prize, world.teamA);
        ASSERT_EQ(findTankOnPrize(prize, world.teamA), nullptr);
    }
}

// Who holds the turn after each pass, e.g. "B3": the team and the player's number.
class TurnOrder : public TankActions {
  protected:
    std::string pass(int n) {
        std::string out;
        for (int i = 0; i < n; ++i) {
            passTurn(world, host);
            out += (world.currentTeam == &world.teamA ? "A" : "B") +
                   std::to_string(world.currentPlayer()->number) + "." +
                   std::to_string(world.currentTank()->number) + " ";
        }
        return out;
    }
};

TEST_F(TurnOrder, TeamsAlternateAndPlayersAndTheirTanksRotate) {
    runNewGame(world, host, GameSetup{{2}, {1, 1, 1}});
    // Every visit first moves on: B's first turn goes to its second player.
    EXPECT_EQ(pass(8), "B3.1 A1.2 B4.1 A1.1 B2.1 A1.2 B3.1 A1.1 ");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TurnOrder, DestroyedTanksAreSteppedOverWhateverTheirPlayersHold) {
    current(30, 0);
    Player& big = addPlayer(world.teamB);
    for (int i = 0; i < 3; ++i)
        addTank(world.teamB, big, -30, 20.0f * i);
    addPlayerWithTank(world.teamB, -50, 0);
    Tank* survivor = big.firstTank->next->next;
    forEachTank(world.teamB, [&](Tank& t) { t.destroyed = (&t != survivor); });
    world.teamB.currentPlayer = &big;
    big.currentTank = survivor;  // the next visits of this player start past it
    world.prizeCountdown = 30;
    EXPECT_EQ(pass(4), "B3.3 A1.1 B3.3 A1.1 ");
}

TEST_F(TurnOrder, GameOverKeepsTheShooterWhileTheOtherTeamHasNoLiveTank) {
    Tank& shooter = current(30, 0);
    enemy->mediumShields = 1;
    world.prizeCountdown = 30;
    world.shotInProgress = true;
    passTurn(world, host);
    EXPECT_FALSE(world.shotInProgress);
    EXPECT_EQ(host.shieldsMenuStates, std::vector<bool>{true});
    passTurn(world, host);  // the shooter holds no shield
    EXPECT_EQ(host.shieldsMenuStates.back(), false);
    enemy->destroyed = true;
    for (int shot = 1; shot <= 2; ++shot) {
        world.shotInProgress = true;
        passTurn(world, host);
        EXPECT_EQ(host.countMessages("Game Over"), shot);
        EXPECT_EQ(host.messages.back().text, "Game Over");
        EXPECT_EQ(world.currentTank(), &shooter);
        EXPECT_FALSE(world.shotInProgress);
    }
    EXPECT_EQ(host.buttonStates, std::vector<bool>(4, true));
    EXPECT_EQ(host.readoutChanges, 4);
    EXPECT_EQ(world.prizeCountdown, 28);  // no turn passed, no countdown
}

TEST_F(TurnOrder, MissingPrizesReturnWhenTheCountdownRunsOutAndLyingOnesStay) {
    runNewGame(world, host);
    const Prize* lying = world.teamA.prize.get();
    world.teamB.prize.reset();
    world.prizeCountdown = 2;
    pass(1);
    EXPECT_EQ(world.teamB.prize, nullptr);
    pass(1);
    ASSERT_NE(world.teamB.prize, nullptr);
    EXPECT_LT(world.teamB.prize->position.x, 0.0f);
    EXPECT_EQ(world.teamA.prize.get(), lying);
    EXPECT_GE(world.prizeCountdown, 20);  // a new countdown started
}

class ShieldsDialogs : public TankActions {
  protected:
    Tank& holding(int weak, int medium, int strong) {
        Tank& t = current(30, 0);
        t.weakShields = weak;
        t.mediumShields = medium;
        t.strongShields = strong;
        return t;
    }
};

TEST_F(ShieldsDialogs, CheckingTheBoxUnlocksHeldKindsAndOkSwitchesTheChoiceOn) {
    Tank& t = holding(0, 2, 1);
    ShieldsDialog d(world);
    EXPECT_EQ(d.choiceText(WeakShield) + d.choiceText(MediumShield) + d.choiceText(StrongShield),
              "Weak Shield (0 left)Medium Strength Shield (2 left)Strong Shield (1 left)");
    EXPECT_EQ(d.checkedChoice(), MediumShield);
    d.clickChoice(StrongShield);  // still locked
    EXPECT_EQ(d.checkedChoice(), MediumShield);
    EXPECT_TRUE(d.activateEnabled());
    d.clickActivate();
    EXPECT_TRUE(d.activateChecked());
    std::string enabled;
    for (int k = 0; k < 3; ++k)
        enabled += d.choiceEnabled(k) ? "1" : "0";
    EXPECT_EQ(enabled, "011");
    d.clickChoice(WeakShield);  // none held: stays disabled
    d.clickChoice(StrongShield);
    d.pressOk();
    EXPECT_TRUE(t.shieldActive);
    EXPECT_EQ(t.shieldKind, StrongShield);
    EXPECT_EQ(t.shieldStrength, 100.0f);
    EXPECT_EQ(t.mediumShields * 10 + t.strongShields, 20);
    EXPECT_FALSE(activateShield(t, MediumShield));  // one at a time
}

TEST_F(ShieldsDialogs, OkWithTheBoxClearedOrCancelChangesNothing) {
    Tank& t = holding(1, 0, 3);
    {
        ShieldsDialog d(world);
        d.clickActivate();
        d.clickActivate();  // cleared again: OK does nothing
        d.pressOk();
    }
    ShieldsDialog d(world);
    d.clickActivate();
    d.pressCancel();
    EXPECT_FALSE(t.shieldActive);
    EXPECT_EQ(t.weakShields, 1);
}

TEST_F(ShieldsDialogs, AnActiveShieldIsOnlyShownAndNothingHeldLocksEverything) {
    Tank& t = holding(1, 0, 2);
    ASSERT_TRUE(activateShield(t, StrongShield));
    ShieldsDialog active(world);
    EXPECT_TRUE(active.activateChecked());
    EXPECT_FALSE(active.activateEnabled());
    active.clickActivate();
    EXPECT_FALSE(active.choiceEnabled(WeakShield));
    t.weakShields = t.strongShields = 0;
    t.shieldActive = false;
    ShieldsDialog none(world);
    ShieldsDialog noGame(nullptr);
    for (ShieldsDialog* d : {&none, &noGame}) {
        EXPECT_EQ(d->checkedChoice(), -1);
        EXPECT_FALSE(d->activateEnabled());
    }
    EXPECT_EQ(none.choiceText(7), "");
    EXPECT_EQ(shieldCapacity(9), 0.1f);  // an unknown kind cannot divide by zero
}

}  // namespace
