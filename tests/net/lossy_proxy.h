// SPDX-License-Identifier: GPL-3.0-or-later
// LossyProxy: a UDP relay on loopback between one client and a server port that loses and
// delays datagrams, so links can be tested as they behave over a poor network.
#pragma once

#include "net/enet_library.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <queue>
#include <random>
#include <vector>

class LossyProxy {
  public:
    // Relays between whoever sends to port() and 127.0.0.1:serverPort; the same seed loses
    // the same datagrams in the same order.
    LossyProxy(std::uint16_t serverPort, std::uint32_t seed, double lossRate = 0.1,
               std::chrono::milliseconds maxDelay = std::chrono::milliseconds(50));
    ~LossyProxy();
    LossyProxy(const LossyProxy&) = delete;
    LossyProxy& operator=(const LossyProxy&) = delete;

    std::uint16_t port() const { return port_; }
    // Takes what arrived and sends on what is due; call it as often as the ends poll.
    void pump();

    std::size_t relayed() const { return relayed_; }
    std::size_t lost() const { return lost_; }

  private:
    using Clock = std::chrono::steady_clock;
    struct Held {
        Clock::time_point due;
        std::uint64_t order;  // keeps equal due times in arrival order
        bool towardServer;
        std::vector<std::uint8_t> bytes;
        bool operator>(const Held& other) const {
            return due != other.due ? due > other.due : order > other.order;
        }
    };

    EnetLibraryUse library_;
    int socket_ = -1;
    std::uint16_t port_ = 0;
    std::uint16_t serverPort_;
    std::uint32_t clientHost_ = 0;
    std::uint16_t clientPort_ = 0;
    std::mt19937 random_;
    double lossRate_;
    std::chrono::milliseconds maxDelay_;
    std::priority_queue<Held, std::vector<Held>, std::greater<Held>> held_;
    std::uint64_t arrivals_ = 0;
    std::size_t relayed_ = 0;
    std::size_t lost_ = 0;
};
