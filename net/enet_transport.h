// SPDX-License-Identifier: GPL-3.0-or-later
// EnetTransport: the Transport of network play, reliable ordered messages over ENet;
// enet_transport.cpp has the bodies.
#pragma once

// Debian's ENet (1.3.17) speaks IPv4 only, so a host listens on every IPv4 address and a
// joining player types an IPv4 address or a name that resolves to one.

#include "net/enet_library.h"
#include "net/transport.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;
struct _ENetPacket;

// What one end tolerates before it turns a peer away.
struct EnetLimits {
    // Players joined at once (1 to 64); one more is told the game is full.
    std::size_t maxPeers = 8;
    // A peer's steady rate and the burst allowed on top of it; beyond either it is flooding.
    double messagesPerSecond = 200;
    double messageBurst = 600;
    double bytesPerSecond = 16.0 * maxMessageBytes;
    double byteBurst = 32.0 * maxMessageBytes;
    // How long a joining end waits for the host to answer.
    std::chrono::milliseconds connectTimeout{5000};
};

class EnetTransport : public Transport {
  public:
    // Takes players on every IPv4 address of this machine at `port` (0: any free port). Null
    // with `error` set when the port cannot be had.
    static std::unique_ptr<EnetTransport> listen(std::uint16_t port, std::string& error,
                                                 const EnetLimits& limits = {});
    // Starts joining the game at hostName:port; the host's Connected event (for hostPeer())
    // follows, or its Disconnected event once connectTimeout has passed unanswered. Null with
    // `error` set when the name does not resolve to an IPv4 address. The name is looked up
    // here, so this may block for as long as the system's resolver takes.
    static std::unique_ptr<EnetTransport> connect(const std::string& hostName, std::uint16_t port,
                                                  std::string& error,
                                                  const EnetLimits& limits = {});
    // Says goodbye to every peer and lets that go out before closing.
    ~EnetTransport() override;

    EnetTransport(const EnetTransport&) = delete;
    EnetTransport& operator=(const EnetTransport&) = delete;

    // A message over maxMessageBytes, or one ENet will not queue, ends the link instead.
    // Messages to a host not yet answered wait until it does. Sent on the next poll.
    void send(PeerId peer, const Bytes& message) override;
    void disconnect(PeerId peer) override;
    // Also where ENet does its sending and receiving, so call it every frame.
    bool poll(TransportEvent& event) override;

    // The local port, which a listener's players join.
    std::uint16_t port() const;
    // The host's id on a joining end; 0 on a listener.
    PeerId hostPeer() const { return hostPeer_; }
    // "a.b.c.d:port" of a linked peer, to name it to the player; empty once it is gone.
    std::string peerAddress(PeerId peer) const;
    // Bytes of the messages handed to send, and of the datagrams ENet sent (its headers,
    // acknowledgements and resends included), for the benchmark.
    std::uint64_t bytesSent() const { return bytesSent_; }
    std::uint64_t datagramBytesSent() const;

  private:
    using Clock = std::chrono::steady_clock;

    // Tokens refill at a steady rate up to a cap; a peer spends them as it sends.
    struct RateBucket {
        double tokens = 0;
        double capacity = 0;
        double perSecond = 0;
        Clock::time_point last;
        bool take(double amount, Clock::time_point now);
    };

    struct Link {
        _ENetPeer* peer = nullptr;
        bool established = false;
        bool closingByUs = false;
        Clock::time_point connectDeadline;
        RateBucket messages;
        RateBucket bytes;
        std::vector<Bytes> waiting;  // sent before the host answered
    };

    EnetTransport(const EnetLimits& limits, bool listening);
    void configureHost();
    PeerId adopt(_ENetPeer* peer, bool established);
    void pump();
    void expireConnectAttempts(Clock::time_point now);
    void dropOversizedSenders();
    void onConnect(_ENetPeer* peer);
    void onReceive(_ENetPeer* peer, const _ENetPacket& packet);
    void onDisconnect(_ENetPeer* peer, std::uint32_t code);
    bool queue(Link& link, const Bytes& message);
    // Cuts the link at once and reports why.
    void drop(PeerId id, std::uint32_t code, const std::string& reason);
    void pushDisconnected(PeerId id, const std::string& reason);

    EnetLibraryUse library_;
    EnetLimits limits_;
    bool listening_;
    _ENetHost* host_ = nullptr;
    std::string hostName_;  // as the player typed it, for messages
    PeerId hostPeer_ = 0;
    PeerId nextId_ = 1;
    std::map<PeerId, Link> links_;
    std::deque<TransportEvent> events_;
    std::uint64_t bytesSent_ = 0;
};
