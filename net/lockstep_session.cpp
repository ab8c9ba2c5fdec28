// SPDX-License-Identifier: GPL-3.0-or-later
// The lockstep session's bodies: joining, the lobby, moves through the host, digests, worlds
// and seats changing hands.
#include "net/lockstep_session.h"

#include "game/host.h"
#include "game/names.h"
#include "game/new_game.h"
#include "game/shields_menu.h"
#include "game/world.h"
#include "net/world_snapshot.h"
#include "resources/version.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

constexpr const char* networkCaption = "Network game";
// A joined machine keeps this many of its own moves for replaying on a new world.
constexpr std::size_t keptUnconfirmedMoves = 4096;
// Events read per poll, so a flood cannot hold a frame.
constexpr int eventsPerPoll = 256;

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string refusalText(const RefusalMessage& m) {
    switch (m.reason) {
        case RefusalReason::Full:
            return "That game is full";
        case RefusalReason::Version:
            return "That game runs Krellmont " + m.hostVersion + "; this is " + krellmontVersion;
        case RefusalReason::NameTaken:
            return "The host refused: the name is taken";
        case RefusalReason::Closed:
            return "That game has ended";
    }
    return "The host refused";
}

}  // namespace

LockstepSession::LockstepSession(Role role, Transport& transport, GameWorld& world, GameHost& host,
                                 std::string localName)
    : role_(role),
      transport_(transport),
      world_(world),
      host_(host),
      localName_(cleanName(localName)),
      phase_(role == Role::Host ? Phase::Lobby : Phase::Connecting) {}

void LockstepSession::openLobby(const std::vector<bool>& networkSeats, std::uint32_t seed) {
    seed_ = seed;
    seats_.clear();
    for (int s = 0; s < seatCount(world_); ++s) {
        SeatState seat;
        seat.name = seatPlayer(world_, s)->name;
        seat.network = s < static_cast<int>(networkSeats.size()) && networkSeats[s];
        seat.taken = !seat.network;
        seats_.push_back(seat);
    }
    phase_ = Phase::Lobby;
    changed_ = true;
    if (std::all_of(seats_.begin(), seats_.end(), [](const SeatState& s) { return s.taken; })) {
        startGame();
    } else {
        sendLobby();
    }
}

void LockstepSession::poll(bool computerActing) {
    TransportEvent event;
    for (int i = 0; i < eventsPerPoll && transport_.poll(event); ++i) {
        handle(event);
    }
    if (role_ == Role::Host && playing() && !world_.shotInProgress) {
        for (Peer& peer : peers_) {
            if (peer.returning && !computerActing) {
                completeReturn(peer);
            }
            if (peer.needsWorld && !peer.returning) {
                sendWorld(peer);
            }
        }
    }
    applyQueued();
}

void LockstepSession::afterTick() {
    if (volleyFlying_ && !world_.shotInProgress) {
        volleyFlying_ = false;
        if (playing()) {
            turnEnded();
        }
    }
}

bool LockstepSession::isLocal(int seat) const {
    if (phase_ == Phase::Ended || phase_ == Phase::Connecting) {
        return true;
    }
    return seat >= 0 && seat < static_cast<int>(seats_.size()) && seats_[seat].owner == me_;
}

bool LockstepSession::localTurn() const {
    if (phase_ == Phase::Ended) {
        return true;
    }
    return playing() && queue_.empty() && isLocal(currentSeat(world_));
}

bool LockstepSession::moveLocally(const Move& move) {
    if (!localTurn() || !move.valid()) {
        return false;
    }
    const int seat = currentSeat(world_);
    applyMove(move, world_, host_);
    volleyFlying_ = volleyFlying_ || world_.shotInProgress;
    if (phase_ == Phase::Ended) {
        return true;
    }
    const MoveMessage message{static_cast<std::uint8_t>(seat), ++sequence_, move};
    if (role_ == Role::Host) {
        sendToGuests(message);
    } else {
        send(hostPeer_, message);
        unconfirmed_.push_back(message);
        if (unconfirmed_.size() > keptUnconfirmedMoves) {
            unconfirmed_.pop_front();
        }
    }
    return true;
}

void LockstepSession::leave(LeaveReason reason) {
    if (phase_ == Phase::Ended) {
        return;
    }
    if (role_ == Role::Host) {
        sendToGuests(LeaveMessage{reason});
        for (const Peer& peer : peers_) {
            transport_.disconnect(peer.id);
        }
        peers_.clear();
    } else if (linkedToHost_) {
        send(hostPeer_, LeaveMessage{reason});
        transport_.disconnect(hostPeer_);
    }
    phase_ = Phase::Ended;
    endReason_ = "You left the network game.";
    queue_.clear();
}

