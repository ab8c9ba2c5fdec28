// SPDX-License-Identifier: GPL-3.0-or-later
// EventLog and pumpUntil: for tests of real links, every end polled in turn until what the
// test waits for has happened.
#pragma once

#include "net/transport.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

// One end's events so far.
struct EventLog {
    explicit EventLog(Transport& end) : transport(&end) {}

    void drain() {
        TransportEvent event;
        while (transport->poll(event))
            events.push_back(event);
    }
    std::size_t count(TransportEvent::Kind kind, PeerId peer = 0) const {
        std::size_t n = 0;
        for (const TransportEvent& event : events)
            n += event.kind == kind && (peer == 0 || event.peer == peer);
        return n;
    }
    const TransportEvent* first(TransportEvent::Kind kind) const {
        for (const TransportEvent& event : events)
            if (event.kind == kind)
                return &event;
        return nullptr;
    }
    std::vector<Bytes> received(PeerId peer) const {
        std::vector<Bytes> messages;
        for (const TransportEvent& event : events)
            if (event.kind == TransportEvent::Kind::Received && event.peer == peer)
                messages.push_back(event.bytes);
        return messages;
    }

    Transport* transport;
    std::vector<TransportEvent> events;
};

// Polls every log (and runs `alongside`, for anything else that must be serviced) until
// `done` holds or `limit` has passed; whether `done` held.
inline bool pumpUntil(std::initializer_list<EventLog*> logs, const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(5),
                      const std::function<void()>& alongside = {}) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        for (EventLog* log : logs)
            log->drain();
        if (alongside)
            alongside();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
