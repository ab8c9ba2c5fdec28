// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the computer players: targets found within each level's volleys, games that end,
// and their drives and aims.
#include <gtest/gtest.h>

#include <algorithm>

#include "combat/shields.h"
#include "mind/aim_steps.h"
#include "mind/computer_player.h"
#include "mind/prize_route.h"
#include "mind/volley.h"
#include "tests/core/sim_game.h"

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__OPTIMIZE__) == 0
constexpr int scale = 10;  // the sanitizer build plays a tenth of the placements and games
#else
constexpr int scale = 1;
#endif

void setControl(Team& team, PlayerControl control) {
    for (Player* p = team.firstPlayer; p != nullptr; p = p->next)
        p->control = control;
}

// Plays the plan through the key actions and logs the target, shield and drive it chose;
// returns a complaint, or "" when the shot is made by keys alone and leaves the tank as the
// plan promised.
std::string playPlan(ComputerMind& mind, GameWorld& world, GameHost& host, std::string& log,
                     bool fireToo) {
    const TurnPlan plan = mind.planTurn(world);
    if (plan.actions.empty() || plan.actions.back() != TankAction::Fire || !mind.lastAimed())
        return "a plan does not end with a shot";
    Tank& tank = *world.currentTank();
    if (plan.shieldKind >= 0 && !activateShield(tank, plan.shieldKind))
        return "a plan chose a shield the tank cannot switch on";
    for (size_t i = 0; i + 1 < plan.actions.size(); ++i) {
        if (plan.actions[i] == TankAction::None || plan.actions[i] == TankAction::Fire)
            return "a plan holds an action no key makes before its shot";
        applyTankAction(plan.actions[i], world, host);
    }
    const Tank& p = *mind.lastAimed();
    if (tank.position != p.position || tank.heading != p.heading ||
        tank.turretAngle != p.turretAngle || tank.elevation != p.elevation ||
        tank.power != p.power || tank.mileage != p.mileage || tank.cannonCount != p.cannonCount ||
        tank.weakShields + tank.mediumShields + tank.strongShields !=
            p.weakShields + p.mediumShields + p.strongShields)
        return "the keys left the tank other than the plan promised";
    // The mind drives only to take its team's prize.
    const bool drove =
        std::count(plan.actions.begin(), plan.actions.end(), TankAction::DriveForward);
    if (drove && world.currentTeam->prize != nullptr)
        return "a drive planned onto the prize missed it";
    appendf(log, " -> %d shield %d drive %d t %d e %d p %.1f in %zu", mind.lastTarget(),
            plan.shieldKind, drove, p.turretAngle, p.elevation, p.power, plan.actions.size());
    if (fireToo)
        applyTankAction(TankAction::Fire, world, host);
    return "";
}

// One tank each, placed by the game's own new-game code; the computer fires at team B's
// tank from team A's until a volley reaches it, the turn handed straight back each time.
TEST(ComputerMind, EachLevelFindsItsTargetWithinItsVolleys) {
    const struct {
        PlayerControl level;
        const char* name;
        int volleys;  // allowed to hit
        double rate;  // at least this share of placements
    } cases[] = {{PlayerControl::ComputerHard, "hard", 1, 0.95},
                 {PlayerControl::ComputerNormal, "normal", 5, 0.90},
                 {PlayerControl::ComputerEasy, "easy", 10, 0.75}};
    const int placements = 200 / scale;
    std::string log;  // each volley of the first 20 placements, the same in every build
    for (const auto& c : cases) {
        int hits = 0;
        ComputerMind mind(7);  // a new placement is a new game
        for (int seed = 1; seed <= placements; ++seed) {
            mind.forgetGame();
            CombatScene scene;
            scene.world.random.seed(seed);
            runNewGame(scene.world, scene.host, 120 + seed * 37 % 181);
            GameWorld& w = scene.world;
            setControl(w.teamA, c.level);
            bool hit = false;
            for (int volley = 1; volley <= c.volleys && !hit; ++volley) {
                w.currentTeam = &w.teamA;
                std::string line;
                appendf(line, "%s %d.%d", c.name, seed, volley);
                ASSERT_EQ(playPlan(mind, w, scene.host, line, true), "") << line;
                scene.runVolley();
                hit = w.teamB.firstPlayer->firstTank->destroyed;  // it holds no shield
                line += hit ? " hit\n" : " miss\n";
                log += seed <= 20 ? line : "";
            }
            hits += hit;
        }
        EXPECT_GE(hits, c.rate * placements) << c.name << " of " << placements;
    }
    expectAsReviewed(KRELLMONT_TEST_DATA_DIR "/mind_placements.txt", log);
}

