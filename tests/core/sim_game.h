#pragma once

// A whole game played by a scripted player through the same calls the program makes,
// with the game's invariants checked after every action and every frame.

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "combat/flight.h"
#include "combat/shields.h"
#include "combat/sounds.h"
#include "game/aim.h"
#include "game/collision.h"
#include "game/drive.h"
#include "tests/core/fixtures.h"

class SimGame {
  public:
    // seed drives both the game's generator and the scripted player's choices.
    explicit SimGame(unsigned seed) : choices_(seed * 7919u + 17u) { world().random.seed(seed); }

    GameWorld& world() { return scene_.world; }
    const std::string& log() const { return log_; }
    const std::string& failure() const { return failure_; }
    bool gameOver() const { return gameOver_; }

    // Runs the new-game dialogs with random team and player sizes and camouflages.
    void setUp() {
        NewGameFlow flow(world(), scene_.host);
        flow.start();
        while (flow.active() && failure_.empty()) {
            if (TeamDialog* d = flow.teamDialog()) {
                d->countText = std::to_string(1 + pick(4));
            } else if (PlayerDialog* d = flow.playerDialog()) {
                d->countText = std::to_string(1 + pick(4));
                d->check(27 + pick(5));
            } else if (ArenaSizeDialog* d = flow.arenaSizeDialog()) {
                d->lengthText = std::to_string(120 + pick(181));
            }
            if (flow.pressOk() == NewGameFlow::OkResult::Rejected)
                fail("a valid dialog was rejected");
        }
        note("game: side %.0f barrier %.0f, team A %d tanks, team B %d tanks\n",
             world().arena.halfSide * 2, world().arena.barrierHeight, world().teamA.tankTotal,
             world().teamB.tankTotal);
        checkTanks();
    }

    // When set, plays each turn up to the shot in place of the scripted player.
    std::function<void(GameWorld&, GameHost&)> turnPlayer;

    // Plays turns until "Game Over", a failed check or the cap.
    void play(int maxTurns) {
        while (failure_.empty() && !gameOver_ && turns_ < maxTurns)
            playTurn();
    }

  private:
    int pick(int n) { return choices_.next() % n; }

    void fail(const std::string& what) {
        if (failure_.empty())
            failure_ = "turn " + std::to_string(turns_) + ": " + what;
    }

    template <typename... Args>
    void note(const char* format, Args... args) {
        char line[256];
        std::snprintf(line, sizeof line, format, args...);
        log_ += line;
    }

    // "A1.2": team, player in list order, tank number.
    std::string name(const Tank* tank) {
        for (const Team* team : {&world().teamA, &world().teamB}) {
            int player = 0;
            for (Player* p = team->firstPlayer; p != nullptr; p = p->next) {
                ++player;
                for (Tank* t = p->firstTank; t != nullptr; t = t->next)
                    if (t == tank)
                        return (team->index ? "B" : "A") + std::to_string(player) + "." +
                               std::to_string(t->number);
            }
        }
        return "?";
    }

    static int liveTanks(const Team& team) {
        int n = 0;
        forEachTank(team, [&](const Tank& t) { n += !t.destroyed; });
        return n;
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
        for (int i = 0; i < 400 && me.turretAngle % 360 != turret; ++i)
            turnCannonCounterClockwise(w, scene_.host);
        const int elevation = -30 - pick(40);
        while (me.elevation > elevation)
            raiseCannon(w, scene_.host);
        while (me.elevation < elevation)
            lowerCannon(w, scene_.host);
        // Where a shell of this power comes down to tank height, by bisection.
        const double e = -elevation * 0.017453292519943295, distance = std::hypot(dx, dz);
        double low = 0.1, high = 100.0;
        for (int i = 0; i < 30; ++i) {
            const double mid = (low + high) / 2, up = mid * std::sin(e);
            const double t =
                (up + std::sqrt(up * up + 2 * gravity * (1.25 + 6 * std::sin(e)))) / gravity;
            (3 + 6 * std::cos(e) + mid * std::cos(e) * t < distance ? low : high) = mid;
        }
        const float wanted = static_cast<float>(low + (pick(7) - 3) * 0.3);
        for (int i = 0; i < 200 && me.power < wanted - 0.5f; ++i)
            powerUp(w, scene_.host);
        for (int i = 0; i < 200 && me.power > wanted + 0.5f; ++i)
            powerDown(w, scene_.host);
        for (int i = 0; i < 20 && me.power < wanted - 0.05f; ++i)
            powerUpFine(w, scene_.host);
        for (int i = 0; i < 20 && me.power > wanted + 0.05f; ++i)
            powerDownFine(w, scene_.host);
    }

    void randomActions() {
        GameWorld& w = world();
        GameHost& host = scene_.host;
        Tank& me = *w.currentTank();
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
        if (!me.shieldActive && pick(3) == 0) {
            ShieldsDialog dialog(w);
            dialog.clickActivate();
            dialog.clickChoice(pick(shieldKindCount));
            dialog.pressOk();
            if (me.shieldActive)
                actions_ += " shield " + std::to_string(me.shieldKind) + " on;";
        }
        std::vector<const Tank*> targets;
        forEachTank(w.otherTeam(*w.currentTeam), [&](const Tank& t) {
            if (!t.destroyed)
                targets.push_back(&t);
        });
        if (!targets.empty() && pick(10) < 7) {
            aimAt(*targets[pick(static_cast<int>(targets.size()))]);
        } else {
            for (int i = pick(90); i > 0; --i)
                turnCannonClockwise(w, host);
            for (int i = pick(30); i > 0; --i)
                pick(2) ? raiseCannon(w, host) : lowerCannon(w, host);
            for (int i = pick(30); i > 0; --i)
                pick(2) ? powerUp(w, host) : powerDown(w, host);
        }
    }

