// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the world snapshot: played games cross whole and play on alike, the digest sees
// rule state but not names or seats, and broken, cut or impossible snapshots are refused
// with the world left as it was.
#include "net/world_snapshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "game/aim.h"
#include "tests/core/sim_game.h"
#include "tests/net/net_games.h"

namespace {

// Distinct lists on the receiving machine, so a tank showing the sender's ids would show.
void giveOwnLists(GameWorld& world) {
    for (unsigned slot = 0; slot < camouflages.size(); ++slot) {
        world.tankLists.hullLists[slot] = 100 + slot;
        world.tankLists.deckLists[slot] = 200 + slot;
        world.tankLists.turretLists[slot] = 300 + slot;
    }
}

// The built sample game with a few scripted turns played.
void playSample(GameWorld& world, RecordingHost& host, std::uint32_t seed, int turns) {
    ASSERT_TRUE(buildGame(world, host, sampleSetup(seed)));
    GameRandom choices(seed);
    for (int turn = 0; turn < turns; ++turn)
        playScriptedTurn(world, host, choices);
}

TEST(WorldSnapshot, PlayedGamesCrossWholeAndBothCopiesPlayOnAlike) {
    // What the played part must have put in the snapshots, over all the games.
    bool destroyed = false, extraCannon = false, shieldOn = false, shieldWorn = false,
         shieldHeld = false, prizeTaken = false;
    for (unsigned seed : {182u, 244u, 23u}) {
        SimGame game(seed);
        game.setUp();
        game.play(12);
        ASSERT_EQ(game.failure, "") << game.log;
        GameWorld& sender = game.world();
        for (const Team* team : {&sender.teamA, &sender.teamB}) {
            prizeTaken |= team->prize == nullptr;
            forEachTank(*team, [&](const Tank& t) {
                destroyed |= t.destroyed;
                extraCannon |= t.cannonCount > 1;
                shieldOn |= t.shieldActive;
                shieldWorn |= t.shieldActive && t.shieldStrength < shieldCapacity(t.shieldKind);
                shieldHeld |= t.weakShields + t.mediumShields + t.strongShields > 0;
            });
        }

        GameWorld receiver;
        giveOwnLists(receiver);
        const Bytes bytes = snapshotOf(sender);
        ASSERT_TRUE(readBytes(bytes, receiver)) << "seed " << seed;
        EXPECT_EQ(snapshotOf(receiver), bytes);
        EXPECT_EQ(worldDigest(receiver), worldDigest(sender));
        ASSERT_NE(receiver.currentTank(), nullptr);
        EXPECT_EQ(receiver.currentTank()->serial, sender.currentTank()->serial);
        // What the snapshot leaves out is rebuilt: walls, corners, this machine's lists.
        EXPECT_EQ(receiver.arena.barrier.bounds.ymax, sender.arena.barrier.bounds.ymax);
        EXPECT_EQ(receiver.arena.floorCorners[2], sender.arena.floorCorners[2]);
        for (Player* p = receiver.teamB.firstPlayer; p != nullptr; p = p->next) {
            for (Tank* t = p->firstTank; t != nullptr; t = t->next) {
                EXPECT_EQ(t->hull.displayListId, 100u + camouflageListSlot(p->camouflage));
                EXPECT_EQ(t->turret.displayListId, 300u + camouflageListSlot(p->camouflage));
                EXPECT_EQ(t->corners[5], commonLayoutCorners(t->box)[5]);
            }
        }

        RecordingHost senderHost, receiverHost;
        GameRandom senderChoices(seed), receiverChoices(seed);
        for (int turn = 0; turn < 15; ++turn) {
            playScriptedTurn(sender, senderHost, senderChoices);
            playScriptedTurn(receiver, receiverHost, receiverChoices);
            ASSERT_EQ(worldDigest(receiver), worldDigest(sender)) << "seed " << seed;
            ASSERT_EQ(snapshotOf(receiver), snapshotOf(sender)) << "seed " << seed;
        }
        EXPECT_EQ(receiverHost.messages.size(), senderHost.messages.size());
        EXPECT_EQ(receiverHost.sounds, senderHost.sounds);
    }
    EXPECT_TRUE(destroyed && extraCannon && shieldOn && shieldWorn && shieldHeld && prizeTaken)
        << destroyed << extraCannon << shieldOn << shieldWorn << shieldHeld << prizeTaken;
}

TEST(WorldSnapshot, AFreshWorldCrossesToo) {
    GameWorld fresh, receiver;
    RecordingHost host;
    playSample(receiver, host, 5, 2);
    ASSERT_TRUE(readBytes(snapshotOf(fresh), receiver));
    EXPECT_TRUE(receiver.setupInProgress);
    EXPECT_EQ(receiver.currentTank(), nullptr);
    EXPECT_EQ(worldDigest(receiver), worldDigest(fresh));
}

TEST(WorldDigest, SeesTheRulesStateButNotNamesOrSeats) {
    struct Case {
        const char* what;
        std::function<void(GameWorld&)> change;
        bool counts;
    };
    const Case cases[] = {
        {"a tank's power", [](GameWorld& w) { changePower(*w.currentTank(), 0.1f); }, true},
        {"the random state", [](GameWorld& w) { w.random.next(); }, true},
        {"a held shield", [](GameWorld& w) { ++w.teamB.firstPlayer->firstTank->weakShields; },
         true},
        {"whose turn", [](GameWorld& w) { w.currentTeam = &w.otherTeam(*w.currentTeam); }, true},
        {"a player's current tank",
         [](GameWorld& w) {
             Player& p = *w.teamB.firstPlayer;
             p.currentTank = p.currentTank->next != nullptr ? p.currentTank->next : p.firstTank;
         },
         true},
        {"a prize taken", [](GameWorld& w) { w.teamA.prize.reset(); }, true},
        {"a renamed player", [](GameWorld& w) { copyName(w.teamA.firstPlayer->name, "Zed"); },
         false},
        {"a renamed team", [](GameWorld& w) { copyName(w.teamB.name, "Greens"); }, false},
        {"a seat passed to the computer",
         [](GameWorld& w) { w.teamA.firstPlayer->control = PlayerControl::ComputerNormal; }, false},
    };
    RecordingHost host;
    GameWorld base;
    playSample(base, host, 9, 3);
    for (const Case& c : cases) {
        GameWorld changed;
        playSample(changed, host, 9, 3);
        ASSERT_EQ(worldDigest(changed), worldDigest(base));
        c.change(changed);
        EXPECT_EQ(worldDigest(changed) != worldDigest(base), c.counts) << c.what;
        // Names and seats still travel in the snapshot itself.
        EXPECT_NE(snapshotOf(changed), snapshotOf(base)) << c.what;
    }
}

// A world with a snapshot to refuse, and one to read it into.
struct Refusal : ::testing::Test {
    RecordingHost host;
    GameWorld target;
    void SetUp() override { playSample(target, host, 77, 4); }