std::string LockstepSession::whereSeated(int seat) const {
    return isLocal(seat) ? std::string() : std::string(" (network)");
}

bool LockstepSession::takeGameBuilt() {
    return std::exchange(gameBuilt_, false);
}

bool LockstepSession::takeChanged() {
    return std::exchange(changed_, false);
}

// --- events

void LockstepSession::handle(const TransportEvent& event) {
    changed_ = true;
    switch (event.kind) {
        case TransportEvent::Kind::Connected:
            if (role_ == Role::Host) {
                Peer peer;
                peer.id = event.peer;
                peer.machine = freeMachine();
                if (peer.machine == hostMachine) {
                    transport_.disconnect(event.peer);
                    return;
                }
                peers_.push_back(peer);
            } else if (!linkedToHost_) {
                hostPeer_ = event.peer;
                linkedToHost_ = true;
                linkedToHostOnce_ = true;
                send(hostPeer_, HelloMessage{krellmontVersion, localName_});
            }
            return;
        case TransportEvent::Kind::Disconnected:
            if (role_ == Role::Host) {
                if (Peer* peer = findPeer(event.peer); peer != nullptr) {
                    dropPeer(event.peer, nameOf(*peer) + " has left the game" +
                                             (event.reason.empty() ? "." : ": " + event.reason));
                }
            } else if (event.peer == hostPeer_ || !linkedToHost_) {
                linkedToHost_ = false;
                if (phase_ == Phase::Connecting && refusal_.empty()) {
                    // A host that answered and then refused says why; silence is no game.
                    refusal_ = linkedToHostOnce_ && !event.reason.empty()
                                   ? event.reason
                                   : "No game answers at " + hostAddress_;
                    end(refusal_, false);
                } else if (phase_ == Phase::Lobby) {
                    // Seated, the join dialog has closed: a message box says it.
                    refusal_ = "The host closed the game";
                    end(refusal_, true);
                } else if (phase_ == Phase::Playing) {
                    end("The host has left the game; play goes on at this keyboard.", true);
                }
            }
            return;
        case TransportEvent::Kind::Received:
            break;
    }
    const std::optional<Message> message = decodeMessage(event.bytes);
    if (role_ == Role::Host) {
        Peer* peer = findPeer(event.peer);
        if (peer == nullptr) {
            return;
        }
        if (!message) {
            dropPeer(event.peer, nameOf(*peer) +
                                     " sent a message Krellmont cannot read and was "
                                     "dropped.");
            return;
        }
        handleHost(*peer, *message);
    } else if (event.peer == hostPeer_) {
        if (!message) {
            end("The host sent a message Krellmont cannot read; play goes on at this keyboard.",
                true);
            return;
        }
        handleGuest(*message);
    }
}

void LockstepSession::handleHost(Peer& peer, const Message& message) {
    if (const auto* hello = std::get_if<HelloMessage>(&message); hello && !peer.welcomed) {
        welcome(peer, *hello);
        return;
    }
    if (peer.welcomed && playing()) {
        if (const auto* move = std::get_if<MoveMessage>(&message)) {
            // Sequences count up by one; anything else is a replay or an invention.
            if (move->sequence != peer.lastMoveReceived + 1) {
                dropPeer(peer.id, nameOf(peer) + " sent moves out of order and was dropped.");
                return;
            }
            if (queue_.size() >= maxQueuedMoves) {
                dropPeer(peer.id, nameOf(peer) + " sent too many moves and was dropped.");
                return;
            }
            peer.lastMoveReceived = move->sequence;
            queue_.push_back({peer.machine, *move});
            return;
        }
        if (const auto* digest = std::get_if<DigestMessage>(&message)) {
            compareDigest(peer, digest->turn, digest->digest);
            return;
        }
    }
    if (std::holds_alternative<LeaveMessage>(message) && peer.welcomed) {
        dropPeer(peer.id, nameOf(peer) + " has left the game.");
        return;
    }
    dropPeer(peer.id, nameOf(peer) + " sent a message out of place and was dropped.");
}

