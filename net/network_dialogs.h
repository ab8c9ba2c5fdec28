// SPDX-License-Identifier: GPL-3.0-or-later
// Models of the "Host Network Game" and "Join Network Game" dialogs: fields and what their
// buttons check; network_dialogs.cpp has the bodies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class GameHost;

inline constexpr std::uint16_t defaultGamePort = 24780;

class HostDialog {
  public:
    static constexpr const char* title = "Host Network Game";
    static constexpr const char* portLabel = "Port to play on (open it for internet play):";
    static constexpr const char* addressesLabel = "Tell your friends this machine's address:";

    explicit HostDialog(std::vector<std::string> localAddresses)
        : addresses(std::move(localAddresses)) {}

    // The port, or none after the message was shown.
    std::optional<std::uint16_t> ok(GameHost& host) const;

    std::string portText = std::to_string(defaultGamePort);
    std::vector<std::string> addresses;
};

// A game the local network answered with, as the join dialog lists it.
struct FoundGame {
    std::string address;
    std::uint16_t port = defaultGamePort;
    std::string hostName;
    int freeSeats = 0;
    std::string version;

    std::string label() const;
};

class JoinDialog {
  public:
    static constexpr const char* title = "Join Network Game";
    static constexpr const char* foundLabel = "Games on this network:";
    static constexpr const char* addressLabel = "Or the host's address:";
    static constexpr const char* portLabel = "Port:";
    static constexpr const char* nameLabel = "Your name:";

    struct Target {
        std::string address;
        std::uint16_t port = defaultGamePort;
        std::string name;
    };

    explicit JoinDialog(std::string proposedName) : name(std::move(proposedName)) {}

    // A click on a found game fills in its address and port.
    void choose(const FoundGame& game);
    // Where to join and as whom, or none after the message was shown.
    std::optional<Target> ok(GameHost& host) const;

    std::vector<FoundGame> found;
    std::string address;
    std::string portText = std::to_string(defaultGamePort);
    std::string name;
    // "Joining ..." while the host is asked, then why it said no.
    std::string status;
    bool joining = false;
};

// The port typed, when it is a whole number 1..65535.
std::optional<std::uint16_t> readPort(const std::string& text);
