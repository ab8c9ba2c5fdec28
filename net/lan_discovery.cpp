// SPDX-License-Identifier: GPL-3.0-or-later
// The broadcast question and answer of finding games nearby, over ENet's datagram sockets.
#include "net/lan_discovery.h"

#include "game/names.h"
#include "net/messages.h"
#include "net/wire.h"

#include <enet/enet.h>

#include <algorithm>

namespace {

constexpr std::uint32_t questionMagic = 0x514c524b;  // "KRLQ"
constexpr std::uint32_t answerMagic = 0x414c524b;    // "KRLA"
constexpr std::size_t datagramLimit = 512;
constexpr double askEverySeconds = 1.0;
constexpr double forgetAfterSeconds = 3.0;

ENetSocket socketOf(std::intptr_t s) {
    return static_cast<ENetSocket>(s);
}

// Reads one waiting datagram; false when none waits.
bool receive(ENetSocket socket, ENetAddress& from, Bytes& bytes) {
    std::uint8_t data[datagramLimit];
    ENetBuffer buffer;
    buffer.data = data;
    buffer.dataLength = sizeof data;
    const int length = enet_socket_receive(socket, &from, &buffer, 1);
    if (length <= 0) {
        return false;
    }
    bytes.assign(data, data + length);
    return true;
}

void sendTo(ENetSocket socket, const ENetAddress& to, const Bytes& bytes) {
    ENetBuffer buffer;
    buffer.data = const_cast<std::uint8_t*>(bytes.data());
    buffer.dataLength = bytes.size();
    enet_socket_send(socket, &to, &buffer, 1);
}

ENetSocket openSocket(std::uint16_t port, bool broadcast, std::string& error) {
    // Held while the socket is made; the beacon or finder then holds the library itself.
    const EnetLibraryUse library;
    if (!library.ok()) {
        error = "The network library could not start.";
        return ENET_SOCKET_NULL;
    }
    ENetSocket socket = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    if (socket == ENET_SOCKET_NULL) {
        error = "The network could not be used.";
        return ENET_SOCKET_NULL;
    }
    enet_socket_set_option(socket, ENET_SOCKOPT_NONBLOCK, 1);
    enet_socket_set_option(socket, ENET_SOCKOPT_REUSEADDR, 1);
    if (broadcast) {
        enet_socket_set_option(socket, ENET_SOCKOPT_BROADCAST, 1);
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    if (enet_socket_bind(socket, &address) != 0) {
        enet_socket_destroy(socket);
        error = "Port " + std::to_string(port) + " is in use.";
        return ENET_SOCKET_NULL;
    }
    return socket;
}

void closeSocket(std::intptr_t socket) {
    enet_socket_destroy(socketOf(socket));
}

}  // namespace

Bytes lanQuestion() {
    ByteWriter out;
    out.u32(questionMagic);
    return out.take();
}

Bytes lanAnswer(const GameAnnouncement& game) {
    ByteWriter out;
    out.u32(answerMagic);
    out.text(game.version, maxVersionLength);
    out.u16(game.gamePort);
    out.text(game.hostName, nameCapacity - 1);
    out.u8(static_cast<std::uint8_t>(std::clamp(game.freeSeats, 0, maxSeats)));
    out.u32(game.gameId);
    return out.take();
}

std::optional<GameAnnouncement> readLanAnswer(const Bytes& bytes) {
    ByteReader in(bytes);
    if (in.u32() != answerMagic) {
        return std::nullopt;
    }
    GameAnnouncement game;
    game.version = cleanName(in.text(maxVersionLength));
    game.gamePort = in.u16();
    game.hostName = cleanName(in.text(nameCapacity - 1));
    game.freeSeats = in.u8();
    game.gameId = in.u32();
    if (!in.finished() || game.gamePort == 0 || game.freeSeats > maxSeats) {
        return std::nullopt;
    }
    return game;
}

std::unique_ptr<LanBeacon> LanBeacon::open(std::uint16_t port, std::string& error) {
    const ENetSocket socket = openSocket(port, false, error);
    if (socket == ENET_SOCKET_NULL) {
        return nullptr;
    }
    return std::unique_ptr<LanBeacon>(new LanBeacon(static_cast<std::intptr_t>(socket)));
}

LanBeacon::~LanBeacon() {
    closeSocket(socket_);
}

void LanBeacon::answer(const GameAnnouncement& game) {
    ENetAddress from;
    Bytes question;
    // A bounded number a frame: a flood of questions cannot hold the loop.
    for (int i = 0; i < 32 && receive(socketOf(socket_), from, question); ++i) {
        if (question == lanQuestion()) {
            sendTo(socketOf(socket_), from, lanAnswer(game));
        }
    }
}

std::unique_ptr<LanFinder> LanFinder::open(std::uint16_t port, std::string& error,
                                           const std::string& extraTarget) {
    ENetAddress extra{};
    if (!extraTarget.empty() && enet_address_set_host_ip(&extra, extraTarget.c_str()) != 0) {
        extra.host = 0;
    }
    const ENetSocket socket = openSocket(0, true, error);
    if (socket == ENET_SOCKET_NULL) {
        return nullptr;
    }
    return std::unique_ptr<LanFinder>(
        new LanFinder(static_cast<std::intptr_t>(socket), port, extra.host));
}

LanFinder::~LanFinder() {
    closeSocket(socket_);
}

bool LanFinder::poll(double now) {
    if (now - lastAsked_ >= askEverySeconds) {
        lastAsked_ = now;
        ENetAddress to{};
        to.port = port_;
        to.host = ENET_HOST_BROADCAST;
        sendTo(socketOf(socket_), to, lanQuestion());
        if (extraTarget_ != 0) {
            to.host = extraTarget_;
            sendTo(socketOf(socket_), to, lanQuestion());
        }
    }
    bool changed = false;
    ENetAddress from;
    Bytes answer;
    for (int i = 0; i < 32 && receive(socketOf(socket_), from, answer); ++i) {
        const std::optional<GameAnnouncement> game = readLanAnswer(answer);
        if (!game) {
            continue;
        }
        char ip[64] = {};
        enet_address_get_host_ip(&from, ip, sizeof ip);
        FoundGame found{ip, game->gamePort, game->hostName, game->freeSeats, game->version};
        // The same game heard on loopback and on the network is listed once, under the
        // address others can use too.
        if (heard_.size() >= 32 && heard_.count(game->gameId) == 0) {
            continue;
        }
        Heard& entry = heard_[game->gameId];
        const bool loopback = found.address.rfind("127.", 0) == 0;
        if (loopback && !entry.game.address.empty() && entry.game.address != found.address) {
            found.address = entry.game.address;
        }
        changed = changed || entry.game.label() != found.label();
        entry.game = found;
        entry.lastHeard = now;
    }
    for (auto it = heard_.begin(); it != heard_.end();) {
        if (now - it->second.lastHeard > forgetAfterSeconds) {
            it = heard_.erase(it);
            changed = true;
        } else {
            ++it;
        }
    }
    return changed;
}

std::vector<FoundGame> LanFinder::games() const {
    std::vector<FoundGame> result;
    for (const auto& [key, entry] : heard_) {
        result.push_back(entry.game);
    }
    return result;
}
