// SPDX-License-Identifier: GPL-3.0-or-later
// SimGame: the whole-game simulation that sim_test.cpp plays from seeds.
#pragma once

// A whole game played by a scripted player through the same calls the program makes,
// with the game's invariants checked after every action and every frame.

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <string>

#include "combat/firing.h"
#include "combat/flight.h"
#include "combat/shields.h"
#include "combat/sounds.h"
#include "combat/tank_actions.h"
#include "game/aim.h"
#include "game/angles.h"
#include "game/collision.h"
#include "game/drive.h"
#include "game/new_game.h"
#include "mind/aim_steps.h"
#include "resources/asset_catalog.h"
#include "tests/core/fixtures.h"
#include "tests/golden.h"

// printf-checked, so every call's format is a literal the compiler verifies.
[[gnu::format(printf, 2, 3)]] inline void appendf(std::string& log, const char* format, ...) {
    char line[256];
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    log += line;
}

class SimGame {
  public:
    // seed drives both the game's generator and the scripted player's choices.
    explicit SimGame(unsigned seed) : choices_(seed * 7919u + 17u) { world().random.seed(seed); }

    GameWorld& world() { return scene_.world; }

    // Runs the new-game dialogs with random team and player sizes and camouflages, now and
    // then offering a bad value or a blank name first; logs what each dialog proposed and
    // every refusal.
    void setUp() {
        NewGameFlow flow(world(), scene_.host);
        flow.start();
        const char* bad[] = {"0", "5", "abc", "", "2x", "99999999999", "119", "301", "-1"};
        std::string proposed;
        while (flow.active()) {
            std::string *name = nullptr, *value = nullptr;
            const bool goodValue = pick(4) != 0;
            bool valid = goodValue;
            if (TeamDialog* d = flow.teamDialog()) {
                name = &d->name;
                value = &d->countText;
            } else if (PlayerDialog* d = flow.playerDialog()) {
                name = &d->name;
                value = &d->countText;
                d->check(27 + pick(6));  // 32 is no camouflage's button
                if (d->name != "")
                    appendf(log, "%s, ", d->title.c_str());
            } else {
                value = &flow.arenaSizeDialog()->lengthText;
            }
            if (name != nullptr && *name != "")
                appendf(log, "'%s' proposed\n", (proposed = *name).c_str());
            if (name != nullptr)
                *name = pick(6) != 0 ? proposed : (valid = false, "");
            *value = !goodValue ? bad[pick(9)]
                     : name     ? std::to_string(1 + pick(4))
                                : std::to_string(pick(3) ? 120 + pick(181) : 120 + 180 * pick(2));
            const size_t messages = scene_.host.messages.size();
            if (flow.pressOk() == NewGameFlow::OkResult::Rejected) {
                if (valid)
                    return fail("a valid dialog was rejected");
                appendf(log, "'%s' refused: %s|%s\n", value->c_str(),
                        scene_.host.messages[messages].text.c_str(),
                        scene_.host.messages[messages].caption.c_str());
            }
        }
        appendf(log, "game: side %.0f barrier %.0f, team A %s %d tanks, team B %s %d tanks\n",
                world().arena.halfSide * 2, world().arena.barrierHeight, world().teamA.name,
                world().teamA.tankTotal, world().teamB.name, world().teamB.tankTotal);
        checkTanks();
    }

    // When set, plays each turn up to the shot in place of the scripted player.
    std::function<void(GameWorld&, GameHost&)> turnPlayer;
    // Every turn as logged; the first check that failed, if any; whether "Game Over" came.
    std::string log, failure;
    bool gameOver = false;

    // Plays turns until "Game Over", a failed check or the cap.
    void play(int maxTurns) {
        while (failure.empty() && !gameOver && turns_ < maxTurns)
            playTurn();
    }

  private:
    using Control = void (*)(GameWorld&, GameHost&);
    int pick(int n) { return choices_.next() % n; }

    void fail(const std::string& what) {
        if (failure.empty())
            failure = "turn " + std::to_string(turns_) + ": " + what;
    }

    // "A3": the team and the tank's serial.
    static std::string name(const Tank& t) {
        return (t.position.x > 0 ? "A" : "B") + std::to_string(t.serial);
    }

    // Placed live tanks stay on the floor, on their own half and clear of team mates.
    void checkTanks() {
        const float h = world().arena.halfSide;
        const Box& wall = world().arena.divider.bounds;
        for (const Team* team : {&world().teamA, &world().teamB}) {
            forEachTank(*team, [&](const Tank& t) {
                if (!t.placed || t.destroyed)
                    return;
                if (t.box.xmin < -h || t.box.xmax > h || t.box.zmin < -h || t.box.zmax > h)
                    fail("a tank stands beyond the floor's edge");
                if (team->index == 0 ? t.box.xmin < wall.xmax : t.box.xmax > wall.xmin)
                    fail("a tank left its half");
                if (findBlockingTeamMate(t, *team) != nullptr)
                    fail("placed team mates overlap");
            });
        }
    }

