// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies of EnetTransport: ENet hosts and peers behind small numbered links.
#include "net/enet_transport.h"

#include "net/enet_datagram.h"

#include <enet/enet.h>

#include <arpa/inet.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// One channel, reliable and ordered: lockstep wants nothing else.
constexpr std::size_t channelCount = 1;
// ENet services per poll at most, so a flood cannot keep one frame busy.
constexpr int maxServiceCallsPerPoll = 256;
// Per peer, what ENet may hold while it waits to put messages in order.
constexpr std::size_t maxWaitingBytes = 32 * maxMessageBytes;

// Travels in ENet's disconnect message so the other end can say why.
enum DisconnectCode : std::uint32_t {
    CodeNone = 0,  // ENet's own: the link timed out
    CodeClosing = 1,
    CodeFull = 2,
    CodeTooLarge = 3,
    CodeFlooding = 4,
    CodeUnordered = 5,
    CodeNotExpected = 6,
};

std::string reasonFromOtherSide(std::uint32_t code) {
    switch (code) {
        case CodeNone:
            return "The connection was lost (no answer for several seconds).";
        case CodeClosing:
            return "The other side closed the connection.";
        case CodeFull:
            return "That game is full";
        case CodeTooLarge:
            return "The other side closed the connection: a message from here was too large.";
        case CodeFlooding:
            return "The other side closed the connection: this side sent too much too fast.";
        case CodeUnordered:
        case CodeNotExpected:
            return "The other side refused the connection.";
        default:
            return "The other side closed the connection (code " + std::to_string(code) + ").";
    }
}

PeerId idOf(const ENetPeer* peer) {
    return static_cast<PeerId>(reinterpret_cast<std::uintptr_t>(peer->data));
}

void setId(ENetPeer* peer, PeerId id) {
    peer->data = reinterpret_cast<void*>(static_cast<std::uintptr_t>(id));
}

// Peers whose datagram announced a message over maxMessageBytes, found by scanDatagram
// while ENet serviced its host and dealt with once it returns.
thread_local std::vector<ENetPeer*> oversizedSenders;

// ENet refuses a fragmented message longer than host->maximumPacketSize by ignoring its
// fragments, which leaves the sender retrying for ever and its later messages stuck behind
// it. So every datagram from a linked peer is read here first, before ENet sees it: a
// fragment announcing a message over the limit marks its sender to be dropped.
int scanDatagram(ENetHost* host, ENetEvent*) {
    const std::uint8_t* data = host->receivedData;
    const std::size_t length = host->receivedDataLength;
    if (data == nullptr || length < 2)
        return 0;
    const std::uint16_t word = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
    const std::uint16_t peerIndex =
        word & ~(ENET_PROTOCOL_HEADER_FLAG_MASK | ENET_PROTOCOL_HEADER_SESSION_MASK);
    if (peerIndex >= host->peerCount)
        return 0;
    ENetPeer* peer = &host->peers[peerIndex];
    const std::uint8_t session = static_cast<std::uint8_t>(
        (word & ENET_PROTOCOL_HEADER_SESSION_MASK) >> ENET_PROTOCOL_HEADER_SESSION_SHIFT);
    // What ENet would ignore as not this peer's is not held against it either.
    if (idOf(peer) == 0 || peer->state != ENET_PEER_STATE_CONNECTED ||
        peer->address.host != host->receivedAddress.host ||
        peer->address.port != host->receivedAddress.port || session != peer->incomingSessionID)
        return 0;

    if (!announcesMessageOver(data, length, maxMessageBytes))
        return 0;
    oversizedSenders.push_back(peer);
    return 1;  // swallowed: ENet would only ignore it
}

std::string trimmed(const std::string& text) {
    const char* space = " \t\r\n";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// Why a port could not be had: ENet does not say, so a plain socket tries the same bind.
std::string bindFailure(std::uint16_t port) {
    const std::string portText = std::to_string(port);
    ENetSocket probe = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    if (probe == ENET_SOCKET_NULL)
        return "Could not open a network socket: " + std::string(std::strerror(errno)) + ".";
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    const int result = enet_socket_bind(probe, &address);
    const int cause = errno;
    enet_socket_destroy(probe);
    if (result == 0)
        return "Could not open port " + portText + " for the game.";
    if (cause == EADDRINUSE)
        return "Port " + portText +
               " is in use: another program, perhaps another game, already has it.";
    if (cause == EACCES)
        return "Port " + portText + " is reserved for the system; choose one above 1023.";
    return "Could not open port " + portText + ": " + std::strerror(cause) + ".";
}

}  // namespace