    // Logs what the volley did to tanks, shields and prizes; returns the number of hits.
    int noteHits(const std::vector<float>& shieldsBefore, const std::vector<bool>& wrecksBefore,
                 const bool (&prizesBefore)[2], int& destroyed) {
        int hits = 0;
        size_t i = 0;
        for (const Team* team : {&world().teamA, &world().teamB}) {
            forEachTank(*team, [&](const Tank& t) {
                const float now = t.shieldActive ? t.shieldStrength : 0.0f;
                if (now < shieldsBefore[i]) {
                    const int absorbed =
                        static_cast<int>(std::lround((shieldsBefore[i] - now) / 25));
                    hits += absorbed;
                    note(" shield %s took %d", name(&t).c_str(), absorbed);
                }
                if (t.destroyed && !wrecksBefore[i]) {
                    ++hits;
                    ++destroyed;
                    note(" destroyed %s", name(&t).c_str());
                }
                ++i;
            });
        }
        for (int k = 0; k < 2; ++k) {
            if (prizesBefore[k] && !(k ? world().teamB : world().teamA).prize) {
                ++hits;
                note(" prize %s hit", k ? "B" : "A");
            }
        }
        return hits;
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
        const size_t messagesBefore = host.messages.size();
        actions_.clear();
        turnPlayer ? turnPlayer(w, host) : randomActions();

        const size_t buttonCallsBefore = host.buttonStates.size();
        const size_t soundsBefore = host.sounds.size();
        if (!fire(w, host))
            return fail("the current tank could not fire");
        note("%3d %s%s at (%.2f, %.2f) h %d t %d e %d p %.1f x%d:", turns_, name(shooter).c_str(),
             actions_.c_str(), shooter->position.x, shooter->position.z, shooter->heading,
             shooter->turretAngle, shooter->elevation, shooter->power, shooter->cannonCount);
        if (host.sounds.size() != soundsBefore + 1 || host.sounds.back() != cannonSoundFile)
            return fail("a volley did not play the cannon once");

        std::vector<float> shields;
        std::vector<bool> wrecks;
        for (const Team* team : {&w.teamA, &w.teamB})
            forEachTank(*team, [&](const Tank& t) {
                shields.push_back(t.shieldActive ? t.shieldStrength : 0.0f);
                wrecks.push_back(t.destroyed);
            });
        const bool prizes[2] = {w.teamA.prize != nullptr, w.teamB.prize != nullptr};
        const int killsBefore = shooter->kills, countdownBefore = w.prizeCountdown;
        for (long frames = 0; w.shellsInFlight > 0; ++frames) {
            updateShells(w, host, scene_.painter);
            for (int i = 0; i < shellSlotCount; ++i)
                if (static_cast<bool>(w.shells[i]) != (i < w.shellsInFlight))
                    return fail("the shell table does not match its count");
            if (w.shellsInFlight > 0 && host.buttonStates.size() != buttonCallsBefore + 1)
                return fail("the turn passed while shells were flying");
            if (frames > 100000)
                return fail("a shell never ended");
        }
        checkTanks();
        const int taunts = static_cast<int>(host.sounds.size() - soundsBefore - 1);
        int destroyed = 0;
        const int hits = noteHits(shields, wrecks, prizes, destroyed);
        const bool prizesCameBack = w.prizeCountdown != countdownBefore - 1;
        if (taunts < hits || (!prizesCameBack && taunts != hits))
            return fail("taunts do not match the hits");
        if (shooter->kills - killsBefore != destroyed)
            return fail("the shooter was not credited with each tank destroyed");
        if (host.buttonStates.size() != buttonCallsBefore + 2 || !host.buttonStates.back())
            return fail("the turn did not pass once");
        for (size_t i = messagesBefore; i < host.messages.size(); ++i) {
            if (host.messages[i].caption == "PowerUp")
                note(", PowerUp: %s", host.messages[i].text.c_str());
            else if (host.messages[i].caption == "Game Over")
                gameOver_ = true;
            else
                return fail("unexpected message " + host.messages[i].caption);
        }
        if (gameOver_) {
            note(", Game Over\n");
            if (liveTanks(enemy) != 0 || w.currentTeam != &shooterTeam)
                return fail("Game Over while the other team lives, or the turn moved");
            return;
        }
        if (liveTanks(enemy) == 0 || w.currentTeam != &enemy || w.currentTank()->destroyed)
            return fail("the turn did not go to a live tank of the other team");
        note(", next %s\n", name(w.currentTank()).c_str());
    }

    CombatScene scene_;
    GameRandom choices_;
    std::string log_;
    std::string actions_;  // the turn's notable actions, logged with its shot
    std::string failure_;
    bool gameOver_ = false;
    int turns_ = 0;
};
