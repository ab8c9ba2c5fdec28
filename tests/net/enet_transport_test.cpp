// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of EnetTransport over real ENet on loopback: messages in order through a host, the
// limits that drop a peer, joining nobody, leaving, and the factories' error texts.
#include "net/enet_transport.h"
#include "link_pump.h"

#include <enet/enet.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = TransportEvent::Kind;

Bytes numbered(std::uint32_t from, std::uint32_t index) {
    ByteWriter out;
    out.u32(from);
    out.u32(index);
    return out.take();
}

std::unique_ptr<EnetTransport> host(const EnetLimits& limits = {}) {
    std::string error;
    auto transport = EnetTransport::listen(0, error, limits);
    EXPECT_NE(transport, nullptr) << error;
    return transport;
}

std::unique_ptr<EnetTransport> join(std::uint16_t port, const EnetLimits& limits = {}) {
    std::string error;
    auto transport = EnetTransport::connect("127.0.0.1", port, error, limits);
    EXPECT_NE(transport, nullptr) << error;
    return transport;
}

// A port with nobody on it: bound long enough to be given one, then let go.
std::uint16_t unusedPort() {
    EnetLibraryUse library;
    ENetSocket socket = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    ENetAddress address{};
    address.host = ENET_HOST_TO_NET_32(0x7f000001);
    enet_socket_bind(socket, &address);
    enet_socket_get_address(socket, &address);
    enet_socket_destroy(socket);
    return address.port;
}

// An ENet client that plays by none of our rules, to send what ours never would.
struct RawClient {
    explicit RawClient(std::uint16_t port) {
        host = enet_host_create(nullptr, 1, 1, 0, 0);
        ENetAddress address{};
        enet_address_set_host_ip(&address, "127.0.0.1");
        address.port = port;
        peer = enet_host_connect(host, &address, 1, 0);
    }
    ~RawClient() { enet_host_destroy(host); }
    void service() {
        ENetEvent event;
        while (enet_host_service(host, &event, 0) > 0) {
            connected |= event.type == ENET_EVENT_TYPE_CONNECT;
            disconnected |= event.type == ENET_EVENT_TYPE_DISCONNECT;
            if (event.type == ENET_EVENT_TYPE_RECEIVE)
                enet_packet_destroy(event.packet);
        }
    }
    void send(std::size_t size, enet_uint32 flags) {
        enet_peer_send(peer, 0, enet_packet_create(Bytes(size, 7).data(), size, flags));
    }

    EnetLibraryUse library;
    ENetHost* host;
    ENetPeer* peer;
    bool connected = false;
    bool disconnected = false;
};

}  // namespace

TEST(EnetTransport, AHostRelaysBetweenTwoClientsInOrder) {
    auto server = host();
    auto alice = join(server->port());
    auto bob = join(server->port());
    EventLog serverLog(*server), aliceLog(*alice), bobLog(*bob);
    const PeerId aliceHost = alice->hostPeer(), bobHost = bob->hostPeer();
    ASSERT_NE(aliceHost, 0u);

    // Half of each client's messages go before the host has even answered.
    constexpr std::uint32_t count = 50;
    for (std::uint32_t i = 0; i < count / 2; ++i) {
        alice->send(aliceHost, numbered(1, i));
        bob->send(bobHost, numbered(2, i));
    }
    ASSERT_TRUE(pumpUntil({&serverLog, &aliceLog, &bobLog}, [&] {
        return serverLog.count(Kind::Connected) == 2 && aliceLog.count(Kind::Connected) == 1 &&
               bobLog.count(Kind::Connected) == 1;
    }));
    EXPECT_EQ(aliceLog.first(Kind::Connected)->peer, aliceHost);
    std::vector<PeerId> joined;
    for (const TransportEvent& event : serverLog.events)
        if (event.kind == Kind::Connected)
            joined.push_back(event.peer);
    const PeerId first = joined[0], second = joined[1];
    EXPECT_NE(first, second);
    EXPECT_EQ(server->peerAddress(first).rfind("127.0.0.1:", 0), 0u);
    for (std::uint32_t i = count / 2; i < count; ++i) {
        alice->send(aliceHost, numbered(1, i));
        bob->send(bobHost, numbered(2, i));
    }

    // The host passes every message on to the other client as it comes, as lockstep will;
    // the largest allowed message goes to both, whole.
    Bytes largest(maxMessageBytes);
    for (std::size_t i = 0; i < largest.size(); ++i)
        largest[i] = static_cast<std::uint8_t>(i * 31 + 7);
    server->send(first, largest);
    server->send(second, largest);
    std::size_t relayed = 0;
    const auto relay = [&] {
        for (; relayed < serverLog.events.size(); ++relayed) {
            const TransportEvent& event = serverLog.events[relayed];
            if (event.kind == Kind::Received)
                server->send(event.peer == first ? second : first, event.bytes);
        }
    };
    ASSERT_TRUE(pumpUntil(
        {&serverLog, &aliceLog, &bobLog},
        [&] {
            return aliceLog.count(Kind::Received) == count + 1 &&
                   bobLog.count(Kind::Received) == count + 1;
        },
        std::chrono::seconds(5), relay));

    for (EventLog* log : {&aliceLog, &bobLog}) {
        const std::vector<Bytes> got = log->received(log == &aliceLog ? aliceHost : bobHost);
        const std::uint32_t other = log == &aliceLog ? 2 : 1;
        std::uint32_t next = 0;
        for (const Bytes& message : got) {
            if (message.size() == largest.size()) {
                EXPECT_EQ(message, largest);
                continue;
            }
            EXPECT_EQ(message, numbered(other, next));
            ++next;
        }
        EXPECT_EQ(next, count);
    }
    EXPECT_EQ(serverLog.count(Kind::Disconnected), 0u);
}

