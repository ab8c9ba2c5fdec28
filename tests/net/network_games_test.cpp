// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of network games on loopback: games found nearby, and whole games on real ENet links
// through relays that lose datagrams.
#include "net/enet_transport.h"

#include "net/lan_discovery.h"
#include "tests/net/lossy_proxy.h"
#include "tests/net/net_table.h"

#include <enet/enet.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

// A port nothing on this machine listens on now.
std::uint16_t freePort() {
    ENetSocket s = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    ENetAddress a{};
    a.host = ENET_HOST_ANY;
    enet_socket_bind(s, &a);
    enet_socket_get_address(s, &a);
    enet_socket_destroy(s);
    return a.port;
}

// Polls until done() or the seconds run out.
bool within(double seconds, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(LanDiscovery, AGameIsFoundOnLoopbackAndForgottenWhenItStops) {
    std::string error;
    const std::uint16_t port = freePort();
    auto beacon = LanBeacon::open(port, error);
    auto finder = LanFinder::open(port, error, "127.0.0.1");
    ASSERT_TRUE(beacon && finder) << error;
    const GameAnnouncement game{"3.0", 31234, "hostess", 2, 77};
    double now = 0;
    EXPECT_TRUE(within(3, [&] {
        finder->poll(now += 0.01);
        beacon->answer(game);
        return !finder->games().empty();
    }));
    // Heard on loopback and maybe through the broadcast from another address: listed once.
    ASSERT_EQ(finder->games().size(), 1u);
    EXPECT_NE(finder->games()[0].label().find("hostess at "), std::string::npos);
    EXPECT_NE(finder->games()[0].label().find(":31234 (2 seats free)"), std::string::npos);
    beacon.reset();
    finder->poll(now + 3.5);
    EXPECT_TRUE(finder->games().empty());

    // Answers are read as strictly as messages.
    const Bytes answer = lanAnswer(game);
    for (std::size_t n = 0; n < answer.size(); ++n)
        EXPECT_FALSE(readLanAnswer(Bytes(answer.begin(), answer.begin() + n)).has_value());
    EXPECT_TRUE(readLanAnswer(answer).has_value());
    EXPECT_FALSE(readLanAnswer(lanQuestion()).has_value());
}

// Three machines on real ENet, the two joined ones behind relays that drop a tenth of the
// datagrams and delay the rest by up to 50 ms: the game still ends the same everywhere.
TEST(NetworkGame, WholeGamesThroughLossyRelaysEndTheSameEverywhere) {
    std::string error;
    const std::uint16_t hostPort = freePort();
    auto hostLink = EnetTransport::listen(hostPort, error);
    ASSERT_NE(hostLink, nullptr) << error;
    LossyProxy annRelay(hostPort, 1234), bobRelay(hostPort, 5678);
    auto annLink = EnetTransport::connect("127.0.0.1", annRelay.port(), error);
    auto bobLink = EnetTransport::connect("127.0.0.1", bobRelay.port(), error);
    ASSERT_TRUE(annLink && bobLink) << error;

    NetMachine host(*hostLink, LockstepSession::Role::Host, "host", 7);
    NetMachine ann(*annLink, LockstepSession::Role::Guest, "ann", 108);
    NetMachine bob(*bobLink, LockstepSession::Role::Guest, "bob", 209);
    const GameSetup setup = fourSeatSetup(29);
    ASSERT_TRUE(buildGame(host.world, host.host, setup));
    host.session->openLobby({false, true, true, false}, setup.seed);

    const auto over = [&] { return host.over() && ann.over() && bob.over(); };
    EXPECT_TRUE(within(120, [&] {
        annRelay.pump();
        bobRelay.pump();
        // A machine that is done keeps its link alive, as the program does.
        for (NetMachine* m : {&host, &ann, &bob})
            m->frame();
        return over();
    }));
    EXPECT_GT(annRelay.lost() + bobRelay.lost(), 0u);
    EXPECT_EQ(worldDigest(host.world), worldDigest(ann.world));
    EXPECT_EQ(worldDigest(host.world), worldDigest(bob.world));
    EXPECT_EQ(host.turnDigests, ann.turnDigests);
    EXPECT_EQ(host.turnDigests, bob.turnDigests);
    for (NetMachine* m : {&host, &ann, &bob})
        EXPECT_EQ(m->session->worldsTaken() + m->session->refusedMoves(), 0u);
}

}  // namespace
