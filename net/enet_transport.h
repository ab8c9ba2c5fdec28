// SPDX-License-Identifier: GPL-3.0-or-later
// EnetTransport: the Transport over ENet (reliable, ordered messages over UDP), listening as a
// host or connecting to one; enet_transport.cpp has the bodies.
#pragma once

#include "net/transport.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>

typedef struct _ENetHost ENetHost;
typedef struct _ENetPeer ENetPeer;

class EnetTransport : public Transport {
  public:
    // Peers a host takes at once: every seat of a game at its own machine, and a spare for
    // one that will be refused with a reason.
    static constexpr std::size_t maxPeers = 9;
    // A peer sending more than this a second is flooding: it is dropped.
    static constexpr int maxMessagesPerSecond = 400;

    // Listens on every IPv4 address of this machine. Null with the reason in error.
    static std::unique_ptr<EnetTransport> listen(std::uint16_t port, std::string& error);
    // Starts connecting to a host by name or IPv4 address: Connected follows, or
    // Disconnected when nobody answers within a few seconds. Null with the reason in error.
    static std::unique_ptr<EnetTransport> connect(const std::string& hostName, std::uint16_t port,
                                                  std::string& error);

    // Says goodbye to every peer, waiting a moment for what was queued to go.
    ~EnetTransport() override;
    EnetTransport(const EnetTransport&) = delete;
    EnetTransport& operator=(const EnetTransport&) = delete;

    void send(PeerId peer, const Bytes& message) override;
    void disconnect(PeerId peer) override;
    bool poll(TransportEvent& event) override;
    // Sends what is queued now, without waiting for the next poll.
    void flush();

    // Bytes handed to send, for the benchmark.
    std::uint64_t bytesSent() const { return bytesSent_; }

  private:
    struct Link {
        ENetPeer* peer = nullptr;
        std::uint32_t windowStart = 0;
        int messagesInWindow = 0;
    };

    explicit EnetTransport(ENetHost* host);
    void service();
    PeerId adopt(ENetPeer* peer);
    void drop(PeerId id);

    ENetHost* host_;
    std::map<PeerId, Link> links_;
    PeerId nextId_ = 1;
    std::deque<TransportEvent> events_;
    std::uint64_t bytesSent_ = 0;
};
