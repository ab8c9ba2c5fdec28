// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the messages' encoding: every kind crosses whole, and malformed bytes are refused.
#include "net/messages.h"

#include "resources/version.h"

#include <gtest/gtest.h>

namespace {

std::vector<Message> oneOfEach() {
    GameSetup setup;
    setup.seed = 99;
    setup.floorLength = 200;
    setup.teams[0] = {"Reds", {{"ann", 2, 37, PlayerControl::Person}}};
    setup.teams[1] = {"Blues", {{"bob", 4, 41, PlayerControl::ComputerHard}}};
    return {HelloMessage{krellmontVersion, "ann"},
            RefusalMessage{RefusalReason::NameTaken, "3.0"},
            WelcomeMessage{3},
            LobbyMessage{{{"ann", true}, {"player3", false}}},
            StartMessage{setup, {0, 2}},
            MoveMessage{1, 70000, Move::tank(TankAction::TurretClockwise)},
            MoveMessage{7, 1, Move::shield(2)},
            DigestMessage{12, 0x0123456789abcdefull},
            WorldMessage{4, 9, {0, 1}, {1, 2, 3}},
            SeatsMessage{{0, 1}, {PlayerControl::ComputerNormal, PlayerControl::Person}},
            LeaveMessage{LeaveReason::NewGame}};
}

TEST(Messages, EveryKindCrossesWholeAndEveryPrefixIsRefused) {
    for (const Message& m : oneOfEach()) {
        const Bytes bytes = encodeMessage(m);
        const std::optional<Message> back = decodeMessage(bytes);
        ASSERT_TRUE(back.has_value()) << m.index();
        EXPECT_EQ(encodeMessage(*back), bytes) << m.index();
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            EXPECT_FALSE(decodeMessage(bytes.data(), n).has_value())
                << "kind " << m.index() << " cut to " << n;
        }
        Bytes longer = bytes;
        longer.push_back(0);
        EXPECT_FALSE(decodeMessage(longer).has_value()) << m.index();
    }
}

TEST(Messages, RefusesValuesNoMachineCouldSend) {
    const auto refused = [](Message m, std::size_t at, std::uint8_t value) {
        Bytes bytes = encodeMessage(m);
        bytes.at(at) = value;
        return !decodeMessage(bytes).has_value();
    };
    const MoveMessage move{1, 1, Move::tank(TankAction::PowerUp)};
    EXPECT_TRUE(refused(move, 1, 8));                                // seat past the last
    EXPECT_TRUE(refused(move, 6, 0));                                // no action
    EXPECT_TRUE(refused(move, 6, 14));                               // past the last action
    EXPECT_TRUE(refused(MoveMessage{1, 1, Move::shield(0)}, 7, 4));  // no such shield
    EXPECT_TRUE(refused(MoveMessage{1, 1, Move::shield(0)}, 6, 1));  // shield and action
    EXPECT_TRUE(refused(WelcomeMessage{1}, 1, 0));                   // the host's number
    EXPECT_TRUE(refused(RefusalMessage{}, 1, 9));
    EXPECT_TRUE(refused(LeaveMessage{}, 1, 2));
    EXPECT_TRUE(refused(SeatsMessage{{0}, {PlayerControl::Person}}, 2, 8));  // machine
    EXPECT_TRUE(refused(SeatsMessage{{0}, {PlayerControl::Person}}, 3, 4));  // control
    EXPECT_TRUE(refused(LobbyMessage{}, 1, 9));                              // seat count
    EXPECT_TRUE(refused(HelloMessage{"3.0", "x"}, 0, 0));                    // kind
    EXPECT_TRUE(refused(HelloMessage{"3.0", "x"}, 0, 11));

    // A world whose length says more or less than follows.
    Bytes world = encodeMessage(WorldMessage{1, 1, {0}, {5, 5}});
    world.pop_back();
    EXPECT_FALSE(decodeMessage(world).has_value());
    // A start whose owners do not match its seats.
    GameSetup setup;
    setup.teams[0] = {"A", {{"a", 1, 37, PlayerControl::Person}}};
    setup.teams[1] = {"B", {{"b", 1, 37, PlayerControl::Person}}};
    EXPECT_FALSE(decodeMessage(encodeMessage(StartMessage{setup, {0}})).has_value());
    EXPECT_FALSE(decodeMessage(Bytes(70 * 1024, 1)).has_value());
}

TEST(Messages, NamesFromTheNetworkAreCleanedLikeTypedOnes) {
    EXPECT_EQ(cleanName("  ann  "), "ann");
    EXPECT_EQ(cleanName("a\nb\x7f\x01"
                        "c"),
              "abc");
    EXPECT_EQ(cleanName("\xff\xfe"
                        "bob\xc3"),
              "bob");  // broken UTF-8 dropped
    EXPECT_EQ(cleanName("Zoë"), "Zoë");
    EXPECT_EQ(cleanName(std::string(40, 'x')), std::string(23, 'x'));
    EXPECT_EQ(cleanName("   "), "");
    // A name that arrives dirty is cleaned on the way in.
    const Bytes bytes = encodeMessage(HelloMessage{"3.0", "\tann\x1b"});
    const auto hello = std::get<HelloMessage>(*decodeMessage(bytes));
    EXPECT_EQ(hello.name, "ann");
}

}  // namespace