TEST(EnetTransport, LeavingDeliversWhatWasSentThenSaysWhy) {
    auto server = host();
    auto client = join(server->port());
    EventLog serverLog(*server), clientLog(*client);
    ASSERT_TRUE(
        pumpUntil({&serverLog, &clientLog}, [&] { return clientLog.count(Kind::Connected) == 1; }));

    client->send(client->hostPeer(), numbered(1, 99));
    client->disconnect(client->hostPeer());
    ASSERT_TRUE(pumpUntil({&serverLog, &clientLog}, [&] {
        return serverLog.count(Kind::Disconnected) == 1 && clientLog.count(Kind::Disconnected) == 1;
    }));
    ASSERT_EQ(serverLog.events.size(), 3u);
    EXPECT_EQ(serverLog.events[1].bytes, numbered(1, 99));
    EXPECT_FALSE(serverLog.events[2].reason.empty());
    EXPECT_FALSE(clientLog.first(Kind::Disconnected)->reason.empty());
    EXPECT_TRUE(server->peerAddress(serverLog.events[0].peer).empty());

    // Closing the program says goodbye too: the host hears at once, not after a timeout.
    auto another = join(server->port());
    EventLog anotherLog(*another);
    ASSERT_TRUE(pumpUntil({&serverLog, &anotherLog},
                          [&] { return anotherLog.count(Kind::Connected) == 1; }));
    another.reset();
    EXPECT_TRUE(pumpUntil(
        {&serverLog}, [&] { return serverLog.count(Kind::Disconnected) == 2; },
        std::chrono::milliseconds(1000)));
}

TEST(EnetTransport, DropsAPeerThatSendsWhatTheGameNeverWould) {
    auto server = host();
    EventLog serverLog(*server);
    struct Offence {
        const char* what;
        std::size_t size;
        enet_uint32 flags;
    };
    for (const Offence& offence :
         {Offence{"one byte too many", maxMessageBytes + 1, ENET_PACKET_FLAG_RELIABLE},
          Offence{"megabytes", 8 << 20, ENET_PACKET_FLAG_RELIABLE},
          Offence{"outside the ordered channel", 10, 0}}) {
        SCOPED_TRACE(offence.what);
        RawClient raw(server->port());
        serverLog.events.clear();
        ASSERT_TRUE(pumpUntil(
            {&serverLog}, [&] { return raw.connected && serverLog.count(Kind::Connected) == 1; },
            std::chrono::seconds(5), [&] { raw.service(); }));
        raw.send(offence.size, offence.flags);
        ASSERT_TRUE(pumpUntil(
            {&serverLog},
            [&] { return raw.disconnected && serverLog.count(Kind::Disconnected) == 1; },
            std::chrono::seconds(5), [&] { raw.service(); }));
        EXPECT_EQ(serverLog.count(Kind::Received), 0u);
        EXPECT_FALSE(serverLog.first(Kind::Disconnected)->reason.empty());
    }

    // Our own end will not send one either: it ends the link and says so on both sides.
    auto client = join(server->port());
    EventLog clientLog(*client);
    serverLog.events.clear();
    ASSERT_TRUE(
        pumpUntil({&serverLog, &clientLog}, [&] { return serverLog.count(Kind::Connected) == 1; }));
    client->send(client->hostPeer(), Bytes(maxMessageBytes + 1));
    client->send(client->hostPeer(), numbered(1, 1));
    ASSERT_TRUE(pumpUntil({&serverLog, &clientLog},
                          [&] { return serverLog.count(Kind::Disconnected) == 1; }));
    EXPECT_EQ(serverLog.count(Kind::Received), 0u);
    ASSERT_EQ(clientLog.count(Kind::Disconnected), 1u);
    EXPECT_NE(clientLog.first(Kind::Disconnected)->reason.find(std::to_string(maxMessageBytes)),
              std::string::npos);
}

