// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the ENet link and of finding games, on loopback: messages in order, limits that
// drop a peer, nobody answering, and whole games through a relay that loses datagrams.
#include "net/enet_transport.h"

#include "net/lan_discovery.h"
#include "tests/net/lossy_proxy.h"
#include "tests/net/net_table.h"

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

struct Received {
    std::vector<TransportEvent> events;
    void drain(Transport& t) {
        TransportEvent e;
        while (t.poll(e))
            events.push_back(e);
    }
    int count(TransportEvent::Kind kind) const {
        int n = 0;
        for (const TransportEvent& e : events)
            n += e.kind == kind;
        return n;
    }
};

TEST(EnetTransport, TwoClientsAndAHostExchangeMessagesInOrder) {
    std::string error;
    const std::uint16_t port = freePort();
    auto host = EnetTransport::listen(port, error);
    ASSERT_NE(host, nullptr) << error;
    auto a = EnetTransport::connect("127.0.0.1", port, error);
    auto b = EnetTransport::connect("localhost", port, error);
    ASSERT_TRUE(a && b) << error;
    Received atHost, atA, atB;
    ASSERT_TRUE(within(5, [&] {
        atHost.drain(*host), atA.drain(*a), atB.drain(*b);
        return atHost.count(TransportEvent::Kind::Connected) == 2 &&
               atA.count(TransportEvent::Kind::Connected) == 1 &&
               atB.count(TransportEvent::Kind::Connected) == 1;
    }));
    EXPECT_NE(atHost.events[0].peer, atHost.events[1].peer);
    const PeerId hostSeenByA = atA.events[0].peer;
    for (std::uint8_t i = 0; i < 200; ++i)
        a->send(hostSeenByA, Bytes(1 + i * 50, i));  // up to 10 KiB, fragmented by ENet
    ASSERT_TRUE(within(5, [&] {
        atHost.drain(*host), atA.drain(*a);
        return atHost.count(TransportEvent::Kind::Received) == 200;
    }));
    std::uint8_t next = 0;
    for (const TransportEvent& e : atHost.events) {
        if (e.kind == TransportEvent::Kind::Received) {
            EXPECT_EQ(e.bytes, Bytes(1 + next * 50, next));
            ++next;
        }
    }
    // Each peer the host names gets its own message.
    host->send(atHost.events[0].peer, {1});
    host->send(atHost.events[1].peer, {2});
    ASSERT_TRUE(within(5, [&] {
        atHost.drain(*host), atA.drain(*a), atB.drain(*b);
        return atA.count(TransportEvent::Kind::Received) == 1 &&
               atB.count(TransportEvent::Kind::Received) == 1;
    }));
    EXPECT_NE(atA.events.back().bytes, atB.events.back().bytes);
    a->disconnect(hostSeenByA);
    ASSERT_TRUE(within(5, [&] {
        atHost.drain(*host), atA.drain(*a);
        return atHost.count(TransportEvent::Kind::Disconnected) == 1 &&
               atA.count(TransportEvent::Kind::Disconnected) == 1;
    }));
    EXPECT_GT(a->bytesSent(), 200u * 50u);
}

TEST(EnetTransport, RefusesWhatCannotWorkInWords) {
    std::string error;
    const std::uint16_t port = freePort();
    auto first = EnetTransport::listen(port, error);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(EnetTransport::listen(port, error), nullptr);
    EXPECT_NE(error.find("Port " + std::to_string(port)), std::string::npos) << error;
    EXPECT_EQ(EnetTransport::connect("::1", port, error), nullptr);
    EXPECT_NE(error.find("IPv6"), std::string::npos) << error;
    EXPECT_EQ(EnetTransport::connect("no-such-host.invalid", port, error), nullptr);
    EXPECT_NE(error.find("no-such-host.invalid"), std::string::npos) << error;
}

TEST(EnetTransport, NobodyListeningEndsInDisconnectedWithinTheTimeout) {
    std::string error;
    auto client = EnetTransport::connect("127.0.0.1", freePort(), error);
    ASSERT_NE(client, nullptr);
    Received got;
    EXPECT_TRUE(within(8, [&] {
        got.drain(*client);
        return got.count(TransportEvent::Kind::Disconnected) == 1;
    }));
    EXPECT_EQ(got.count(TransportEvent::Kind::Connected), 0);
}

