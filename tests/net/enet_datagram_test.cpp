// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of announcesMessageOver: it finds an oversized fragment behind other commands, and
// a datagram cut short, lying about its lengths or plain random is read within its bounds.
#include "net/enet_datagram.h"

#include <enet/enet.h>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr std::size_t limit = 1000;

void append(std::vector<std::uint8_t>& datagram, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    datagram.insert(datagram.end(), bytes, bytes + size);
}

struct Datagram {
    std::vector<std::uint8_t> bytes;
    std::size_t fragmentEnd = 0;  // where the fragment's command (not its data) ends
};

// A header with a send time, a reliable message of 10 bytes, then one fragment of a message
// `total` bytes long, as ENet lays them out.
Datagram sample(std::uint32_t total, std::uint16_t reliableLength = 10) {
    Datagram datagram;
    ENetProtocolHeader header{};
    header.peerID = ENET_HOST_TO_NET_16(3 | ENET_PROTOCOL_HEADER_FLAG_SENT_TIME);
    append(datagram.bytes, &header, sizeof header);

    ENetProtocolSendReliable reliable{};
    reliable.header.command =
        ENET_PROTOCOL_COMMAND_SEND_RELIABLE | ENET_PROTOCOL_COMMAND_FLAG_ACKNOWLEDGE;
    reliable.dataLength = ENET_HOST_TO_NET_16(reliableLength);
    append(datagram.bytes, &reliable, sizeof reliable);
    datagram.bytes.resize(datagram.bytes.size() + 10, 0xab);

    ENetProtocolSendFragment fragment{};
    fragment.header.command =
        ENET_PROTOCOL_COMMAND_SEND_FRAGMENT | ENET_PROTOCOL_COMMAND_FLAG_ACKNOWLEDGE;
    fragment.dataLength = ENET_HOST_TO_NET_16(20);
    fragment.fragmentCount = ENET_HOST_TO_NET_32(2);
    fragment.totalLength = ENET_HOST_TO_NET_32(total);
    append(datagram.bytes, &fragment, sizeof fragment);
    datagram.fragmentEnd = datagram.bytes.size();
    datagram.bytes.resize(datagram.bytes.size() + 20, 0xcd);
    return datagram;
}

bool oversized(const std::vector<std::uint8_t>& bytes, std::size_t length) {
    // A copy of exactly that length, so a read past it is caught by the sanitizers.
    const std::vector<std::uint8_t> exact(bytes.begin(), bytes.begin() + length);
    return announcesMessageOver(exact.data(), exact.size(), limit);
}

}  // namespace

TEST(EnetDatagram, FindsAnOversizedFragmentBehindOtherCommands) {
    EXPECT_TRUE(oversized(sample(limit + 1).bytes, sample(limit + 1).bytes.size()));
    EXPECT_FALSE(oversized(sample(limit).bytes, sample(limit).bytes.size()));

    // Cut anywhere before the fragment's command ends, nothing is found; after, its claim
    // is already read.
    const Datagram big = sample(limit + 1);
    for (std::size_t length = 0; length <= big.bytes.size(); ++length)
        EXPECT_EQ(oversized(big.bytes, length), length >= big.fragmentEnd) << length;

    // A message claiming more data than follows ends the reading before the fragment.
    const Datagram lying = sample(limit + 1, 5000);
    EXPECT_FALSE(oversized(lying.bytes, lying.bytes.size()));

    // Compressed datagrams are not ours (ENet drops them without a compressor).
    Datagram compressed = big;
    compressed.bytes[0] |= ENET_PROTOCOL_HEADER_FLAG_COMPRESSED >> 8;
    EXPECT_FALSE(oversized(compressed.bytes, compressed.bytes.size()));
}

TEST(EnetDatagram, RandomBytesAreReadWithinBounds) {
    std::mt19937 random(11);
    for (int i = 0; i < 20000; ++i) {
        std::vector<std::uint8_t> junk(std::uniform_int_distribution<std::size_t>(0, 80)(random));
        for (std::uint8_t& b : junk)
            b = static_cast<std::uint8_t>(random());
        // Plausible command bytes now and then, to get past the first command.
        for (std::size_t at = 2; at < junk.size(); at += 12)
            if (random() % 2)
                junk[at] = static_cast<std::uint8_t>(1 + random() % 12);
        announcesMessageOver(junk.data(), junk.size(), limit);
    }
    EXPECT_FALSE(announcesMessageOver(nullptr, 0, limit));
}
