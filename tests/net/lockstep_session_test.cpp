// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the lockstep session over the fake network: whole games that end alike, drift
// healed, machines that drop and return, and peers that break the rules.
#include "net/lockstep_session.h"

#include "game/world.h"
#include "net/messages.h"
#include "net/seats.h"
#include "resources/version.h"
#include "tests/net/net_table.h"

#include <gtest/gtest.h>

namespace {

using Phase = LockstepSession::Phase;
using Role = LockstepSession::Role;

bool shown(const NetMachine& m, const std::string& part) {
    for (const RecordingHost::Message& message : m.host.messages)
        if (message.text.find(part) != std::string::npos)
            return true;
    return false;
}

// Seats 1 and 2 wait for ann and bob; the host plays 0 and 3.
struct ThreeMachines : NetTable {
    explicit ThreeMachines(std::uint32_t seed)
        : host(hostGame(fourSeatSetup(seed), {false, true, true, false})),
          ann(join("ann")),
          bob(join("bob")) {
        for (int f = 0; f < 5; ++f)
            frameAll();
    }
    NetMachine& host;
    NetMachine& ann;
    NetMachine& bob;
};

void expectSameGame(const NetMachine& a, const NetMachine& b) {
    EXPECT_TRUE(b.over());
    EXPECT_EQ(worldDigest(a.world), worldDigest(b.world));
    EXPECT_EQ(a.turnDigests.size(), b.turnDigests.size());
}

TEST(LockstepSession, ThreeMachinesPlaySeededGamesToTheSameEnd) {
    for (std::uint32_t seed : {3u, 17u, 40u}) {
        SCOPED_TRACE(seed);
        ThreeMachines table(seed);
        ASSERT_TRUE(table.ann.session->playing());
        EXPECT_EQ(std::string(seatPlayer(table.host.world, 1)->name), "ann");
        EXPECT_EQ(std::string(seatPlayer(table.bob.world, 1)->name), "ann");
        EXPECT_TRUE(table.ann.session->isLocal(1));
        EXPECT_FALSE(table.ann.session->isLocal(2));
        EXPECT_EQ(table.bob.session->whereSeated(1), " (network)");

        table.playOut();
        ASSERT_TRUE(table.host.over());
        expectSameGame(table.host, table.ann);
        expectSameGame(table.host, table.bob);
        // Equal after every turn, not only at the end.
        EXPECT_EQ(table.host.turnDigests, table.ann.turnDigests);
        EXPECT_EQ(table.host.turnDigests, table.bob.turnDigests);
        EXPECT_GT(table.host.turnDigests.size(), 4u);
        for (const NetMachine* m : {&table.host, &table.ann, &table.bob}) {
            EXPECT_EQ(m->session->refusedMoves(), 0u);
            EXPECT_EQ(m->session->worldsTaken(), 0u);
        }
    }
}

TEST(LockstepSession, AMachineThatDriftsTakesTheHostsWorldAndPlaysOn) {
    ThreeMachines table(5);
    while (table.bob.session->turn() < 3 && !table.host.over())
        table.frameAll();
    ASSERT_FALSE(table.bob.world.shotInProgress);
    // A fault only bob's machine makes: a tank it alone sees with more power.
    table.bob.world.teamB.firstPlayer->firstTank->power += 7.0f;
    table.playOut();
    EXPECT_GE(table.bob.session->worldsTaken(), 1u);
    EXPECT_EQ(table.ann.session->worldsTaken(), 0u);
    expectSameGame(table.host, table.bob);
    expectSameGame(table.host, table.ann);
}

TEST(LockstepSession, ADroppedMachinesSeatsGoToTheComputerAndComeBackOnRejoin) {
    ThreeMachines table(11);
    while (table.host.session->turn() < 3)
        table.frameAll();
    table.network.cut(table.idOf(table.ann), table.idOf(table.host));
    table.frameAll();
    EXPECT_EQ(table.ann.session->phase(), Phase::Ended);
    EXPECT_TRUE(shown(table.ann, "The host has left the game"));
    EXPECT_TRUE(shown(table.host, "ann has left the game."));
    EXPECT_TRUE(shown(table.bob, "ann has left the game"));
    EXPECT_EQ(seatPlayer(table.host.world, 1)->control, PlayerControl::ComputerNormal);
    EXPECT_TRUE(table.host.session->isLocal(1));

    // The host's computer plays ann's seat for a while; then ann comes back.
    const std::uint32_t dropped = table.host.session->turn();
    while (table.host.session->turn() < dropped + 4 && !table.host.over())
        table.frameAll();
    ASSERT_FALSE(table.host.over());
    NetMachine& back = table.join("ANN");
    for (int f = 0; f < 400 && !back.session->playing(); ++f)
        table.frameAll();
    ASSERT_TRUE(back.session->playing());
    EXPECT_TRUE(back.session->isLocal(1));
    EXPECT_FALSE(table.host.session->isLocal(1));
    EXPECT_EQ(seatPlayer(table.host.world, 1)->control, PlayerControl::Person);
    EXPECT_TRUE(shown(table.host, "is back and plays again"));
    // A person's seat on the host's world: ann's mind plays it from her machine.
    seatPlayer(back.world, 1)->control = PlayerControl::ComputerNormal;

    table.machines.erase(table.machines.begin() + 1);  // the machine that left is gone
    table.playOut();
    expectSameGame(table.host, back);
    expectSameGame(table.host, table.bob);
}

TEST(LockstepSession, JoinsAreRefusedInWords) {
    NetTable table;
    NetMachine& host = table.hostGame(fourSeatSetup(2), {false, true, false, false});
    NetMachine& first = table.join("alpha");  // a host seat's name
    NetMachine& second = table.join("bob");
    NetMachine& third = table.join("carol");
    for (int f = 0; f < 5; ++f)
        table.frameAll();
    EXPECT_EQ(first.session->refusal(), "The host refused: the name is taken");
    EXPECT_TRUE(second.session->playing());
    EXPECT_EQ(third.session->refusal(), "That game is full");
    EXPECT_EQ(third.session->phase(), Phase::Ended);
    EXPECT_TRUE(host.session->playing());

    // Nobody listening, and a host of another version, as a joining machine hears them.
    NetMachine& lonely = table.add(Role::Guest, "dan");
    lonely.session->setHostAddress("192.0.2.1:24780");
    NetMachine& fake = table.add(Role::Host, "other");
    table.network.link(table.idOf(lonely), table.idOf(fake));
    lonely.session->poll();
    table.network.cut(table.idOf(lonely), table.idOf(fake));
    lonely.session->poll();
    EXPECT_EQ(lonely.session->refusal(), "No game answers at 192.0.2.1:24780");

    NetMachine& older = table.add(Role::Guest, "eve");
    table.network.link(table.idOf(older), table.idOf(fake));
    older.session->poll();
    table.network.inject(table.idOf(fake), table.idOf(older),
                         encodeMessage(RefusalMessage{RefusalReason::Version, "3.1"}));
    older.session->poll();
    EXPECT_EQ(older.session->refusal(),
              std::string("That game runs Krellmont 3.1; this is ") + krellmontVersion);
}

// A machine that speaks the protocol by hand, seated at seat 1 of a started game.
struct RogueTable : NetTable {
    RogueTable()
        : host(hostGame(fourSeatSetup(9), {false, true, false, false})), rogue(network.add()) {
        network.link(rogue.id(), idOf(host));
        say(HelloMessage{krellmontVersion, "mallory"});
    }
    void say(const Message& m) { sayBytes(encodeMessage(m)); }
    void sayBytes(Bytes bytes) {
        network.inject(rogue.id(), idOf(host), std::move(bytes));
        host.session->poll();
    }
    void move(int seat, TankAction action) {
        say(MoveMessage{static_cast<std::uint8_t>(seat), ++sequence, Move::tank(action)});
    }
    NetMachine& host;
    FakeNetwork::Endpoint& rogue;
    std::uint32_t sequence = 0;
};

TEST(LockstepSession, MovesOutOfTurnOrForAnotherSeatAreRefused) {
    RogueTable table;
    ASSERT_TRUE(table.host.session->playing());
    ASSERT_EQ(currentSeat(table.host.world), 0);
    const std::uint64_t before = worldDigest(table.host.world);
    table.move(1, TankAction::PowerUp);  // its own seat, out of turn
    table.move(0, TankAction::Fire);     // the host's seat
    EXPECT_EQ(table.host.session->refusedMoves(), 2u);
    EXPECT_EQ(worldDigest(table.host.world), before);
    EXPECT_FALSE(table.host.world.shotInProgress);
    // Refused, not dropped: its seat is still its own.
    EXPECT_FALSE(table.host.session->isLocal(1));
}

TEST(LockstepSession, APeerThatSendsGarbageFloodsOrReplaysIsDroppedAndTheGameGoesOn) {
    struct Case {
        const char* what;
        std::function<void(RogueTable&)> act;
        const char* message;
    };
    const Case cases[] = {
        {"garbage",
         [](RogueTable& t) {
             t.sayBytes({6, 99, 1, 2});
         },
         "cannot read"},
        {"empty", [](RogueTable& t) { t.sayBytes({}); }, "cannot read"},
        {"host's message", [](RogueTable& t) { t.say(WelcomeMessage{2}); }, "out of place"},
        {"replay",
         [](RogueTable& t) {
             t.move(1, TankAction::PowerUp);
             t.sequence = 0;
             t.move(1, TankAction::PowerUp);
         },
         "out of order"},
        {"flood",
         [](RogueTable& t) {
             // Queued while a volley flies, so nothing is applied in between.
             t.host.world.shotInProgress = true;
             for (int i = 0; i < 600; ++i)
                 t.move(1, TankAction::PowerUp);
         },
         "too many moves"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RogueTable table;
        ASSERT_TRUE(table.host.session->playing());
        c.act(table);
        table.host.world.shotInProgress = false;
        EXPECT_TRUE(shown(table.host, c.message));
        EXPECT_TRUE(table.host.session->isLocal(1));
        EXPECT_EQ(seatPlayer(table.host.world, 1)->control, PlayerControl::ComputerNormal);
        EXPECT_TRUE(table.host.session->playing());
    }
}

TEST(LockstepSession, AHostThatClosesItsWaitingGameTellsThoseSeated) {
    NetTable table;
    NetMachine& host = table.hostGame(fourSeatSetup(4), {false, true, true, true});
    NetMachine& ann = table.join("ann");
    for (int f = 0; f < 5; ++f)
        table.frameAll();
    ASSERT_EQ(ann.session->phase(), Phase::Lobby);
    ASSERT_EQ(ann.session->seats().size(), 3u);
    EXPECT_TRUE(ann.session->seats()[0].taken);
    EXPECT_FALSE(ann.session->seats()[1].taken);
    // One who drops while waiting frees the seat again.
    NetMachine& bob = table.join("bob");
    for (int f = 0; f < 3; ++f)
        table.frameAll();
    ASSERT_EQ(bob.session->phase(), Phase::Lobby);
    table.network.cut(table.idOf(bob), table.idOf(host));
    table.frameAll();
    EXPECT_TRUE(shown(host, "bob has left the game."));
    EXPECT_FALSE(host.session->seats()[2].taken);
    EXPECT_FALSE(ann.session->seats()[1].taken);
    EXPECT_EQ(host.session->phase(), Phase::Lobby);

    host.session->leave(LeaveReason::NewGame);
    table.frameAll();
    EXPECT_EQ(ann.session->phase(), Phase::Ended);
    EXPECT_TRUE(shown(ann, "The host closed the game"));
}

TEST(LockstepSession, LeavingTellsTheOthers) {
    ThreeMachines table(21);
    table.bob.session->leave(LeaveReason::Exit);
    table.frameAll();
    EXPECT_TRUE(shown(table.host, "bob has left the game."));
    table.host.session->leave(LeaveReason::NewGame);
    table.frameAll();
    EXPECT_EQ(table.ann.session->phase(), Phase::Ended);
    EXPECT_TRUE(shown(table.ann, "The host has ended the network game"));
    // Alone, ann's machine plays every seat.
    EXPECT_TRUE(table.ann.session->localTurn());
}

}  // namespace