bool EnetTransport::RateBucket::take(double amount, Clock::time_point now) {
    const double seconds = std::chrono::duration<double>(now - last).count();
    last = now;
    tokens = std::min(capacity, tokens + std::max(0.0, seconds) * perSecond);
    if (tokens < amount)
        return false;
    tokens -= amount;
    return true;
}

EnetTransport::EnetTransport(const EnetLimits& limits, bool listening)
    : limits_(limits), listening_(listening) {
    limits_.maxPeers = std::clamp<std::size_t>(limits_.maxPeers, 1, 64);
    // A single message of the largest size must always be affordable.
    limits_.byteBurst = std::max(limits_.byteBurst, static_cast<double>(maxMessageBytes));
    limits_.messageBurst = std::max(limits_.messageBurst, 1.0);
}

std::unique_ptr<EnetTransport> EnetTransport::listen(std::uint16_t port, std::string& error,
                                                     const EnetLimits& limits) {
    std::unique_ptr<EnetTransport> transport(new EnetTransport(limits, true));
    if (!transport->library_.ok()) {
        error = "The network library (ENet) could not start.";
        return nullptr;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    // One slot more than allowed, so the player too many can be told the game is full.
    transport->host_ =
        enet_host_create(&address, transport->limits_.maxPeers + 1, channelCount, 0, 0);
    if (transport->host_ == nullptr) {
        error = bindFailure(port);
        return nullptr;
    }
    transport->configureHost();
    return transport;
}

std::unique_ptr<EnetTransport> EnetTransport::connect(const std::string& hostName,
                                                      std::uint16_t port, std::string& error,
                                                      const EnetLimits& limits) {
    const std::string name = trimmed(hostName);
    if (name.empty()) {
        error = "Type the host's address or name.";
        return nullptr;
    }
    if (port == 0) {
        error = "Port 0 cannot be joined; the host's screen shows the game's port.";
        return nullptr;
    }
    if (name.find(':') != std::string::npos) {
        std::string bare = name;
        if (bare.size() > 2 && bare.front() == '[' && bare.back() == ']')
            bare = bare.substr(1, bare.size() - 2);
        in6_addr ipv6{};
        if (inet_pton(AF_INET6, bare.c_str(), &ipv6) == 1)
            error = "\"" + name +
                    "\" is an IPv6 address; network play works over IPv4 only, so type the "
                    "host's IPv4 address (four numbers with dots) instead.";
        else
            error = "\"" + name + "\" is not an address or a name: type the port in its own field.";
        return nullptr;
    }
    if (name.size() > 253) {
        error = "That is too long to be a host's name.";
        return nullptr;
    }

    std::unique_ptr<EnetTransport> transport(new EnetTransport(limits, false));
    if (!transport->library_.ok()) {
        error = "The network library (ENet) could not start.";
        return nullptr;
    }
    ENetAddress address{};
    if (enet_address_set_host(&address, name.c_str()) != 0) {
        error = "Could not find \"" + name +
                "\" on the network: it is not an IPv4 address, nor a name that leads to one.";
        return nullptr;
    }
    address.port = port;
    transport->host_ = enet_host_create(nullptr, 1, channelCount, 0, 0);
    if (transport->host_ == nullptr) {
        error = "Could not open a network socket: " + std::string(std::strerror(errno)) + ".";
        return nullptr;
    }
    transport->configureHost();
    ENetPeer* peer = enet_host_connect(transport->host_, &address, channelCount, 0);
    if (peer == nullptr) {
        error = "Could not start joining " + name + ".";
        return nullptr;
    }
    transport->hostName_ = name + ":" + std::to_string(port);
    transport->hostPeer_ = transport->adopt(peer, false);
    transport->links_[transport->hostPeer_].connectDeadline =
        Clock::now() + transport->limits_.connectTimeout;
    return transport;
}

void EnetTransport::configureHost() {
    // ENet would otherwise allocate whatever size a peer's first fragment claims.
    host_->maximumPacketSize = maxMessageBytes;
    host_->maximumWaitingData = maxWaitingBytes;
    host_->intercept = scanDatagram;
}

EnetTransport::~EnetTransport() {
    if (host_ == nullptr)
        return;
    // What was queued goes first, then the goodbyes; whoever misses one sees the link time
    // out instead. A peer may still lose the last messages (ENet clears what it has not yet
    // handed over when the goodbye arrives), so leaving gracefully is disconnect() and
    // polling until Disconnected.
    enet_host_flush(host_);
    for (auto& [id, link] : links_) {
        setId(link.peer, 0);
        enet_peer_disconnect(link.peer, CodeClosing);
    }
    enet_host_flush(host_);
    enet_host_destroy(host_);
}

PeerId EnetTransport::adopt(ENetPeer* peer, bool established) {
    const PeerId id = nextId_++;
    setId(peer, id);
    Link& link = links_[id];
    link.peer = peer;
    link.established = established;
    const Clock::time_point now = Clock::now();
    link.messages =
        RateBucket{limits_.messageBurst, limits_.messageBurst, limits_.messagesPerSecond, now};
    link.bytes = RateBucket{limits_.byteBurst, limits_.byteBurst, limits_.bytesPerSecond, now};
    return id;
}

void EnetTransport::send(PeerId peer, const Bytes& message) {
    auto found = links_.find(peer);
    // A link already gone has reported (or will report) its Disconnected event.
    if (found == links_.end() || found->second.closingByUs)
        return;
    Link& link = found->second;
    if (message.size() > maxMessageBytes) {
        drop(peer, CodeClosing,
             "A message of " + std::to_string(message.size()) +
                 " bytes was too large to send (the limit is " + std::to_string(maxMessageBytes) +
                 ").");
        return;
    }
    bytesSent_ += message.size();
    if (!link.established) {
        link.waiting.push_back(message);
        return;
    }
    if (!queue(link, message))
        drop(peer, CodeClosing, "A message could not be queued for sending.");
}

bool EnetTransport::queue(Link& link, const Bytes& message) {
    ENetPacket* packet =
        enet_packet_create(message.data(), message.size(), ENET_PACKET_FLAG_RELIABLE);
    if (packet == nullptr)
        return false;
    if (enet_peer_send(link.peer, 0, packet) < 0) {
        // ENet takes the packet only when it queues it.
        if (packet->referenceCount == 0)
            enet_packet_destroy(packet);
        return false;
    }
    return true;
}

void EnetTransport::disconnect(PeerId peer) {
    auto found = links_.find(peer);
    if (found == links_.end() || found->second.closingByUs)
        return;
    Link& link = found->second;
    if (link.peer->state == ENET_PEER_STATE_CONNECTED) {
        // ENet's own Disconnected follows once what was queued has been acknowledged.
        link.closingByUs = true;
        enet_peer_disconnect_later(link.peer, CodeClosing);
        return;
    }
    drop(peer, CodeClosing, "Closed by this side.");
}

bool EnetTransport::poll(TransportEvent& event) {
    if (events_.empty())
        pump();
    if (events_.empty())
        return false;
    event = std::move(events_.front());
    events_.pop_front();
    return true;
}

std::uint16_t EnetTransport::port() const {
    ENetAddress address{};
    if (host_ == nullptr || enet_socket_get_address(host_->socket, &address) != 0)
        return 0;
    return address.port;
}

std::uint64_t EnetTransport::datagramBytesSent() const {
    return host_ != nullptr ? host_->totalSentData : 0;
}

std::string EnetTransport::peerAddress(PeerId peer) const {
    auto found = links_.find(peer);
    if (found == links_.end())
        return {};
    char text[INET_ADDRSTRLEN] = {};
    if (enet_address_get_host_ip(&found->second.peer->address, text, sizeof text) != 0)
        return {};
    return std::string(text) + ":" + std::to_string(found->second.peer->address.port);
}

void EnetTransport::pump() {
    expireConnectAttempts(Clock::now());
    oversizedSenders.clear();
    for (int call = 0; call < maxServiceCallsPerPoll; ++call) {
        ENetEvent event{};
        const int result = enet_host_service(host_, &event, 0);
        dropOversizedSenders();
        if (result == 0)
            break;
        // A negative result is one bad datagram (ENet refuses a truncated one that way);
        // the rest still wait.
        if (result < 0)
            continue;
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT:
                onConnect(event.peer);
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                onReceive(event.peer, *event.packet);
                enet_packet_destroy(event.packet);
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                onDisconnect(event.peer, event.data);
                break;
            case ENET_EVENT_TYPE_NONE:
                break;
        }
    }
}

