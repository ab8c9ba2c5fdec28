// SPDX-License-Identifier: GPL-3.0-or-later
// Transport: what the lockstep session needs of a network (reliable, ordered messages to and
// from numbered peers); ENet provides it in the program, a fake in the tests.
#pragma once

#include "net/wire.h"

#include <cstddef>
#include <cstdint>
#include <string>

using PeerId = std::uint32_t;

// No message of the game comes near this; a transport drops a peer that sends more.
inline constexpr std::size_t maxMessageBytes = 64 * 1024;

struct TransportEvent {
    enum class Kind { Connected, Received, Disconnected };
    Kind kind = Kind::Received;
    PeerId peer = 0;
    Bytes bytes;         // Received only
    std::string reason;  // Disconnected only: why, in words a player can be shown
};

class Transport {
  public:
    virtual ~Transport() = default;
    // Queues one message; delivered whole, in order, or the peer disconnects.
    virtual void send(PeerId peer, const Bytes& message) = 0;
    // Ends the link after what was queued has gone; a Disconnected event follows.
    virtual void disconnect(PeerId peer) = 0;
    // The next event, without waiting; false when there is none.
    virtual bool poll(TransportEvent& event) = 0;
};
