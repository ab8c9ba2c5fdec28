// SPDX-License-Identifier: GPL-3.0-or-later
// NetworkPlay: the program's side of a network game (the ENet link, the lockstep session, the
// games found nearby) between the menus and the loop; network_play.cpp has the bodies.
#pragma once

#include "net/lockstep_session.h"
#include "net/network_dialogs.h"
#include "ui/waiting_box.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class EnetTransport;
class GameHost;
class GameWorld;
class LanBeacon;
class LanFinder;

class NetworkPlay {
  public:
    NetworkPlay(GameWorld& world, GameHost& host);
    ~NetworkPlay();
    NetworkPlay(const NetworkPlay&) = delete;
    NetworkPlay& operator=(const NetworkPlay&) = delete;

    // Host: listens on the port; the seats open once the new game is built. False with the
    // reason in error.
    bool listen(std::uint16_t port, std::string& error);
    // Listening, with no game built for it yet.
    bool awaitingGame() const { return transport_ != nullptr && session_ == nullptr; }
    void openLobby(const std::vector<bool>& networkSeats, std::uint32_t seed,
                   const std::string& hostName);
    // Guest: asks the host for a seat. False with the reason in error.
    bool join(const JoinDialog::Target& target, std::string& error);

    // Once per pass of the loop: reads the network, answers and looks for games nearby.
    void poll(double now, bool computerActing);
    void afterTick();
    // Ends everything; the others are told when a session ran.
    void leave(LeaveReason reason);
    void stop();

    // A session runs and has not ended: moves go through it.
    bool active() const;
    bool playing() const;
    bool localTurn() const;
    bool moveLocally(const Move& move);
    std::string whereSeated(int seat) const;
    // Whether the seat is played at this machine; every seat is, outside a network game.
    bool playsHere(int seat) const;

    // The box to show while seats fill, if any.
    std::optional<WaitingBox> waitingBox() const;
    // Guest: joining and refused, in words (empty while all is well).
    std::string joinStatus() const;
    bool joining() const;
    bool takeGameBuilt();
    bool takeChanged();
    std::vector<FoundGame> gamesFound() const;
    // Starts or stops looking for games on the local network (the join dialog is open).
    void lookForGames(bool look);

  private:
    GameWorld& world_;
    GameHost& host_;
    std::unique_ptr<EnetTransport> transport_;
    std::unique_ptr<LockstepSession> session_;
    std::unique_ptr<LanBeacon> beacon_;
    std::unique_ptr<LanFinder> finder_;
    std::uint16_t port_ = 0;
    std::string hostName_;
    std::uint32_t gameId_ = 0;
    std::string target_;
    bool changed_ = false;
};
