// SPDX-License-Identifier: GPL-3.0-or-later
// LockstepSession: one machine's part in a network game (host or joined), as plain code over
// a Transport; lockstep_session.cpp has the bodies.
#pragma once

// Every machine runs the whole game; only moves travel, through the host, which takes a
// joined machine's move only for that machine's own seat and only on its turn, and relays
// it. A machine still flying a volley keeps later moves queued until its shells are down.
// After each volley the machines compare digests of the rule state; the host's world
// replaces a machine's that differs. A dropped machine's seats pass to the computer until
// its person returns under the same name; when the host goes, the others play on alone.

#include "net/messages.h"
#include "net/transport.h"

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

class GameHost;
class GameWorld;

class LockstepSession {
  public:
    enum class Role { Host, Guest };
    // Connecting: a guest waiting for its Welcome. Lobby: seats are filling. Playing: the
    // game is on. Ended: the network is gone and this machine plays on alone.
    enum class Phase { Connecting, Lobby, Playing, Ended };

    // Limits on what a peer may make us hold; beyond them it is dropped.
    static constexpr std::size_t maxQueuedMoves = 512;
    static constexpr std::size_t keptDigests = 64;

    LockstepSession(Role role, Transport& transport, GameWorld& world, GameHost& host,
                    std::string localName);

    // Host, after the game is built: the seats marked true wait for network players; the
    // game starts on every machine once all are taken. seed is the random generator's
    // state the build started from.
    void openLobby(const std::vector<bool>& networkSeats, std::uint32_t seed);

    // Reads what arrived and applies the moves that may be applied now. computerActing: the
    // host's computer is in the middle of a turn, so seats do not change hands yet.
    void poll(bool computerActing = false);
    // After each tick of the rules: when a volley has come down, the turn is over and its
    // digest is compared.
    void afterTick();

    // The current seat is this machine's to move and no earlier move waits.
    bool localTurn() const;
    bool isLocal(int seat) const;
    // Makes the move for the current seat if it is this machine's turn (see localTurn) and
    // sends it to the others; false when it was not this machine's to make.
    bool moveLocally(const Move& move);
    // This machine leaves the game (New Game, Exit); the others are told.
    void leave(LeaveReason reason);

    Role role() const { return role_; }
    Phase phase() const { return phase_; }
    bool playing() const { return phase_ == Phase::Playing; }
    std::uint32_t turn() const { return turn_; }
    // Why the session ended, in words; empty while it runs.
    const std::string& endReason() const { return endReason_; }
    // Guest: a refused join, in the words the join dialog shows.
    const std::string& refusal() const { return refusal_; }
    // Guest: the address asked, for "No game answers at ...".
    void setHostAddress(std::string address) { hostAddress_ = std::move(address); }

    struct SeatState {
        std::string name;
        bool network = false;  // waits for, or is played by, a joined machine
        bool taken = false;
        MachineId owner = hostMachine;
    };
    const std::vector<SeatState>& seats() const { return seats_; }
    // " (network)" for a seat played from another machine, otherwise empty.
    std::string whereSeated(int seat) const;

    // True once after a Start built this machine's game (camera and menus follow it).
    bool takeGameBuilt();
    // True once after anything that changes the picture arrived.
    bool takeChanged();

    // Tests plant drift and count refusals through these.
    std::uint32_t refusedMoves() const { return refusedMoves_; }
    std::uint32_t worldsTaken() const { return worldsTaken_; }

  private:
    struct Peer {
        PeerId id = 0;
        MachineId machine = 0;
        std::string name;
        bool welcomed = false;
        bool needsWorld = false;
        // Rejoined under an away name; its seats come back between turns.
        bool returning = false;
        std::uint32_t lastMoveReceived = 0;
        std::uint32_t lastMoveSeen = 0;
        std::map<std::uint32_t, std::uint64_t> digests;  // turns the host has not reached
    };
    struct QueuedMove {
        MachineId from = hostMachine;
        MoveMessage message;
    };

    void handle(const TransportEvent& event);
    void handleHost(Peer& peer, const Message& message);
    void handleGuest(const Message& message);
    void welcome(Peer& peer, const HelloMessage& hello);
    void completeReturn(Peer& peer);
    void takeStart(const StartMessage& start);
    void takeWorld(const WorldMessage& message);
    void takeSeats(const SeatsMessage& message);
    void refuse(Peer& peer, RefusalReason reason);
    void sendLobby();
    void startGame();
    void sendStart(Peer& peer);
    void sendWorld(Peer& peer);
    void sendSeats();
    void applyQueued();
    void turnEnded();
    void compareDigest(Peer& peer, std::uint32_t turn, std::uint64_t digest);
    void dropPeer(PeerId id, const std::string& why);
    // Ends the session; tell shows why in a message box.
    void end(const std::string& why, bool tell);
    void send(PeerId to, const Message& message);
    void sendToGuests(const Message& message, MachineId except = hostMachine);
    Peer* findPeer(PeerId id);
    Peer* findMachine(MachineId machine);
    MachineId freeMachine() const;
    std::string nameOf(const Peer& peer) const;
    SeatOwners owners() const;
    bool nameTaken(const std::string& name) const;

    Role role_;
    Transport& transport_;
    GameWorld& world_;
    GameHost& host_;
    std::string localName_;
    Phase phase_;
    MachineId me_ = hostMachine;
    PeerId hostPeer_ = 0;
    bool linkedToHost_ = false;
    bool linkedToHostOnce_ = false;
    std::vector<Peer> peers_;
    std::vector<SeatState> seats_;
    // Names of seats whose machine dropped, by seat, so the same person can take them back.
    std::map<int, std::string> awayNames_;
    std::uint32_t seed_ = 0;
    GameSetup setup_;
    std::string hostAddress_;
    std::deque<QueuedMove> queue_;
    // This machine's own moves not yet known to be in the host's world (guest only).
    std::deque<MoveMessage> unconfirmed_;
    std::uint32_t sequence_ = 0;
    std::uint32_t turn_ = 0;
    bool volleyFlying_ = false;
    std::map<std::uint32_t, std::uint64_t> ownDigests_;
    std::string endReason_;
    std::string refusal_;
    bool gameBuilt_ = false;
    bool changed_ = false;
    std::uint32_t refusedMoves_ = 0;
    std::uint32_t worldsTaken_ = 0;
};