TEST(EnetTransport, APeerSendingTooMuchIsDropped) {
    std::string error;
    const std::uint16_t port = freePort();
    auto host = EnetTransport::listen(port, error);
    // A raw ENet client: it keeps to no limit of ours.
    ENetHost* rogue = enet_host_create(nullptr, 1, 1, 0, 0);
    ENetAddress address{};
    enet_address_set_host_ip(&address, "127.0.0.1");
    address.port = port;
    ENetPeer* peer = enet_host_connect(rogue, &address, 1, 0);
    Received got;
    ENetEvent event;
    const auto serviceRogue = [&] {
        while (enet_host_service(rogue, &event, 0) > 0)
            if (event.type == ENET_EVENT_TYPE_RECEIVE)
                enet_packet_destroy(event.packet);
    };
    ASSERT_TRUE(within(5, [&] {
        serviceRogue(), got.drain(*host);
        return got.count(TransportEvent::Kind::Connected) == 1;
    }));
    // A flood of small messages.
    for (int i = 0; i < EnetTransport::maxMessagesPerSecond + 50; ++i)
        enet_peer_send(peer, 0, enet_packet_create("x", 1, ENET_PACKET_FLAG_RELIABLE));
    EXPECT_TRUE(within(5, [&] {
        serviceRogue(), got.drain(*host);
        return got.count(TransportEvent::Kind::Disconnected) == 1;
    }));
    EXPECT_LE(got.count(TransportEvent::Kind::Received), EnetTransport::maxMessagesPerSecond);
    enet_host_destroy(rogue);
}

TEST(LanDiscovery, AGameIsFoundOnLoopbackAndForgottenWhenItStops) {
    std::string error;
    const std::uint16_t port = freePort();
    auto beacon = LanBeacon::open(port, error);
    auto finder = LanFinder::open(port, error, "127.0.0.1");
    ASSERT_TRUE(beacon && finder) << error;
    const GameAnnouncement game{"3.0", 31234, "hostess", 2};
    double now = 0;
    EXPECT_TRUE(within(3, [&] {
        finder->poll(now += 0.01);
        beacon->answer(game);
        return !finder->games().empty();
    }));
    // Heard on loopback (and maybe through the broadcast too, from another address).
    bool onLoopback = false;
    for (const FoundGame& found : finder->games())
        onLoopback = onLoopback || found.label() == "hostess at 127.0.0.1:31234 (2 seats free)";
    EXPECT_TRUE(onLoopback);
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

// Three machines on real ENet, the two joined ones behind a relay that drops a tenth of the
// datagrams and delays the rest by up to 50 ms: the game still ends the same everywhere.
TEST(EnetTransport, WholeGamesThroughALossyRelayEndTheSameEverywhere) {
    std::string error;
    const std::uint16_t hostPort = freePort();
    const std::uint16_t relayPort = freePort();
    auto hostLink = EnetTransport::listen(hostPort, error);
    ASSERT_NE(hostLink, nullptr) << error;
    LossyProxy relay(relayPort, hostPort, 0.10, 50, 1234);
    auto annLink = EnetTransport::connect("127.0.0.1", relayPort, error);
    auto bobLink = EnetTransport::connect("127.0.0.1", relayPort, error);
    ASSERT_TRUE(annLink && bobLink) << error;

    NetMachine host(*hostLink, LockstepSession::Role::Host, "host", 7);
    NetMachine ann(*annLink, LockstepSession::Role::Guest, "ann", 108);
    NetMachine bob(*bobLink, LockstepSession::Role::Guest, "bob", 209);
    const GameSetup setup = fourSeatSetup(29);
    ASSERT_TRUE(buildGame(host.world, host.host, setup));
    host.session->openLobby({false, true, true, false}, setup.seed);

    const auto over = [&] { return host.over() && ann.over() && bob.over(); };
    EXPECT_TRUE(within(120, [&] {
        relay.pump();
        // A machine that is done keeps its link alive, as the program does.
        for (NetMachine* m : {&host, &ann, &bob})
            m->frame();
        return over();
    }));
    EXPECT_GT(relay.dropped, 0u);
    EXPECT_EQ(worldDigest(host.world), worldDigest(ann.world));
    EXPECT_EQ(worldDigest(host.world), worldDigest(bob.world));
    EXPECT_EQ(host.turnDigests, ann.turnDigests);
    EXPECT_EQ(host.turnDigests, bob.turnDigests);
    for (NetMachine* m : {&host, &ann, &bob})
        EXPECT_EQ(m->session->worldsTaken() + m->session->refusedMoves(), 0u);
}

}  // namespace
