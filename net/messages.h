// SPDX-License-Identifier: GPL-3.0-or-later
// The messages machines exchange, and their bounded encoding; messages.cpp has the bodies.
#pragma once

// A joining machine says Hello; the host answers Refusal or Welcome, keeps everyone posted
// with Lobby while seats fill, and sends Start with the setup. In play every Move goes
// through the host, which relays it; Digest compares the rule state after each turn, World
// replaces a machine's world, Seats says who plays where after a drop or a return, and
// Leave says a machine goes. decodeMessage refuses anything malformed as a whole.

#include "net/game_setup.h"
#include "net/move.h"
#include "net/seats.h"
#include "net/wire.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

inline constexpr std::size_t maxVersionLength = 16;

struct HelloMessage {
    std::string version;
    std::string name;
};

enum class RefusalReason : std::uint8_t { Full, Version, NameTaken, Closed };

struct RefusalMessage {
    RefusalReason reason = RefusalReason::Full;
    std::string hostVersion;
};

struct WelcomeMessage {
    MachineId machine = 1;
};

struct LobbySeat {
    std::string name;
    bool taken = false;
};

struct LobbyMessage {
    std::vector<LobbySeat> seats;  // the seats that wait for network players
};

// Which machine plays each seat, in seat order.
using SeatOwners = std::vector<MachineId>;

struct StartMessage {
    GameSetup setup;
    SeatOwners owners;
};

struct MoveMessage {
    std::uint8_t seat = 0;
    std::uint32_t sequence = 0;  // counts the sending machine's own moves from 1
    Move move;
};

struct DigestMessage {
    std::uint32_t turn = 0;
    std::uint64_t digest = 0;
};

struct WorldMessage {
    std::uint32_t turn = 0;
    // The receiver's last move the host had taken in (applied or refused); later ones are
    // the receiver's to make again on the new world.
    std::uint32_t lastMoveSeen = 0;
    SeatOwners owners;
    Bytes world;  // read by readWorld
};

struct SeatsMessage {
    SeatOwners owners;
    std::vector<PlayerControl> controls;
};

enum class LeaveReason : std::uint8_t { NewGame, Exit };

struct LeaveMessage {
    LeaveReason reason = LeaveReason::Exit;
};

using Message =
    std::variant<HelloMessage, RefusalMessage, WelcomeMessage, LobbyMessage, StartMessage,
                 MoveMessage, DigestMessage, WorldMessage, SeatsMessage, LeaveMessage>;

Bytes encodeMessage(const Message& message);
// Null for anything malformed: unknown kind, a field out of range, short or trailing bytes.
std::optional<Message> decodeMessage(const std::uint8_t* data, std::size_t size);
inline std::optional<Message> decodeMessage(const Bytes& b) {
    return decodeMessage(b.data(), b.size());
}