void LockstepSession::handleGuest(const Message& message) {
    if (const auto* refusal = std::get_if<RefusalMessage>(&message)) {
        refusal_ = refusalText(*refusal);
        end(refusal_, false);
        return;
    }
    if (const auto* welcome = std::get_if<WelcomeMessage>(&message);
        welcome && phase_ == Phase::Connecting) {
        me_ = welcome->machine;
        phase_ = Phase::Lobby;
        return;
    }
    if (const auto* lobby = std::get_if<LobbyMessage>(&message); lobby && phase_ == Phase::Lobby) {
        seats_.clear();
        for (const LobbySeat& s : lobby->seats) {
            seats_.push_back({s.name, true, s.taken, hostMachine});
        }
        return;
    }
    if (const auto* start = std::get_if<StartMessage>(&message); start && phase_ == Phase::Lobby) {
        takeStart(*start);
        return;
    }
    if (playing()) {
        if (const auto* move = std::get_if<MoveMessage>(&message)) {
            if (queue_.size() >= maxQueuedMoves) {
                end("The host sent too many moves; play goes on at this keyboard.", true);
                return;
            }
            queue_.push_back({hostMachine, *move});
            return;
        }
        if (const auto* world = std::get_if<WorldMessage>(&message)) {
            takeWorld(*world);
            return;
        }
        if (const auto* seats = std::get_if<SeatsMessage>(&message)) {
            takeSeats(*seats);
            return;
        }
    }
    if (std::holds_alternative<LeaveMessage>(message) && phase_ != Phase::Connecting) {
        if (playing()) {
            end("The host has ended the network game; play goes on at this keyboard.", true);
        } else {
            refusal_ = "The host closed the game";
            end(refusal_, true);
        }
        return;
    }
    end("The host sent a message out of place; play goes on at this keyboard.", playing());
}

// --- host: joining, the lobby and the start

void LockstepSession::welcome(Peer& peer, const HelloMessage& hello) {
    if (hello.version != krellmontVersion) {
        refuse(peer, RefusalReason::Version);
        return;
    }
    const std::string name =
        hello.name.empty() ? "player" + std::to_string(peer.machine) : hello.name;
    if (phase_ == Phase::Lobby) {
        if (nameTaken(name)) {
            refuse(peer, RefusalReason::NameTaken);
            return;
        }
        const auto free = std::find_if(seats_.begin(), seats_.end(),
                                       [](const SeatState& s) { return s.network && !s.taken; });
        if (free == seats_.end()) {
            refuse(peer, RefusalReason::Full);
            return;
        }
        peer.welcomed = true;
        peer.name = name;
        free->taken = true;
        free->owner = peer.machine;
        free->name = name;
        copyName(seatPlayer(world_, static_cast<int>(free - seats_.begin()))->name, name);
        send(peer.id, WelcomeMessage{peer.machine});
        if (std::all_of(seats_.begin(), seats_.end(), [](const SeatState& s) { return s.taken; })) {
            startGame();
        } else {
            sendLobby();
        }
        return;
    }
    const bool away = std::any_of(awayNames_.begin(), awayNames_.end(),
                                  [&](const auto& a) { return sameName(a.second, name); });
    if (phase_ != Phase::Playing || !away) {
        refuse(peer, phase_ == Phase::Playing ? RefusalReason::Full : RefusalReason::Closed);
        return;
    }
    // The seats come back between turns, when nobody is moving them.
    peer.welcomed = true;
    peer.returning = true;
    peer.name = name;
    send(peer.id, WelcomeMessage{peer.machine});
}

void LockstepSession::completeReturn(Peer& peer) {
    peer.returning = false;
    for (auto it = awayNames_.begin(); it != awayNames_.end();) {
        if (sameName(it->second, peer.name)) {
            seats_[it->first].owner = peer.machine;
            seatPlayer(world_, it->first)->control = PlayerControl::Person;
            it = awayNames_.erase(it);
        } else {
            ++it;
        }
    }
    send(peer.id, StartMessage{setup_, owners()});
    sendWorld(peer);
    sendSeats();
    host_.showMessage(peer.name + " is back and plays again.", networkCaption);
}

void LockstepSession::refuse(Peer& peer, RefusalReason reason) {
    send(peer.id, RefusalMessage{reason, krellmontVersion});
    const PeerId id = peer.id;
    peers_.erase(
        std::remove_if(peers_.begin(), peers_.end(), [&](const Peer& p) { return p.id == id; }),
        peers_.end());
    transport_.disconnect(id);
}

void LockstepSession::sendLobby() {
    LobbyMessage lobby;
    for (const SeatState& s : seats_) {
        if (s.network) {
            lobby.seats.push_back({s.name, s.taken});
        }
    }
    sendToGuests(lobby);
}

void LockstepSession::startGame() {
    setup_ = setupOf(world_, seed_);
    phase_ = Phase::Playing;
    turn_ = 0;
    sendToGuests(StartMessage{setup_, owners()});
}

