// SPDX-License-Identifier: GPL-3.0-or-later
// FakeNetwork: machines in one process linked by in-memory transports, with cuts, counted
// bytes and a way to put any bytes on the wire.
#pragma once

#include "net/transport.h"

#include <deque>
#include <memory>
#include <set>
#include <vector>

class FakeNetwork {
  public:
    class Endpoint : public Transport {
      public:
        Endpoint(FakeNetwork& network, PeerId id) : network_(network), id_(id) {}
        PeerId id() const { return id_; }

        void send(PeerId peer, const Bytes& message) override {
            if (links_.count(peer) == 0)
                return;
            bytesSent += message.size();
            network_.at(peer).inbox_.push_back({TransportEvent::Kind::Received, id_, message, {}});
        }
        void disconnect(PeerId peer) override { network_.cut(id_, peer); }
        bool poll(TransportEvent& event) override {
            if (inbox_.empty())
                return false;
            event = std::move(inbox_.front());
            inbox_.pop_front();
            return true;
        }

        std::size_t bytesSent = 0;

      private:
        friend class FakeNetwork;
        FakeNetwork& network_;
        PeerId id_;
        std::set<PeerId> links_;
        std::deque<TransportEvent> inbox_;
    };

    Endpoint& add() {
        endpoints_.push_back(
            std::make_unique<Endpoint>(*this, static_cast<PeerId>(endpoints_.size() + 1)));
        return *endpoints_.back();
    }
    Endpoint& at(PeerId id) { return *endpoints_.at(id - 1); }

    // Both ends hear Connected.
    void link(PeerId a, PeerId b) {
        at(a).links_.insert(b);
        at(b).links_.insert(a);
        at(a).inbox_.push_back({TransportEvent::Kind::Connected, b, {}, {}});
        at(b).inbox_.push_back({TransportEvent::Kind::Connected, a, {}, {}});
    }
    // What was sent before still arrives; then both ends hear Disconnected.
    void cut(PeerId a, PeerId b) {
        if (at(a).links_.erase(b) == 0)
            return;
        at(b).links_.erase(a);
        at(a).inbox_.push_back({TransportEvent::Kind::Disconnected, b, {}, {}});
        at(b).inbox_.push_back({TransportEvent::Kind::Disconnected, a, {}, {}});
    }
    // Bytes as if `from` had sent them, whatever they are.
    void inject(PeerId from, PeerId to, Bytes bytes) {
        at(to).inbox_.push_back({TransportEvent::Kind::Received, from, std::move(bytes), {}});
    }

  private:
    std::vector<std::unique_ptr<Endpoint>> endpoints_;
};