    // Turns the cannon onto the target and finds the power that lands there.
    void aimAt(const Tank& target) {
        GameWorld& w = world();
        Tank& me = *w.currentTank();
        const double dx = target.position.x - me.position.x;
        const double dz = target.position.z - me.position.z;
        const int azimuth = static_cast<int>(std::lround(std::atan2(dz, -dx) * 57.29577951308232));
        const int turret = ((azimuth - me.heading) % 360 + 360) % 360;
        const int elevation = -30 - pick(40);
        // Where a shell of this power comes down to tank height, by bisection.
        const double e = -elevation * radiansPerDegree, distance = std::hypot(dx, dz);
        double low = 0.1, high = 100.0;
        for (int i = 0; i < 30; ++i) {
            const double mid = (low + high) / 2, up = mid * std::sin(e);
            const double t =
                (up + std::sqrt(up * up + 2 * gravity * (1.25 + 6 * std::sin(e)))) / gravity;
            (3 + 6 * std::cos(e) + mid * std::cos(e) * t < distance ? low : high) = mid;
        }
        // Pressed on the keys as the computer player would.
        Tank plan = me;
        std::vector<TankAction> keys;
        stepAimTo(plan, Aim{turret, elevation, float(low + (pick(7) - 3) * 0.3)}, keys);
        for (TankAction key : keys)
            applyTankAction(key, w, scene_.host);
    }

    void randomActions(Tank& me) {
        GameWorld& w = world();
        GameHost& host = scene_.host;
        const Prize* prize = w.currentTeam->prize.get();
        if (prize != nullptr && pick(10) < 3) {
            // Head for the team's prize along the longer axis and drive onto it.
            const float dx = prize->position.x - me.position.x;
            const float dz = prize->position.z - me.position.z;
            const int heading =
                std::fabs(dx) > std::fabs(dz) ? (dx < 0 ? 0 : 180) : (dz > 0 ? 90 : 270);
            for (int i = 0; i < 4 && me.heading % 360 != heading; ++i)
                turnCounterClockwise(w, host);
            for (int steps = Tank::maxMileage; steps > 0; --steps)
                driveForward(w, host);
        } else if (pick(10) < 4) {
            if (pick(3) == 0)
                pick(2) ? turnClockwise(w, host) : turnCounterClockwise(w, host);
            const bool forward = pick(3) != 0;
            for (int steps = 1 + pick(12); steps > 0; --steps)
                forward ? driveForward(w, host) : driveBackward(w, host);
        }
        checkTanks();
        if (pick(3) == 0) {
            // The dialog offers only the kinds held, once its box is checked.
            ShieldsDialog dialog(w);
            dialog.clickActivate();
            dialog.clickChoice(pick(shieldKindCount));
            const int kind = dialog.checkedChoice();
            appendf(log, " shields %d%d%d>%d", dialog.choiceEnabled(0), dialog.choiceEnabled(1),
                    dialog.choiceEnabled(2), kind);
            dialog.pressOk();
            if (kind >= 0 && me.shieldActive)
                appendf(log, " %s on at %.0f", dialog.choiceText(kind).c_str(), me.shieldStrength);
        }
        std::vector<const Tank*> targets;
        forEachTank(w.otherTeam(*w.currentTeam), [&](const Tank& t) {
            if (!t.destroyed)
                targets.push_back(&t);
        });
        if (!targets.empty() && pick(10) < 7) {
            aimAt(*targets[pick(static_cast<int>(targets.size()))]);
        } else {
            // Far enough, now and then, to reach every limit.
            for (int i = pick(400); i > 0; --i)
                turnCannonClockwise(w, host);
            const Control moves[] = {raiseCannon, lowerCannon, powerUp,
                                     powerDown,   powerUpFine, powerDownFine};
            for (int m = 0; m < 3; ++m) {
                const Control move = moves[2 * m + pick(2)];
                for (int i = pick(m == 2 ? 20 : 100); i > 0; --i)
                    move(w, host);
            }
        }
    }

