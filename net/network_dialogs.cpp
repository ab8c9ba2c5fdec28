// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the network dialogs' buttons.
#include "net/network_dialogs.h"

#include "game/host.h"
#include "game/names.h"
#include "game/setup_dialogs.h"
#include "net/messages.h"

namespace {

constexpr const char* portMessage = "The port must be a number from 1 to 65535.";

}  // namespace

std::optional<std::uint16_t> readPort(const std::string& text) {
    const std::uint32_t port = readUnsignedNumber(text);
    if (port < 1 || port > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(port);
}

std::optional<std::uint16_t> HostDialog::ok(GameHost& host) const {
    const std::optional<std::uint16_t> port = readPort(portText);
    if (!port) {
        host.showMessage(portMessage, incorrectValuesCaption);
    }
    return port;
}

std::string FoundGame::label() const {
    return hostName + " at " + address + ":" + std::to_string(port) + " (" +
           std::to_string(freeSeats) + (freeSeats == 1 ? " seat free)" : " seats free)");
}

void JoinDialog::choose(const FoundGame& game) {
    address = game.address;
    portText = std::to_string(game.port);
}

std::optional<JoinDialog::Target> JoinDialog::ok(GameHost& host) const {
    Target target;
    target.address = address;
    const std::size_t first = target.address.find_first_not_of(' ');
    target.address =
        first == std::string::npos
            ? std::string()
            : target.address.substr(first, target.address.find_last_not_of(' ') - first + 1);
    if (target.address.empty()) {
        host.showMessage("Choose a game from the list or type the host's address.",
                         incorrectValuesCaption);
        return std::nullopt;
    }
    const std::optional<std::uint16_t> port = readPort(portText);
    if (!port) {
        host.showMessage(portMessage, incorrectValuesCaption);
        return std::nullopt;
    }
    target.port = *port;
    target.name = cleanName(name);
    if (target.name.empty()) {
        host.showMessage("Enter the name the other players will see.", incorrectValuesCaption);
        return std::nullopt;
    }
    return target;
}