void LockstepSession::sendWorld(Peer& peer) {
    ByteWriter snapshot;
    writeWorld(snapshot, world_);
    send(peer.id, WorldMessage{turn_, peer.lastMoveReceived, owners(), snapshot.take()});
    peer.needsWorld = false;
}

void LockstepSession::sendSeats() {
    SeatsMessage seats;
    seats.owners = owners();
    for (int s = 0; s < static_cast<int>(seats_.size()); ++s) {
        seats.controls.push_back(seatPlayer(world_, s)->control);
    }
    sendToGuests(seats);
}

// --- guest: the start, worlds and seats from the host

void LockstepSession::takeStart(const StartMessage& start) {
    if (!buildGame(world_, host_, start.setup)) {
        end("The host's game could not be set up here; play goes on at this keyboard.", true);
        return;
    }
    seats_.clear();
    for (int s = 0; s < seatCount(world_); ++s) {
        const MachineId owner =
            s < static_cast<int>(start.owners.size()) ? start.owners[s] : hostMachine;
        seats_.push_back({seatPlayer(world_, s)->name, owner != hostMachine, true, owner});
    }
    phase_ = Phase::Playing;
    turn_ = 0;
    queue_.clear();
    volleyFlying_ = false;
    gameBuilt_ = true;
}

void LockstepSession::takeWorld(const WorldMessage& message) {
    if (message.owners.size() != seats_.size()) {
        end("The host sent a world for another game; play goes on at this keyboard.", true);
        return;
    }
    endVolley(world_, host_);
    ByteReader in(message.world);
    if (!readWorld(in, world_) || !in.finished() ||
        seatCount(world_) != static_cast<int>(seats_.size())) {
        end("The host sent a world Krellmont cannot read; play goes on at this keyboard.", true);
        return;
    }
    ++worldsTaken_;
    // The world changed under the panel and the menu: they follow it.
    updateShieldsMenuItem(world_, host_);
    host_.readoutsChanged();
    turn_ = message.turn;
    queue_.clear();
    volleyFlying_ = false;
    for (std::size_t s = 0; s < seats_.size(); ++s) {
        seats_[s].owner = message.owners[s];
        seats_[s].name = seatPlayer(world_, static_cast<int>(s))->name;
    }
    // Moves this machine made that the host had not yet seen are made again on its world,
    // as the host will make them; a volley stops the replay, as it stops a player.
    while (!unconfirmed_.empty() && unconfirmed_.front().sequence <= message.lastMoveSeen) {
        unconfirmed_.pop_front();
    }
    for (const MoveMessage& m : unconfirmed_) {
        if (world_.shotInProgress || currentSeat(world_) != m.seat || !isLocal(m.seat)) {
            break;
        }
        applyMove(m.move, world_, host_);
    }
    volleyFlying_ = world_.shotInProgress;
}

void LockstepSession::takeSeats(const SeatsMessage& message) {
    if (message.owners.size() != seats_.size()) {
        end("The host sent seats for another game; play goes on at this keyboard.", true);
        return;
    }
    for (std::size_t s = 0; s < seats_.size(); ++s) {
        Player* player = seatPlayer(world_, static_cast<int>(s));
        const bool left = seats_[s].owner != hostMachine && seats_[s].owner != me_ &&
                          message.owners[s] == hostMachine;
        if (left) {
            host_.showMessage(std::string(player->name) +
                                  " has left the game; the host's computer plays for them.",
                              networkCaption);
        }
        seats_[s].owner = message.owners[s];
        player->control = message.controls[s];
    }
}

// --- moves, turns and digests

void LockstepSession::applyQueued() {
    while (!queue_.empty() && playing() && !world_.shotInProgress &&
           world_.currentTank() != nullptr) {
        const QueuedMove queued = queue_.front();
        queue_.pop_front();
        const int seat = currentSeat(world_);
        if (role_ == Role::Host) {
            if (Peer* peer = findMachine(queued.from); peer != nullptr) {
                peer->lastMoveSeen = queued.message.sequence;
            }
            // Only the machine a seat sits at moves it, and only on its turn.
            if (seat != queued.message.seat || seats_[seat].owner != queued.from) {
                ++refusedMoves_;
                continue;
            }
        } else if (seat != queued.message.seat) {
            // This world has drifted from the host's; the turn's digest will bring it back.
            ++refusedMoves_;
            continue;
        }
        applyMove(queued.message.move, world_, host_);
        if (role_ == Role::Host) {
            MoveMessage relayed = queued.message;
            relayed.sequence = ++sequence_;
            sendToGuests(relayed, queued.from);
        }
        volleyFlying_ = volleyFlying_ || world_.shotInProgress;
        changed_ = true;
    }
}