void EnetTransport::expireConnectAttempts(Clock::time_point now) {
    std::vector<PeerId> expired;
    for (const auto& [id, link] : links_)
        if (!link.established && now >= link.connectDeadline)
            expired.push_back(id);
    const long long seconds =
        std::chrono::duration_cast<std::chrono::seconds>(limits_.connectTimeout).count();
    const std::string within =
        seconds >= 1 ? std::to_string(seconds) + " seconds" : "the time allowed";
    for (PeerId id : expired)
        drop(id, CodeClosing,
             "No answer from " + hostName_ + " within " + within +
                 ": is the game hosted there, and does its firewall let UDP through?");
}

void EnetTransport::dropOversizedSenders() {
    for (ENetPeer* peer : oversizedSenders) {
        const PeerId id = idOf(peer);
        if (id != 0 && links_.count(id) != 0)
            drop(id, CodeTooLarge,
                 "The other side sent a message over the limit of " +
                     std::to_string(maxMessageBytes) + " bytes.");
    }
    oversizedSenders.clear();
}

void EnetTransport::onConnect(ENetPeer* peer) {
    const PeerId known = idOf(peer);
    if (known != 0) {
        auto found = links_.find(known);
        if (found == links_.end())
            return;
        Link& link = found->second;
        link.established = true;
        std::vector<Bytes> waiting = std::move(link.waiting);
        events_.push_back({TransportEvent::Kind::Connected, known, {}, {}});
        for (const Bytes& message : waiting)
            if (!queue(link, message)) {
                drop(known, CodeClosing, "A message could not be queued for sending.");
                return;
            }
        return;
    }
    // A joining end takes no connections of its own; a full host turns the newcomer away
    // politely, so it hears why.
    if (!listening_) {
        enet_peer_disconnect_now(peer, CodeNotExpected);
        return;
    }
    if (links_.size() >= limits_.maxPeers) {
        enet_peer_disconnect(peer, CodeFull);
        return;
    }
    const PeerId id = adopt(peer, true);
    events_.push_back({TransportEvent::Kind::Connected, id, {}, {}});
}

