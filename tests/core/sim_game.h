#pragma once

// A whole game played by a scripted player through the same calls the program makes,
// with the game's invariants checked after every action and every frame.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "combat/flight.h"
#include "combat/launch.h"
#include "combat/shields.h"
#include "combat/sounds.h"
#include "game/aim.h"
#include "game/collision.h"
#include "game/drive.h"
#include "game/new_game.h"
#include "tests/core/fixtures.h"

class SimGame {
  public:
    // seed drives both the game's generator and the scripted player's choices.
    explicit SimGame(unsigned seed) : choices_(seed * 7919u + 17u) {
        scene_.world.random.seed(seed);
    }

    GameWorld& world() { return scene_.world; }
    const std::string& log() const { return log_; }
    const std::string& failure() const { return failure_; }
    bool failed() const { return !failure_.empty(); }
    bool gameOver() const { return gameOver_; }
    long frames() const { return frames_; }

    // Runs the new-game dialogs with random team and player sizes.
    void setUp() {
        NewGameFlow flow(scene_.world, scene_.host);
        flow.start();
        for (int guard = 0; guard < 100 && flow.active(); ++guard) {
            if (TeamDialog* d = flow.teamDialog()) {
                d->countText = std::to_string(1 + pick(4));
            } else if (PlayerDialog* d = flow.playerDialog()) {
                d->countText = std::to_string(1 + pick(4));
                d->check(27 + pick(5));
            } else if (ArenaSizeDialog* d = flow.arenaSizeDialog()) {
                d->lengthText = std::to_string(120 + pick(181));
            }
            if (flow.pressOk() == NewGameFlow::OkResult::Rejected) {
                fail("a valid dialog was rejected");
                return;
            }
        }
        if (flow.active())
            fail("the new-game flow did not finish");
        note("game: side %.0f barrier %.0f, team A %d tanks, team B %d tanks\n",
             world().arena.halfSide * 2, world().arena.barrierHeight, world().teamA.tankTotal,
             world().teamB.tankTotal);
        checkWorld("after set-up");
    }