TEST(EnetTransport, DropsAPeerThatFloods) {
    EnetLimits strict;
    strict.messagesPerSecond = 20;
    strict.messageBurst = 40;
    auto server = host(strict);
    auto client = join(server->port());
    EventLog serverLog(*server), clientLog(*client);
    ASSERT_TRUE(
        pumpUntil({&serverLog, &clientLog}, [&] { return clientLog.count(Kind::Connected) == 1; }));
    for (std::uint32_t i = 0; i < 200; ++i)
        client->send(client->hostPeer(), numbered(1, i));
    ASSERT_TRUE(pumpUntil({&serverLog, &clientLog}, [&] {
        return serverLog.count(Kind::Disconnected) == 1 && clientLog.count(Kind::Disconnected) == 1;
    }));
    // The burst gets through (and what trickled in meanwhile), then nothing more.
    EXPECT_GE(serverLog.count(Kind::Received), 40u);
    EXPECT_LT(serverLog.count(Kind::Received), 100u);
    EXPECT_EQ(serverLog.events.back().kind, Kind::Disconnected);
}

TEST(EnetTransport, TurnsAwayThePlayerTooManyAndSaysTheGameIsFull) {
    EnetLimits one;
    one.maxPeers = 1;
    auto server = host(one);
    auto first = join(server->port());
    EventLog serverLog(*server), firstLog(*first);
    ASSERT_TRUE(
        pumpUntil({&serverLog, &firstLog}, [&] { return firstLog.count(Kind::Connected) == 1; }));
    auto second = join(server->port());
    EventLog secondLog(*second);
    ASSERT_TRUE(pumpUntil({&serverLog, &firstLog, &secondLog},
                          [&] { return secondLog.count(Kind::Disconnected) == 1; }));
    EXPECT_NE(secondLog.first(Kind::Disconnected)->reason.find("full"), std::string::npos);
    EXPECT_EQ(serverLog.count(Kind::Connected), 1u);
    EXPECT_EQ(serverLog.count(Kind::Disconnected), 0u);
    EXPECT_EQ(firstLog.count(Kind::Disconnected), 0u);
}

TEST(EnetTransport, JoiningAPortNobodyListensOnEndsWithinTheTimeout) {
    EnetLimits quick;
    quick.connectTimeout = std::chrono::milliseconds(300);
    auto client = join(unusedPort(), quick);
    EventLog log(*client);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(pumpUntil(
        {&log}, [&] { return log.count(Kind::Disconnected) == 1; }, std::chrono::seconds(3)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(log.count(Kind::Connected), 0u);
    EXPECT_EQ(log.events[0].peer, client->hostPeer());
    EXPECT_FALSE(log.events[0].reason.empty());
    // Sending to a link that is gone is harmless.
    client->send(client->hostPeer(), numbered(1, 1));
    client->disconnect(client->hostPeer());
    log.drain();
    EXPECT_EQ(log.events.size(), 1u);
}

TEST(EnetTransport, TheFactoriesExplainWhatWentWrong) {
    auto server = host();
    std::string error;
    EXPECT_EQ(EnetTransport::listen(server->port(), error), nullptr);
    EXPECT_NE(error.find(std::to_string(server->port())), std::string::npos) << error;

    for (const char* name :
         {"", "  ", "::1", "[fe80::1]", "example.org:24780", "no-such-host.invalid"}) {
        SCOPED_TRACE(name);
        error.clear();
        EXPECT_EQ(EnetTransport::connect(name, 24780, error), nullptr);
        EXPECT_FALSE(error.empty());
    }
    EnetTransport::connect("::1", 24780, error);
    EXPECT_NE(error.find("IPv4"), std::string::npos) << error;
    error.clear();
    EXPECT_EQ(EnetTransport::connect("127.0.0.1", 0, error), nullptr);
    EXPECT_FALSE(error.empty());
}
