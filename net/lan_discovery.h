// SPDX-License-Identifier: GPL-3.0-or-later
// Finding games on the local network: LanBeacon answers a broadcast question with the game
// it hosts, LanFinder asks and lists the answers; lan_discovery.cpp has the bodies.
#pragma once

#include "net/enet_library.h"
#include "net/network_dialogs.h"
#include "net/wire.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

inline constexpr std::uint16_t lanDiscoveryPort = 24781;

// What a host tells those who ask.
struct GameAnnouncement {
    std::string version;
    std::uint16_t gamePort = defaultGamePort;
    std::string hostName;
    int freeSeats = 0;
    // Drawn by the host for each game: one game heard at several of its addresses (loopback
    // and the network, say) is listed once.
    std::uint32_t gameId = 0;
};

class LanBeacon {
  public:
    // Null with the reason in error (the port is taken: the game can still be joined by its
    // address).
    static std::unique_ptr<LanBeacon> open(std::uint16_t port, std::string& error);
    ~LanBeacon();
    LanBeacon(const LanBeacon&) = delete;
    LanBeacon& operator=(const LanBeacon&) = delete;

    // Answers the questions that arrived since the last call; others' bytes are ignored.
    void answer(const GameAnnouncement& game);

  private:
    explicit LanBeacon(std::intptr_t socket) : socket_(socket) {}
    EnetLibraryUse library_;
    std::intptr_t socket_;
};

class LanFinder {
  public:
    // Asks on the broadcast address of this port, and on extraTarget (an IPv4 address) too
    // when given: the tests ask on loopback, where broadcasts may not arrive.
    static std::unique_ptr<LanFinder> open(std::uint16_t port, std::string& error,
                                           const std::string& extraTarget = {});
    ~LanFinder();
    LanFinder(const LanFinder&) = delete;
    LanFinder& operator=(const LanFinder&) = delete;

    // Asks again once a second and reads the answers; games not heard of for three seconds
    // are forgotten. now: seconds on any steady clock. True when the list changed.
    bool poll(double now);
    std::vector<FoundGame> games() const;

  private:
    struct Heard {
        FoundGame game;
        double lastHeard = 0.0;
    };
    LanFinder(std::intptr_t socket, std::uint16_t port, std::uint32_t extraTarget)
        : socket_(socket), port_(port), extraTarget_(extraTarget) {}
    EnetLibraryUse library_;
    std::intptr_t socket_;
    std::uint16_t port_;
    std::uint32_t extraTarget_;
    double lastAsked_ = -1e9;
    std::map<std::uint32_t, Heard> heard_;  // by game id
};

// The encodings of the question and the answer, apart for the tests and the fuzzer.
Bytes lanQuestion();
Bytes lanAnswer(const GameAnnouncement& game);
// None for anything but a well-formed answer.
std::optional<GameAnnouncement> readLanAnswer(const Bytes& bytes);