// Whole games between computer players, checked frame by frame by the simulated game;
// hard against easy with each level on either side in turn.
TEST(ComputerMind, ComputerGamesEndAndTheHarderLevelWins) {
    const PlayerControl levels[] = {PlayerControl::ComputerEasy, PlayerControl::ComputerNormal,
                                    PlayerControl::ComputerHard};
    int hardWins = 0, hardGames = 0;
    std::string log;  // the games every build plays
    for (PlayerControl a : levels) {
        for (PlayerControl b : levels) {
            const bool hardEasy =
                (a == PlayerControl::ComputerHard) != (b == PlayerControl::ComputerHard) &&
                (a == PlayerControl::ComputerEasy || b == PlayerControl::ComputerEasy);
            const int games = hardEasy ? 50 / scale : (scale == 1 ? 2 : 1);
            for (int g = 0; g < games; ++g) {
                const unsigned seed = 100 * (3 * int(a) + int(b)) + g;
                SimGame game(seed);
                game.setUp();
                setControl(game.world().teamA, a);
                setControl(game.world().teamB, b);
                ComputerMind mind(seed);
                game.turnPlayer = [&](GameWorld& w, GameHost& host) {
                    game.failure += playPlan(mind, w, host, game.log, false);
                };
                game.play(1000);
                ASSERT_EQ(game.failure, "") << "seed " << seed << "\n" << game.log;
                ASSERT_TRUE(game.gameOver) << "seed " << seed << "\n" << game.log;
                log += g < (hardEasy ? 5 : 1) ? game.log : "";
                const int winner = game.world().currentTeam->index;
                hardGames += hardEasy;
                hardWins += hardEasy && (winner == 0 ? a : b) == PlayerControl::ComputerHard;
            }
        }
    }
    EXPECT_GE(hardWins, 0.8 * hardGames) << "of " << hardGames;
    expectAsReviewed(KRELLMONT_TEST_DATA_DIR "/mind_games.txt", log);
}

// The mind's moves made on a copy of the tank: no drive (of two legs here) onto a prize a team
// mate stands on (the mate would be handed it) until the mate moves off; a whole power step
// clamped at full or least power has the tenths it left short made up, so the keys still end on
// the aim; a volley that would come down on a team mate counts against that aim.
TEST(MindMoves, NoDriveOntoAPrizeAMateHoldsFullPowerEndsOnTheAimAndMatesCountAgainstIt) {
    CombatScene scene;
    GameWorld& w = scene.world;
    Tank& tank = scene.addPlayerWithTank(w.teamA, 48, 18);
    Tank& mate = scene.addTank(w.teamA, *w.teamA.firstPlayer, 67, 30);
    w.currentTeam = &w.teamA;
    w.teamA.prize = std::make_unique<Prize>(w.random);
    w.teamA.prize->box = {58, 62, 0, 4, 28, 32};
    std::vector<TankAction> actions;
    Tank plan = tank;
    EXPECT_FALSE(routeToPrize(w, plan, actions));
    CombatScene::moveTank(mate, 67, 60);
    EXPECT_TRUE(routeToPrize(w, plan, actions));
    for (auto [from, to] : {std::pair{99.4f, 100.0f}, std::pair{0.6f, 0.1f}}) {
        tank.power = plan.power = from;
        stepAimTo(plan, Aim{plan.turretAngle, plan.elevation, to}, actions);
        for (TankAction a : actions)
            applyTankAction(a, w, scene.host);
        actions.clear();
        EXPECT_NEAR(tank.power, to, 0.05f) << from;
    }
    const Tank& target = scene.addPlayerWithTank(w.teamB, -60, 0);
    CombatScene::moveTank(mate, tryVolley(w, tank, target).end.x, tryVolley(w, tank, target).end.z);
    EXPECT_EQ(tryVolley(w, tank, target).onFriends, 1);
}

}  // namespace
