// SPDX-License-Identifier: GPL-3.0-or-later
// LossyProxy: a UDP relay on loopback between ENet clients and a server that drops some
// datagrams and holds the rest back a while, as a poor network would.
#pragma once

#include <enet/enet.h>

#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <vector>

class LossyProxy {
  public:
    // Clients connect to listenPort; each gets a socket of its own towards serverPort.
    LossyProxy(std::uint16_t listenPort, std::uint16_t serverPort, double dropShare,
               std::uint32_t maxDelayMs, std::uint32_t seed);
    ~LossyProxy();
    LossyProxy(const LossyProxy&) = delete;
    LossyProxy& operator=(const LossyProxy&) = delete;

    // Moves what arrived into the queue and sends what is due; call often.
    void pump();

    std::uint64_t dropped = 0;
    std::uint64_t passed = 0;

  private:
    struct Datagram {
        std::uint32_t due = 0;
        ENetSocket from = ENET_SOCKET_NULL;
        ENetAddress to{};
        std::vector<std::uint8_t> bytes;
    };
    void take(ENetSocket socket, bool fromClient);

    ENetSocket front_;
    ENetAddress server_{};
    std::map<std::uint64_t, ENetSocket> backs_;  // by client address and port
    std::map<ENetSocket, ENetAddress> clientOf_;
    std::deque<Datagram> queue_;
    std::mt19937 random_;
    double dropShare_;
    std::uint32_t maxDelayMs_;
};
