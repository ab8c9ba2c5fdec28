// SPDX-License-Identifier: GPL-3.0-or-later
// The ENet link: hosts, peers and packets turned into the Transport's numbered peers, whole
// messages and events, with the size and rate limits a hostile peer meets.
#include "net/enet_transport.h"

#include <enet/enet.h>

#include <cstdint>
#include <mutex>

namespace {

// ENet wants one initialisation a process; the transports share it.
std::mutex libraryMutex;
int libraryUsers = 0;

bool useLibrary() {
    std::lock_guard<std::mutex> lock(libraryMutex);
    if (libraryUsers == 0 && enet_initialize() != 0) {
        return false;
    }
    ++libraryUsers;
    return true;
}

void releaseLibrary() {
    std::lock_guard<std::mutex> lock(libraryMutex);
    if (--libraryUsers == 0) {
        enet_deinitialize();
    }
}

// A connection attempt or a silent peer gives up after this long.
constexpr std::uint32_t timeoutMilliseconds = 5000;
constexpr std::uint32_t goodbyeMilliseconds = 300;

void limit(ENetHost* host) {
    host->maximumPacketSize = maxMessageBytes;
    host->maximumWaitingData = 16 * maxMessageBytes;
}

PeerId idOf(const ENetPeer* peer) {
    return static_cast<PeerId>(reinterpret_cast<std::uintptr_t>(peer->data));
}

}  // namespace

std::unique_ptr<EnetTransport> EnetTransport::listen(std::uint16_t port, std::string& error) {
    if (!useLibrary()) {
        error = "The network library could not start.";
        return nullptr;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    ENetHost* host = enet_host_create(&address, maxPeers, 1, 0, 0);
    if (host == nullptr) {
        releaseLibrary();
        error = "Port " + std::to_string(port) +
                " cannot be used: another program may have it. Choose another port.";
        return nullptr;
    }
    limit(host);
    return std::unique_ptr<EnetTransport>(new EnetTransport(host));
}

std::unique_ptr<EnetTransport> EnetTransport::connect(const std::string& hostName,
                                                      std::uint16_t port, std::string& error) {
    if (hostName.find(':') != std::string::npos) {
        error = "IPv6 addresses cannot be used yet: type the host's IPv4 address or name.";
        return nullptr;
    }
    if (!useLibrary()) {
        error = "The network library could not start.";
        return nullptr;
    }
    ENetAddress address{};
    address.port = port;
    if (hostName.empty() || enet_address_set_host(&address, hostName.c_str()) != 0) {
        releaseLibrary();
        error = "No machine is known by the name " + hostName + ".";
        return nullptr;
    }
    ENetHost* host = enet_host_create(nullptr, 1, 1, 0, 0);
    if (host == nullptr) {
        releaseLibrary();
        error = "The network could not be used.";
        return nullptr;
    }
    limit(host);
    std::unique_ptr<EnetTransport> transport(new EnetTransport(host));
    ENetPeer* peer = enet_host_connect(host, &address, 1, 0);
    if (peer == nullptr) {
        error = "The network could not be used.";
        return nullptr;
    }
    enet_peer_timeout(peer, 0, timeoutMilliseconds, timeoutMilliseconds);
    transport->adopt(peer);
    return transport;
}

EnetTransport::EnetTransport(ENetHost* host) : host_(host) {}

EnetTransport::~EnetTransport() {
    for (auto& [id, link] : links_) {
        enet_peer_disconnect_later(link.peer, 0);
    }
    // A moment for the last messages and the goodbyes to be acknowledged.
    const std::uint32_t start = enet_time_get();
    ENetEvent event;
    while (!links_.empty() && enet_time_get() - start < goodbyeMilliseconds &&
           enet_host_service(host_, &event, 10) >= 0) {
        if (event.type == ENET_EVENT_TYPE_RECEIVE) {
            enet_packet_destroy(event.packet);
        } else if (event.type == ENET_EVENT_TYPE_DISCONNECT) {
            links_.erase(idOf(event.peer));
        }
    }
    for (auto& [id, link] : links_) {
        enet_peer_reset(link.peer);
    }
    enet_host_destroy(host_);
    releaseLibrary();
}

PeerId EnetTransport::adopt(ENetPeer* peer) {
    const PeerId id = nextId_++;
    peer->data = reinterpret_cast<void*>(static_cast<std::uintptr_t>(id));
    links_[id] = Link{peer, enet_time_get(), 0};
    return id;
}

void EnetTransport::send(PeerId peer, const Bytes& message) {
    const auto link = links_.find(peer);
    if (link == links_.end() || message.size() > maxMessageBytes) {
        return;
    }
    ENetPacket* packet =
        enet_packet_create(message.data(), message.size(), ENET_PACKET_FLAG_RELIABLE);
    if (packet == nullptr) {
        return;
    }
    if (enet_peer_send(link->second.peer, 0, packet) != 0) {
        enet_packet_destroy(packet);
        return;
    }
    bytesSent_ += message.size();
}

void EnetTransport::disconnect(PeerId peer) {
    if (const auto link = links_.find(peer); link != links_.end()) {
        enet_peer_disconnect_later(link->second.peer, 0);
    }
}

// A peer that breaks the limits: gone at once, and the session hears it left.
void EnetTransport::drop(PeerId id) {
    const auto link = links_.find(id);
    if (link == links_.end()) {
        return;
    }
    enet_peer_disconnect_now(link->second.peer, 0);
    links_.erase(link);
    events_.push_back({TransportEvent::Kind::Disconnected, id, {}});
}

void EnetTransport::service() {
    ENetEvent event;
    while (enet_host_service(host_, &event, 0) > 0) {
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT: {
                PeerId id = idOf(event.peer);
                if (links_.count(id) == 0 || links_[id].peer != event.peer) {
                    id = adopt(event.peer);
                    enet_peer_timeout(event.peer, 0, timeoutMilliseconds, 4 * timeoutMilliseconds);
                }
                events_.push_back({TransportEvent::Kind::Connected, id, {}});
                break;
            }
            case ENET_EVENT_TYPE_RECEIVE: {
                const PeerId id = idOf(event.peer);
                const auto link = links_.find(id);
                const bool known = link != links_.end();
                const bool tooLarge = event.packet->dataLength > maxMessageBytes;
                if (known && !tooLarge) {
                    Link& l = link->second;
                    const std::uint32_t now = enet_time_get();
                    if (now - l.windowStart >= 1000) {
                        l.windowStart = now;
                        l.messagesInWindow = 0;
                    }
                    if (++l.messagesInWindow > maxMessagesPerSecond) {
                        enet_packet_destroy(event.packet);
                        drop(id);
                        break;
                    }
                    events_.push_back(
                        {TransportEvent::Kind::Received, id,
                         Bytes(event.packet->data, event.packet->data + event.packet->dataLength)});
                }
                enet_packet_destroy(event.packet);
                if (known && tooLarge) {
                    drop(id);
                }
                break;
            }
            case ENET_EVENT_TYPE_DISCONNECT: {
                const PeerId id = idOf(event.peer);
                if (links_.erase(id) != 0) {
                    events_.push_back({TransportEvent::Kind::Disconnected, id, {}});
                }
                break;
            }
            case ENET_EVENT_TYPE_NONE:
                break;
        }
    }
}

bool EnetTransport::poll(TransportEvent& event) {
    if (events_.empty()) {
        service();
    }
    if (events_.empty()) {
        return false;
    }
    event = std::move(events_.front());
    events_.pop_front();
    return true;
}

void EnetTransport::flush() {
    enet_host_flush(host_);
}