    void expectRefused(const Bytes& bytes, const std::string& what) {
        const Bytes before = snapshotOf(target);
        EXPECT_FALSE(readBytes(bytes, target)) << what;
        EXPECT_EQ(snapshotOf(target), before) << what;
    }
};

TEST_F(Refusal, EveryCutShortSnapshot) {
    GameWorld sender;
    playSample(sender, host, 3, 6);
    const Bytes bytes = snapshotOf(sender);
    const std::uint64_t before = worldDigest(target);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        ByteReader in(bytes.data(), length);
        ASSERT_FALSE(readWorld(in, target)) << length;
        ASSERT_EQ(worldDigest(target), before) << length;
    }
}

TEST_F(Refusal, WorldsTheRulesNeverMake) {
    struct Case {
        const char* what;
        std::function<void(GameWorld&)> change;
    };
    const auto tank = [](GameWorld& w) -> Tank& { return *w.teamA.firstPlayer->firstTank; };
    const Case cases[] = {
        {"elevation above the highest", [&](GameWorld& w) { tank(w).elevation = -81; }},
        {"no power", [&](GameWorld& w) { tank(w).power = 0.0f; }},
        {"a heading between quarter turns", [&](GameWorld& w) { tank(w).heading = 45; }},
        {"a turret past a full turn", [&](GameWorld& w) { tank(w).turretAngle = 361; }},
        {"mileage past the limit", [&](GameWorld& w) { tank(w).mileage = 11; }},
        {"a sixth cannon", [&](GameWorld& w) { tank(w).cannonCount = 6; }},
        {"an unknown shield kind", [&](GameWorld& w) { tank(w).shieldKind = 3; }},
        {"a shield past full strength", [&](GameWorld& w) { tank(w).shieldStrength = 101.0f; }},
        {"a negative shield stock", [&](GameWorld& w) { tank(w).strongShields = -1; }},
        {"a tank far off the floor", [&](GameWorld& w) { tank(w).box.xmax = 1.0e6f; }},
        {"a cannon of no camouflage", [&](GameWorld& w) { tank(w).cannons[0].camouflage = 36; }},
        {"a player of no camouflage", [](GameWorld& w) { w.teamB.firstPlayer->camouflage = 42; }},
        {"a seat beyond the levels",
         [](GameWorld& w) { w.teamB.firstPlayer->control = static_cast<PlayerControl>(4); }},
        {"an unknown prize", [](GameWorld& w) { w.teamB.prize->kind = 4; }},
        {"a floor beyond the largest", [](GameWorld& w) { w.arena.halfSide = 151.0f; }},
        {"a barrier beyond the highest", [](GameWorld& w) { w.arena.barrierHeight = 50.0f; }},
        {"a countdown past its draw", [](GameWorld& w) { w.prizeCountdown = 41; }},
        {"a fifth player",
         [](GameWorld& w) {
             while (w.teamB.playerCount < 5) {
                 w.teamB.appendPlayer(std::make_unique<Player>());
                 ++w.teamB.playerCount;
             }
         }},
        {"a fifth tank",
         [](GameWorld& w) {
             Player& p = *w.teamA.firstPlayer;
             while (p.tankCount < 5) {
                 p.appendTank(std::make_unique<Tank>(w));
                 ++p.tankCount;
             }
         }},
        {"a shell in flight", [this](GameWorld& w) { ASSERT_TRUE(fire(w, host)); }},
    };
    for (const Case& c : cases) {
        GameWorld sender;
        playSample(sender, host, 31, 0);
        ASSERT_TRUE(readBytes(snapshotOf(sender), target)) << c.what;
        c.change(sender);
        expectRefused(snapshotOf(sender), c.what);
    }
}

