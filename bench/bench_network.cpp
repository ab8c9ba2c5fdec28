// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what a network game costs on loopback: how long a move takes from the machine that
// makes it to the world of the machine that shows it (median and worst), and the bytes each
// machine sends a turn over whole games.

#include "net/enet_transport.h"
#include "tests/net/net_machine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

struct Link {
    std::unique_ptr<EnetTransport> host, guest;
};

// A host on any free port and a machine joining it.
Link connect() {
    std::string error;
    Link link;
    link.host = EnetTransport::listen(0, error);
    link.guest =
        link.host ? EnetTransport::connect("127.0.0.1", link.host->port(), error) : nullptr;
    if (!link.guest) {
        std::fprintf(stderr, "bench_network: %s\n", error.c_str());
        std::exit(1);
    }
    return link;
}

// Two persons' seats, one at each machine; the host's person turns the turret, one move at
// a time, and the guest's loop reads the network every millisecond.
void latency() {
    Link link = connect();
    NetMachine host(*link.host, LockstepSession::Role::Host, "host", 1);
    NetMachine guest(*link.guest, LockstepSession::Role::Guest, "guest", 2);
    GameSetup setup = fourSeatSetup(5);
    for (TeamSetup& team : setup.teams)
        team.players.resize(1);
    buildGame(host.world, host.host, setup);
    host.session->openLobby({false, true}, setup.seed);
    for (int i = 0; i < 2000 && !guest.session->playing(); ++i) {
        host.session->poll();
        guest.session->poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::vector<double> delays;
    for (int move = 0; move < 200; ++move) {
        const int before = guest.world.currentTank()->turretAngle;
        const Clock::time_point made = Clock::now();
        host.session->moveLocally(Move::tank(TankAction::TurretClockwise));
        while (guest.world.currentTank()->turretAngle == before && millisecondsSince(made) < 1000) {
            host.session->poll();
            guest.session->poll();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        delays.push_back(millisecondsSince(made));
    }
    std::sort(delays.begin(), delays.end());
    std::printf(
        "network move, one machine to the other's world (loopback, %zu moves): "
        "median %.2f ms, worst %.2f ms\n",
        delays.size(), delays[delays.size() / 2], delays.back());
    std::printf(
        "  the window shows it at its next frame: add up to 16.7 ms, and up to 10 ms "
        "while the loop sleeps between reads of the network\n");
}

// Whole games of computer players, one seat at the joined machine and three at the host.
void bytesPerTurn() {
    std::uint64_t bytes = 0, datagramBytes = 0, turns = 0;
    for (std::uint32_t seed : {3u, 17u, 40u}) {
        Link link = connect();
        NetMachine host(*link.host, LockstepSession::Role::Host, "host", seed);
        NetMachine guest(*link.guest, LockstepSession::Role::Guest, "guest", seed + 1);
        const GameSetup setup = fourSeatSetup(seed);
        buildGame(host.world, host.host, setup);
        host.session->openLobby({false, true, false, false}, setup.seed);
        const Clock::time_point start = Clock::now();
        while (!(host.over() && guest.over()) && millisecondsSince(start) < 60000) {
            host.frame();
            guest.frame();
        }
        bytes += link.host->bytesSent() + link.guest->bytesSent();
        datagramBytes += link.host->datagramBytesSent() + link.guest->datagramBytesSent();
        turns += host.session->turn();
    }
    const double perTurn = turns ? 1.0 / static_cast<double>(turns) : 0.0;
    std::printf(
        "network bytes a turn, both machines together (3 whole games, %llu turns): "
        "%.0f in messages, %.0f in UDP datagrams with ENet's headers and acknowledgements\n",
        static_cast<unsigned long long>(turns), static_cast<double>(bytes) * perTurn,
        static_cast<double>(datagramBytes) * perTurn);
}

}  // namespace

int main() {
    latency();
    bytesPerTurn();
    return 0;
}