    // Plays turns until "Game Over", a failed check or the cap.
    void play(int maxTurns) {
        while (!failed() && !gameOver_ && turns_ < maxTurns)
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

    static int liveTanks(const Team& team) {
        int n = 0;
        forEachTank(team, [&](const Tank& t) { n += !t.destroyed; });
        return n;
    }

    static std::string tankName(const Team& team, const Tank* tank) {
        int player = 0;
        for (Player* p = team.firstPlayer; p != nullptr; p = p->next) {
            ++player;
            for (Tank* t = p->firstTank; t != nullptr; t = t->next) {
                if (t == tank) {
                    return std::string(team.index == 0 ? "A" : "B") + std::to_string(player) + "." +
                           std::to_string(t->number);
                }
            }
        }
        return "?";
    }

    struct TankState {
        const Team* team;
        const Tank* tank;
        bool destroyed;
        float shield;
    };
    struct Snapshot {
        std::vector<TankState> tanks;
        bool prize[2];
    };

    Snapshot snapshot() {
        Snapshot s{{}, {world().teamA.prize != nullptr, world().teamB.prize != nullptr}};
        for (const Team* team : {&world().teamA, &world().teamB})
            forEachTank(*team, [&](const Tank& t) {
                s.tanks.push_back(
                    {team, &t, t.destroyed, t.shieldActive ? t.shieldStrength : 0.0f});
            });
        return s;
    }

    // Logs what the volley hit; returns the number of hits and counts the tanks destroyed.
    int noteHits(const Snapshot& before, int& destroyed) {
        int hits = 0;
        for (const TankState& was : before.tanks) {
            const Tank& t = *was.tank;
            const Team& owner = *was.team;
            const float now = t.shieldActive ? t.shieldStrength : 0.0f;
            if (was.shield > 0.0f && now < was.shield) {
                const int absorbed =
                    static_cast<int>(std::lround((was.shield - std::max(now, 0.0f)) / 25.0f));
                hits += absorbed;
                note(" shield %s took %d", tankName(owner, &t).c_str(), absorbed);
            }
            if (t.destroyed && !was.destroyed) {
                ++hits;
                ++destroyed;
                note(" destroyed %s", tankName(owner, &t).c_str());
            }
        }
        for (int i = 0; i < 2; ++i) {
            const Team& team = i == 0 ? world().teamA : world().teamB;
            if (before.prize[i] && !team.prize) {
                ++hits;
                note(" prize %s hit", i == 0 ? "A" : "B");
            }
        }
        return hits;
    }

    struct TankPose {
        Vec3 position;
        Box box;
        bool placed;
        bool destroyed;
        bool operator==(const TankPose& o) const {
            return position == o.position && box == o.box && placed == o.placed &&
                   destroyed == o.destroyed;
        }
    };

    void checkWorld(const char* when) {
        GameWorld& w = world();
        const int n = w.shellsInFlight;
        if (n < 0 || n > shellSlotCount)
            return fail(std::string("shell count out of range ") + when);
        for (int i = 0; i < shellSlotCount; ++i) {
            if (static_cast<bool>(w.shells[i]) != (i < n)) {
                return fail(std::string("shell table does not match its count ") + when);
            }
        }
        // The pairwise checks run again whenever a tank moved, was placed or destroyed.
        std::vector<TankPose>& poses = scratchPoses_;
        poses.clear();
        for (const Team* team : {&w.teamA, &w.teamB})
            forEachTank(*team, [&](const Tank& t) {
                poses.push_back({t.position, t.box, t.placed, t.destroyed});
            });
        if (poses == checkedPoses_)
            return;
        std::swap(checkedPoses_, poses);
        const float h = w.arena.halfSide;
        for (const Team* team : {&w.teamA, &w.teamB}) {
            const float side = team->index == 0 ? 1.0f : -1.0f;
            std::string problem;
            forEachTank(*team, [&](const Tank& t) {
                if (t.position.y != 0.0f)
                    problem = "a tank left the floor";
                if (!t.placed || t.destroyed)
                    return;
                if (t.box.xmin < -h || t.box.xmax > h || t.box.zmin < -h || t.box.zmax > h)
                    problem = "a tank stands beyond the floor's edge";
                const Box& wall = w.arena.divider.bounds;
                if (side > 0 ? t.box.xmin < wall.xmax : t.box.xmax > wall.xmin)
                    problem = "a tank left its half";
                forEachTank(*team, [&](const Tank& mate) {
                    if (&mate != &t && mate.placed && !mate.destroyed &&
                        boxesOverlap(t.box, mate.box))
                        problem = "placed team mates overlap";
                });
            });
            if (!problem.empty())
                return fail(problem + " " + when);
        }
    }

    // Turns the cannon onto the team B or A tank picked and finds the power that lands there.
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

        const double distance = std::hypot(dx, dz);
        double low = 0.1, high = 100.0;
        for (int i = 0; i < 30; ++i) {
            const double mid = (low + high) / 2;
            (reach(me, mid) < distance ? low : high) = mid;
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

    // How far from the tank's centre a shell of this power comes down to tank height.
    static double reach(const Tank& tank, double power) {
        const double e = std::abs(tank.elevation) * 0.017453292519943295;
        const double muzzleHeight = 4.25 + 6.0 * std::sin(e);
        const double up = power * std::sin(e);
        const double t = (up + std::sqrt(up * up + 2.0 * gravity * (muzzleHeight - 3.0))) / gravity;
        return 3.0 + 6.0 * std::cos(e) + power * std::cos(e) * t;
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
            for (int steps = Tank::maxMileage; steps > 0; --steps) {
                driveForward(w, host);
                checkWorld("while driving");
            }
        } else if (pick(10) < 4) {
            if (pick(3) == 0)
                (pick(2) ? turnClockwise(w, host) : turnCounterClockwise(w, host));
            const bool forward = pick(3) != 0;
            for (int steps = 1 + pick(12); steps > 0; --steps) {
                forward ? driveForward(w, host) : driveBackward(w, host);
                checkWorld("while driving");
            }
        }
        if (!me.shieldActive && pick(3) == 0) {
            ShieldsDialog dialog(w);
            dialog.clickActivate();
            dialog.clickChoice(pick(shieldKindCount));
            dialog.pressOk();
            if (me.shieldActive)
                actions_ += " shield " + std::to_string(me.shieldKind) + " on;";
        }
        Team& enemy = w.otherTeam(*w.currentTeam);
        std::vector<const Tank*> targets;
        forEachTank(enemy, [&](const Tank& t) {
            if (!t.destroyed)
                targets.push_back(&t);
        });
        if (!targets.empty() && pick(10) < 7) {
            aimAt(*targets[pick(static_cast<int>(targets.size()))]);
        } else {
            for (int i = pick(90); i > 0; --i)
                turnCannonClockwise(w, host);
            for (int i = pick(30); i > 0; --i)
                (pick(2) ? raiseCannon(w, host) : lowerCannon(w, host));
            for (int i = pick(30); i > 0; --i)
                (pick(2) ? powerUp(w, host) : powerDown(w, host));
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
        const std::string name = tankName(shooterTeam, shooter);
        const size_t messagesBefore = host.messages.size();
        actions_.clear();
        randomActions();
        if (failed())
            return;

        // The buttons come back (true) only when the turn passes.
        const size_t buttonCallsBefore = host.buttonStates.size();
        const size_t soundsBefore = host.sounds.size();
        if (!fire(w, host))
            return fail("the current tank could not fire");
        note("%3d %s%s at (%.2f, %.2f) h %d t %d e %d p %.1f x%d:", turns_, name.c_str(),
             actions_.c_str(), shooter->position.x, shooter->position.z, shooter->heading,
             shooter->turretAngle, shooter->elevation, shooter->power, shooter->cannonCount);
        if (host.sounds.size() != soundsBefore + 1 || host.sounds.back() != cannonSoundFile)
            return fail("a volley did not play the cannon once");

        const int killsBefore = shooter->kills;
        const Snapshot before = snapshot();
        const int countdownBefore = w.prizeCountdown;
        while (w.shellsInFlight > 0) {
            updateShells(w, host, scene_.painter);
            ++frames_;
            checkWorld("in flight");
            if (failed())
                return;
            if (w.shellsInFlight > 0 && host.buttonStates.size() != buttonCallsBefore + 1)
                return fail("the turn passed while shells were flying");
            if (frames_ > 50000000)
                return fail("a shell never ended");
        }
        const int taunts = static_cast<int>(host.sounds.size() - soundsBefore - 1);
        int destroyed = 0;
        const int hits = noteHits(before, destroyed);
        const bool prizesCameBack = w.prizeCountdown != countdownBefore - 1;
        if (taunts < hits || (!prizesCameBack && taunts != hits))
            return fail("taunts do not match the hits");
        if (shooter->kills - killsBefore != destroyed)
            return fail("the shooter was not credited with each tank destroyed");
        if (host.buttonStates.size() != buttonCallsBefore + 2 || !host.buttonStates.back())
            return fail("the turn did not pass once");

        for (size_t i = messagesBefore; i < host.messages.size(); ++i) {
            const std::string& caption = host.messages[i].caption;
            if (caption == "PowerUp")
                note(", PowerUp: %s", host.messages[i].text.c_str());
            else if (caption != "Game Over")
                return fail("unexpected message " + caption);
        }
        if (host.countMessages("Game Over") > 0) {
            gameOver_ = true;
            note(", Game Over\n");
            if (liveTanks(enemy) != 0)
                return fail("Game Over while the other team lives");
            if (w.currentTeam != &shooterTeam)
                return fail("the turn moved at Game Over");
            return;
        }
        if (liveTanks(enemy) == 0)
            return fail("no Game Over though the other team is gone");
        if (w.currentTeam != &enemy)
            return fail("the turn did not go to the other team");
        if (w.currentTank() == nullptr || w.currentTank()->destroyed)
            return fail("the turn went to a destroyed tank");
        note(", next %s\n", tankName(enemy, w.currentTank()).c_str());
    }

    CombatScene scene_;
    GameRandom choices_;
    std::string log_;
    std::string actions_;
    std::vector<TankPose> checkedPoses_;
    std::vector<TankPose> scratchPoses_;  // the turn's notable actions, logged with its shot
    std::string failure_;
    bool gameOver_ = false;
    int turns_ = 0;
    long frames_ = 0;
};
