// SPDX-License-Identifier: GPL-3.0-or-later
// The new-game dialogs' proposed texts and "OK" checks, with the messages for invalid values.
#include "game/setup_dialogs.h"

#include "game/arena.h"
#include "game/host.h"
#include "game/names.h"
#include "game/roster.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <string>

namespace {

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

std::int32_t toCount(std::uint32_t value) {
    return value > static_cast<std::uint32_t>(INT32_MAX) ? INT32_MAX
                                                         : static_cast<std::int32_t>(value);
}

}  // namespace

std::string controllerName(int slot) {
    return format("Controller %d", slot + 1);
}

std::uint32_t readUnsignedNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && text[i] == '+')
        ++i;
    std::size_t digitsStart = i;
    std::uint64_t value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > UINT32_MAX)
            return 0;
        ++i;
    }
    if (i == digitsStart)
        return 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    return i == text.size() ? static_cast<std::uint32_t>(value) : 0;
}

TeamDialog::TeamDialog(int index)
    : teamIndex(index),
      name(index == 0 ? "Team A" : (index == 1 ? "Team B" : "")),
      countText("1"),
      rangeText(format("(1 to %d)", maxPlayersPerTeam)) {}

bool TeamDialog::ok(Team& team, GameHost& host) const {
    if (teamIndex != 0 && teamIndex != 1) {
        host.showMessage("Internal Error in Krellmont. lParam is not a correct TEAM value.",
                         "Error");
        return true;  // the dialog ends; nothing was written
    }
    copyName(team.name, name);
    const std::uint32_t count = readUnsignedNumber(countText);
    team.playerCount = toCount(count);
    if (count == 0 || count > maxPlayersPerTeam) {
        host.showMessage(format("Number of players must be 1 to %d.\nPlease re-enter values and "
                                "try again",
                                maxPlayersPerTeam),
                         invalidValuesCaption);
        return false;
    }
    if (team.name[0] == '\0') {
        host.showMessage("Team name cannot be blank\nPlease re-enter values and try again",
                         invalidValuesCaption);
        return false;
    }
    return true;
}

PlayerDialog::PlayerDialog(const Team& team, const Player& player)
    : title(std::string("Select player on Team ") + team.name),
      name(format("player%ld", static_cast<long>(player.number))),
      countText("1"),
      rangeText(format("(1 to %d)", maxTanksPerPlayer)) {}

void PlayerDialog::check(int buttonId) {
    for (int slot = 0; slot < static_cast<int>(camouflages.size()); ++slot) {
        if (camouflageButtonId(slot) == buttonId) {
            checkedButton = buttonId;
        }
    }
}

void PlayerDialog::chooseLevel(int index) {
    if (byComputer && index >= 0 && index < static_cast<int>(levelLabels.size())) {
        level = index;
    }
}

void PlayerDialog::chooseController(int slot) {
    if (slot >= -1 && slot < controllerSlots) {
        controller = slot;
    }
}

PlayerControl PlayerDialog::control() const {
    if (!byComputer) {
        return PlayerControl::Person;
    }
    constexpr PlayerControl levels[] = {PlayerControl::ComputerEasy, PlayerControl::ComputerNormal,
                                        PlayerControl::ComputerHard};
    return levels[level];
}

bool PlayerDialog::ok(Player& player, GameHost& host) const {
    copyName(player.name, name);
    player.control = control();
    const std::uint32_t count = readUnsignedNumber(countText);
    player.tankCount = toCount(count);
    for (int slot = 0; slot < static_cast<int>(camouflages.size()); ++slot) {
        if (camouflageButtonId(slot) == checkedButton) {
            player.camouflage = camouflages[static_cast<std::size_t>(slot)].id;
        }
    }
    if (count == 0 || count > maxTanksPerPlayer) {
        host.showMessage(format("Number of tanks must be 1 to %d.\nPlease re-enter values and "
                                "try again",
                                maxTanksPerPlayer),
                         invalidValuesCaption);
        return false;
    }
    if (player.name[0] == '\0') {
        host.showMessage("Player name cannot be blank\nPlease re-enter values and try again",
                         invalidValuesCaption);
        return false;
    }
    const int slot = controllerTaken();
    if (slot >= 0 && !controllerTakenBy[static_cast<std::size_t>(slot)].empty()) {
        host.showMessage(format("%s is already taken by %s.\nPlease choose another and try again",
                                controllerName(slot).c_str(),
                                controllerTakenBy[static_cast<std::size_t>(slot)].c_str()),
                         invalidValuesCaption);
        return false;
    }
    return true;
}

ArenaSizeDialog::ArenaSizeDialog()
    : lengthText("120"),
      limitsText(format("(Minimum floor length is %.1f. Maximum floor length is %.1f)",
                        static_cast<double>(minFloorLength), static_cast<double>(maxFloorLength))) {
}

bool validateFloorLength(float length, GameHost& host) {
    if (length < minFloorLength) {
        host.showMessage(format("Floor size must be greater than or equal to %.1f",
                                static_cast<double>(minFloorLength)),
                         incorrectValuesCaption);
        return false;
    }
    if (length > maxFloorLength) {
        host.showMessage(format("Floor size must be less than or equal to %.1f",
                                static_cast<double>(maxFloorLength)),
                         incorrectValuesCaption);
        return false;
    }
    return true;
}

bool ArenaSizeDialog::ok(Arena& arena, GameHost& host) const {
    const float length = static_cast<float>(readUnsignedNumber(lengthText));
    if (!validateFloorLength(length, host)) {
        return false;
    }
    arena.halfSide = length * 0.5f;
    return true;
}