void EnetTransport::onReceive(ENetPeer* peer, const ENetPacket& packet) {
    const PeerId id = idOf(peer);
    auto found = links_.find(id);
    if (id == 0 || found == links_.end())
        return;
    Link& link = found->second;
    if (packet.dataLength > maxMessageBytes) {
        drop(id, CodeTooLarge,
             "The other side sent a message over the limit of " + std::to_string(maxMessageBytes) +
                 " bytes.");
        return;
    }
    // Only reliable messages keep their order; anything else is not from this program.
    if (!(packet.flags & ENET_PACKET_FLAG_RELIABLE)) {
        drop(id, CodeUnordered, "The other side sent a message outside the game's channel.");
        return;
    }
    const Clock::time_point now = Clock::now();
    if (!link.messages.take(1, now) ||
        !link.bytes.take(static_cast<double>(packet.dataLength), now)) {
        drop(id, CodeFlooding, "The other side sent too much too fast.");
        return;
    }
    TransportEvent event;
    event.kind = TransportEvent::Kind::Received;
    event.peer = id;
    event.bytes.assign(packet.data, packet.data + packet.dataLength);
    events_.push_back(std::move(event));
}

void EnetTransport::onDisconnect(ENetPeer* peer, std::uint32_t code) {
    const PeerId id = idOf(peer);
    setId(peer, 0);
    auto found = links_.find(id);
    if (id == 0 || found == links_.end())
        return;
    const Link& link = found->second;
    std::string reason;
    if (link.closingByUs)
        reason = "Closed by this side.";
    else if (!link.established && code == CodeNone)
        reason = "No answer from " + hostName_ +
                 ": is the game hosted there, and does its firewall let UDP through?";
    else
        reason = reasonFromOtherSide(code);
    links_.erase(found);
    pushDisconnected(id, reason);
}

void EnetTransport::drop(PeerId id, std::uint32_t code, const std::string& reason) {
    auto found = links_.find(id);
    if (found == links_.end())
        return;
    ENetPeer* peer = found->second.peer;
    setId(peer, 0);
    enet_peer_disconnect_now(peer, code);
    links_.erase(found);
    pushDisconnected(id, reason);
}

void EnetTransport::pushDisconnected(PeerId id, const std::string& reason) {
    TransportEvent event;
    event.kind = TransportEvent::Kind::Disconnected;
    event.peer = id;
    event.reason = reason;
    events_.push_back(std::move(event));
}
