// SPDX-License-Identifier: GPL-3.0-or-later
// NetTable: machines around one fake network, and the setup their games are played with.
#pragma once

#include <gtest/gtest.h>

#include "net/game_setup.h"
#include "tests/net/fake_network.h"
#include "tests/net/net_machine.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

struct NetTable {
    FakeNetwork network;
    PeerId idOf(const NetMachine& m) const {
        return static_cast<const FakeNetwork::Endpoint&>(m.transport).id();
    }
    std::vector<std::unique_ptr<NetMachine>> machines;

    // Builds the host's game from the setup and opens the marked seats.
    NetMachine& hostGame(const GameSetup& setup, const std::vector<bool>& networkSeats) {
        NetMachine& host = add(LockstepSession::Role::Host, "host");
        EXPECT_TRUE(buildGame(host.world, host.host, setup));
        host.session->openLobby(networkSeats, setup.seed);
        return host;
    }
    NetMachine& add(LockstepSession::Role role, const std::string& name) {
        machines.push_back(std::make_unique<NetMachine>(
            network.add(), role, name, static_cast<std::uint32_t>(machines.size() * 101 + 7)));
        return *machines.back();
    }
    NetMachine& join(const std::string& name) {
        NetMachine& guest = add(LockstepSession::Role::Guest, name);
        network.link(idOf(guest), idOf(*machines.front()));
        return guest;
    }
    // Frames on every machine until each has seen "Game Over" (or has left), or the cap.
    void playOut(int maxFrames = 200000) {
        for (int f = 0; f < maxFrames && !allOver(); ++f)
            frameAll();
    }
    void frameAll() {
        for (auto& m : machines)
            if (!m->over() && m->session->phase() != LockstepSession::Phase::Ended)
                m->frame();
    }
    bool allOver() const {
        for (const auto& m : machines)
            if (!m->over() && m->session->phase() != LockstepSession::Phase::Ended)
                return false;
        return true;
    }
};