void LockstepSession::turnEnded() {
    ++turn_;
    const std::uint64_t digest = worldDigest(world_);
    if (role_ == Role::Guest) {
        send(hostPeer_, DigestMessage{turn_, digest});
        return;
    }
    ownDigests_[turn_] = digest;
    while (ownDigests_.size() > keptDigests) {
        ownDigests_.erase(ownDigests_.begin());
    }
    for (Peer& peer : peers_) {
        if (auto it = peer.digests.find(turn_); it != peer.digests.end()) {
            peer.needsWorld = peer.needsWorld || it->second != digest;
            peer.digests.erase(it);
        }
    }
}

void LockstepSession::compareDigest(Peer& peer, std::uint32_t turn, std::uint64_t digest) {
    if (auto own = ownDigests_.find(turn); own != ownDigests_.end()) {
        peer.needsWorld = peer.needsWorld || own->second != digest;
    } else if (turn > turn_) {
        // Ahead of the host: kept until the host's volley comes down.
        peer.digests[turn] = digest;
        while (peer.digests.size() > keptDigests) {
            peer.digests.erase(peer.digests.begin());
        }
    }
}

// --- drops and endings

void LockstepSession::dropPeer(PeerId id, const std::string& why) {
    Peer* peer = findPeer(id);
    if (peer == nullptr) {
        return;
    }
    const MachineId machine = peer->machine;
    const bool welcomed = peer->welcomed;
    const std::string name = peer->name;
    peers_.erase(
        std::remove_if(peers_.begin(), peers_.end(), [&](const Peer& p) { return p.id == id; }),
        peers_.end());
    transport_.disconnect(id);
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                [&](const QueuedMove& q) { return q.from == machine; }),
                 queue_.end());
    if (!welcomed) {
        return;
    }
    if (phase_ == Phase::Lobby) {
        for (SeatState& s : seats_) {
            if (s.network && s.owner == machine) {
                s.taken = false;
                s.owner = hostMachine;
            }
        }
        sendLobby();
        host_.showMessage(why, networkCaption);
        return;
    }
    if (phase_ != Phase::Playing) {
        return;
    }
    for (int s = 0; s < static_cast<int>(seats_.size()); ++s) {
        if (seats_[s].owner == machine) {
            seats_[s].owner = hostMachine;
            awayNames_[s] = name;
            seatPlayer(world_, s)->control = PlayerControl::ComputerNormal;
        }
    }
    sendSeats();
    host_.showMessage(why + " The computer plays for them at Normal until they return.",
                      networkCaption);
}

void LockstepSession::end(const std::string& why, bool tell) {
    if (role_ == Role::Guest && linkedToHost_) {
        transport_.disconnect(hostPeer_);
        linkedToHost_ = false;
    }
    phase_ = Phase::Ended;
    endReason_ = why;
    queue_.clear();
    changed_ = true;
    if (tell) {
        host_.showMessage(why, networkCaption);
    }
}

// --- small helpers

void LockstepSession::send(PeerId to, const Message& message) {
    transport_.send(to, encodeMessage(message));
}

void LockstepSession::sendToGuests(const Message& message, MachineId except) {
    const Bytes bytes = encodeMessage(message);
    for (const Peer& peer : peers_) {
        if (peer.welcomed && !peer.returning && peer.machine != except) {
            transport_.send(peer.id, bytes);
        }
    }
}

LockstepSession::Peer* LockstepSession::findPeer(PeerId id) {
    for (Peer& p : peers_) {
        if (p.id == id) {
            return &p;
        }
    }
    return nullptr;
}

LockstepSession::Peer* LockstepSession::findMachine(MachineId machine) {
    for (Peer& p : peers_) {
        if (p.machine == machine) {
            return &p;
        }
    }
    return nullptr;
}

MachineId LockstepSession::freeMachine() const {
    for (MachineId m = 1; m < maxMachines; ++m) {
        if (std::none_of(peers_.begin(), peers_.end(),
                         [&](const Peer& p) { return p.machine == m; })) {
            return m;
        }
    }
    return hostMachine;
}

std::string LockstepSession::nameOf(const Peer& peer) const {
    return peer.name.empty() ? "A machine" : peer.name;
}

SeatOwners LockstepSession::owners() const {
    SeatOwners result;
    for (const SeatState& s : seats_) {
        result.push_back(s.owner);
    }
    return result;
}

bool LockstepSession::nameTaken(const std::string& name) const {
    return std::any_of(seats_.begin(), seats_.end(),
                       [&](const SeatState& s) { return s.taken && sameName(s.name, name); });
}