TEST_F(Refusal, LinksPastTheListsAndNamesPastTheirBuffer) {
    GameWorld sender;
    playSample(sender, host, 31, 0);
    const Bytes bytes = snapshotOf(sender);
    // Where a link lies: the one byte that changes when it moves to the next element.
    const auto linkAt = [&](auto*& current) {
        auto* was = current;
        current = current->next;
        const Bytes moved = snapshotOf(sender);
        current = was;
        return std::mismatch(bytes.begin(), bytes.end(), moved.begin()).first - bytes.begin();
    };
    Player& ann = *sender.teamA.firstPlayer;
    ASSERT_EQ(sender.teamA.currentPlayer, &ann);
    ASSERT_EQ(ann.currentTank, ann.firstTank);
    for (const std::ptrdiff_t at : {linkAt(sender.teamA.currentPlayer), linkAt(ann.currentTank)}) {
        ASSERT_LT(at, static_cast<std::ptrdiff_t>(bytes.size()));
        // Team A has two players and Ann two tanks: 0, 1 and -1 (none) are the links there are.
        for (const std::uint8_t bad : {2, 0xFE}) {
            Bytes broken = bytes;
            broken[static_cast<std::size_t>(at)] = bad;
            expectRefused(broken, "link " + std::to_string(bad));
        }
    }
    expectRefused(withText(bytes, "Bo", std::string(nameCapacity, 'x')), "a long name");
}

TEST_F(Refusal, FlippedBytesAreReadOrRefusedWhole) {
    GameWorld sender;
    playSample(sender, host, 3, 6);
    const Bytes bytes = snapshotOf(sender);
    int accepted = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (const std::uint8_t mask : {0x01, 0x80, 0xFF}) {
            Bytes flipped = bytes;
            flipped[i] ^= mask;
            const Bytes before = snapshotOf(target);
            if (!readBytes(flipped, target)) {
                ASSERT_EQ(snapshotOf(target), before) << i;
                continue;
            }
            // What was taken is a world the reader takes again, unchanged.
            ++accepted;
            GameWorld again;
            const Bytes taken = snapshotOf(target);
            ASSERT_TRUE(readBytes(taken, again)) << i;
            ASSERT_EQ(snapshotOf(again), taken) << i;
        }
    }
    // Most fields have room to change (positions, aims): a reader that refused all would
    // be refusing valid worlds.
    EXPECT_GT(accepted, static_cast<int>(bytes.size()));
}

}  // namespace