    void playTurn() {
        GameWorld& w = world();
        RecordingHost& host = scene_.host;
        ++turns_;
        Team& shooterTeam = *w.currentTeam;
        Team& enemy = w.otherTeam(shooterTeam);
        Tank* shooter = w.currentTank();
        if (shooter == nullptr || shooter->destroyed)
            return fail("the turn is with no live tank");
        const bool holdsShield =
            shooter->shieldActive ||
            shooter->weakShields + shooter->mediumShields + shooter->strongShields;
        if (!host.shieldsMenuStates.empty() && host.shieldsMenuStates.back() != holdsShield)
            return fail("the Shields item does not follow the tank's shields");
        const size_t messagesBefore = host.messages.size();
        appendf(log, "%3d %s", turns_, name(*shooter).c_str());
        turnPlayer ? turnPlayer(w, host) : randomActions(*shooter);

        const size_t buttonCallsBefore = host.buttonStates.size();
        const size_t soundsBefore = host.sounds.size();
        // Each tank's shield strength, or -1 once destroyed; and which prizes lie.
        std::vector<float> before;
        for (const Team* team : {&w.teamA, &w.teamB})
            forEachTank(*team, [&](const Tank& t) {
                before.push_back(t.destroyed ? -1 : t.shieldActive ? t.shieldStrength : 0);
            });
        const bool prizes[2] = {w.teamA.prize != nullptr, w.teamB.prize != nullptr};
        const int killsBefore = shooter->kills, countdownBefore = w.prizeCountdown;
        if (!fire(w, host))
            return fail("the current tank could not fire");
        appendf(log, " at (%.2f, %.2f) h %d t %d e %d p %.1f x%d:", shooter->position.x,
                shooter->position.z, shooter->heading, shooter->turretAngle, shooter->elevation,
                shooter->power, shooter->cannonCount);
        if (host.sounds.size() != soundsBefore + 1 || host.sounds.back() != cannonSoundFile)
            return fail("a volley did not play the cannon once");
        long frames = 0;
        Vec3 last{};  // where the last shell was last drawn
        for (; w.shellsInFlight > 0; ++frames) {
            const SeenShells seen = updateShells(w, host);
            if (seen.count > 0)
                last = seen.shells[seen.count - 1].position;
            for (int i = 0; i < shellSlotCount; ++i)
                if (static_cast<bool>(w.shells[i]) != (i < w.shellsInFlight))
                    return fail("the shell table does not match its count");
            if (w.shellsInFlight > 0 && host.buttonStates.size() != buttonCallsBefore + 1)
                return fail("the turn passed while shells were flying");
            if (frames > 100000)
                return fail("a shell never ended");
        }
        appendf(log, " %ld frames, last at (%.2f, %.2f)", frames, last.x, last.z);
        checkTanks();

        // What the volley did to tanks, shields and prizes, in hits of 25.
        int hits = 0, destroyed = 0, enemiesLeft = 0;
        size_t i = 0;
        for (const Team* team : {&w.teamA, &w.teamB}) {
            forEachTank(*team, [&](const Tank& t) {
                const float now = t.shieldActive ? t.shieldStrength : 0.0f, was = before[i++];
                if (was > now) {
                    hits += static_cast<int>(std::lround((was - now) / 25));
                    appendf(log, " shield %s took %.0f", name(t).c_str(), (was - now) / 25);
                }
                enemiesLeft += team == &enemy && !t.destroyed;
                if (t.destroyed && was >= 0) {
                    ++hits;
                    ++destroyed;
                    appendf(log, " destroyed %s", name(t).c_str());
                }
            });
        }
        for (int k = 0; k < 2; ++k) {
            if (prizes[k] && !(k ? w.teamB : w.teamA).prize) {
                ++hits;
                appendf(log, " prize %s hit", k ? "B" : "A");
            }
        }
        const int taunts = static_cast<int>(host.sounds.size() - soundsBefore - 1);
        const bool prizesCameBack = w.prizeCountdown != countdownBefore - 1;
        if (taunts < hits || (!prizesCameBack && taunts != hits))
            return fail("taunts do not match the hits");
        if (shooter->kills - killsBefore != destroyed)
            return fail("the shooter was not credited with each tank destroyed");
        if (host.buttonStates.size() != buttonCallsBefore + 2 || !host.buttonStates.back())
            return fail("the turn did not pass once");
        for (size_t m = messagesBefore; m < host.messages.size(); ++m) {
            if (host.messages[m].caption == "PowerUp")
                appendf(log, ", PowerUp: %s", host.messages[m].text.c_str());
            else if (host.messages[m].caption == "Game Over")
                gameOver = true;
            else
                return fail("unexpected message " + host.messages[m].caption);
        }
        if (gameOver) {
            appendf(log, ", Game Over\n");
            if (enemiesLeft != 0 || w.currentTeam != &shooterTeam)
                return fail("Game Over while the other team lives, or the turn moved");
            return;
        }
        if (enemiesLeft == 0 || w.currentTeam != &enemy || w.currentTank()->destroyed)
            return fail("the turn did not go to a live tank of the other team");
        appendf(log, ", countdown %d\n", w.prizeCountdown);
    }

    CombatScene scene_;
    GameRandom choices_;
    int turns_ = 0;
};
