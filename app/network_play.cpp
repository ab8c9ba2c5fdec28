// SPDX-License-Identifier: GPL-3.0-or-later
// The program's network game: starting and ending the link and the session, answering and
// finding games on the local network, and what the dialogs show of it.
#include "app/network_play.h"

#include "game/world.h"
#include "net/enet_transport.h"
#include "net/lan_discovery.h"
#include "net/seats.h"
#include "resources/version.h"

#include <algorithm>
#include <random>
#include <utility>

NetworkPlay::NetworkPlay(GameWorld& world, GameHost& host) : world_(world), host_(host) {}

NetworkPlay::~NetworkPlay() {
    leave(LeaveReason::Exit);
}

bool NetworkPlay::listen(std::uint16_t port, std::string& error) {
    stop();
    transport_ = EnetTransport::listen(port, error);
    port_ = port;
    changed_ = true;
    return transport_ != nullptr;
}

void NetworkPlay::openLobby(const std::vector<bool>& networkSeats, std::uint32_t seed,
                            const std::string& hostName) {
    session_ = std::make_unique<LockstepSession>(LockstepSession::Role::Host, *transport_, world_,
                                                 host_, hostName);
    hostName_ = hostName;
    gameId_ = static_cast<std::uint32_t>(std::random_device{}());
    std::string ignored;
    // Found or not, the game can be joined by its address.
    beacon_ = LanBeacon::open(lanDiscoveryPort, ignored);
    session_->openLobby(networkSeats, seed);
    changed_ = true;
}

bool NetworkPlay::join(const JoinDialog::Target& target, std::string& error) {
    stop();
    transport_ = EnetTransport::connect(target.address, target.port, error);
    if (transport_ == nullptr) {
        return false;
    }
    session_ = std::make_unique<LockstepSession>(LockstepSession::Role::Guest, *transport_, world_,
                                                 host_, target.name);
    target_ = target.address + ":" + std::to_string(target.port);
    session_->setHostAddress(target_);
    changed_ = true;
    return true;
}

void NetworkPlay::poll(double now, bool computerActing) {
    if (session_ != nullptr) {
        session_->poll(computerActing);
        changed_ = session_->takeChanged() || changed_;
    }
    if (beacon_ != nullptr && session_ != nullptr) {
        int free = 0;
        for (const LockstepSession::SeatState& s : session_->seats()) {
            free += s.network && !s.taken ? 1 : 0;
        }
        beacon_->answer(GameAnnouncement{krellmontVersion, port_, hostName_, free, gameId_});
    }
    if (finder_ != nullptr && finder_->poll(now)) {
        changed_ = true;
    }
}

void NetworkPlay::afterTick() {
    if (session_ != nullptr) {
        session_->afterTick();
    }
}

void NetworkPlay::leave(LeaveReason reason) {
    if (session_ != nullptr) {
        // Said before the link closes, which sends what is queued first.
        session_->leave(reason);
    }
    stop();
}

void NetworkPlay::stop() {
    session_.reset();
    beacon_.reset();
    transport_.reset();
    changed_ = true;
}

bool NetworkPlay::active() const {
    return session_ != nullptr && session_->phase() != LockstepSession::Phase::Ended;
}

bool NetworkPlay::playing() const {
    return session_ != nullptr && session_->playing();
}

bool NetworkPlay::localTurn() const {
    return session_ == nullptr || session_->localTurn();
}

bool NetworkPlay::moveLocally(const Move& move) {
    return session_ != nullptr && session_->moveLocally(move);
}

std::string NetworkPlay::whereSeated(int seat) const {
    return session_ != nullptr ? session_->whereSeated(seat) : std::string();
}

bool NetworkPlay::playsHere(int seat) const {
    return session_ == nullptr || session_->isLocal(seat);
}

std::optional<WaitingBox> NetworkPlay::waitingBox() const {
    if (session_ == nullptr || session_->phase() != LockstepSession::Phase::Lobby) {
        return std::nullopt;
    }
    WaitingBox box;
    box.title = "Waiting for players";
    for (const LockstepSession::SeatState& s : session_->seats()) {
        if (s.network) {
            box.lines.push_back(s.name + (s.taken ? ": taken" : ": free"));
        }
    }
    box.note = session_->role() == LockstepSession::Role::Host
                   ? "The game begins on every machine when all seats are taken."
                   : "Seated. The game begins when the host's seats are all taken.";
    return box;
}

std::string NetworkPlay::joinStatus() const {
    if (session_ == nullptr || session_->role() != LockstepSession::Role::Guest) {
        return {};
    }
    if (!session_->refusal().empty()) {
        return session_->refusal();
    }
    return session_->phase() == LockstepSession::Phase::Connecting ? "Joining " + target_ + "..."
                                                                   : std::string();
}

bool NetworkPlay::joining() const {
    return session_ != nullptr && session_->phase() == LockstepSession::Phase::Connecting;
}

bool NetworkPlay::takeGameBuilt() {
    return session_ != nullptr && session_->takeGameBuilt();
}

bool NetworkPlay::takeChanged() {
    return std::exchange(changed_, false);
}

std::vector<FoundGame> NetworkPlay::gamesFound() const {
    return finder_ != nullptr ? finder_->games() : std::vector<FoundGame>{};
}

void NetworkPlay::lookForGames(bool look) {
    if (!look) {
        finder_.reset();
        return;
    }
    std::string ignored;
    finder_ = LanFinder::open(lanDiscoveryPort, ignored);
}
