// SPDX-License-Identifier: GPL-3.0-or-later
// A link through a proxy that loses a tenth of the datagrams and delays the rest still
// delivers every message, whole and in order, both ways.
#include "link_pump.h"
#include "lossy_proxy.h"
#include "net/enet_transport.h"

#include <gtest/gtest.h>

namespace {

using Kind = TransportEvent::Kind;

// Sizes vary, and every hundredth message needs three datagrams, so lost fragments count.
Bytes message(std::uint32_t side, std::uint32_t index) {
    ByteWriter out;
    out.u32(side);
    out.u32(index);
    const std::size_t extra = index % 100 == 0 ? 3000 : index % 37;
    for (std::size_t i = 0; i < extra; ++i)
        out.u8(static_cast<std::uint8_t>(index + i * side));
    return out.take();
}

}  // namespace

TEST(LossyLink, FiveHundredMessagesEachWayArriveWholeAndInOrder) {
    // Everything is sent at once here, far above the game's pace.
    EnetLimits generous;
    generous.messageBurst = 1000;
    std::string error;
    auto server = EnetTransport::listen(0, error, generous);
    ASSERT_NE(server, nullptr) << error;
    LossyProxy proxy(server->port(), 20240611);
    auto client = EnetTransport::connect("127.0.0.1", proxy.port(), error, generous);
    ASSERT_NE(client, nullptr) << error;
    EventLog serverLog(*server), clientLog(*client);
    const auto relay = [&] { proxy.pump(); };

    ASSERT_TRUE(pumpUntil(
        {&serverLog, &clientLog},
        [&] { return serverLog.count(Kind::Connected) == 1 && clientLog.count(Kind::Connected); },
        std::chrono::seconds(5), relay));
    const PeerId toClient = serverLog.events[0].peer, toServer = client->hostPeer();

    constexpr std::uint32_t count = 500;
    for (std::uint32_t i = 0; i < count; ++i) {
        server->send(toClient, message(1, i));
        client->send(toServer, message(2, i));
    }
    ASSERT_TRUE(pumpUntil(
        {&serverLog, &clientLog},
        [&] {
            return serverLog.count(Kind::Received) == count &&
                   clientLog.count(Kind::Received) == count;
        },
        std::chrono::seconds(20), relay))
        << "server has " << serverLog.count(Kind::Received) << ", client has "
        << clientLog.count(Kind::Received);

    const std::vector<Bytes> atServer = serverLog.received(toClient);
    const std::vector<Bytes> atClient = clientLog.received(toServer);
    for (std::uint32_t i = 0; i < count; ++i) {
        ASSERT_EQ(atServer[i], message(2, i)) << "message " << i;
        ASSERT_EQ(atClient[i], message(1, i)) << "message " << i;
    }
    EXPECT_EQ(serverLog.count(Kind::Disconnected) + clientLog.count(Kind::Disconnected), 0u);
    // The loss was real, or the test proved nothing.
    EXPECT_GT(proxy.lost(), 10u);
}
