// SPDX-License-Identifier: GPL-3.0-or-later
// Models of the new-game dialogs (TeamDialog, PlayerDialog, ArenaSizeDialog): fields and "OK"
// checks; setup_dialogs.cpp has the bodies.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/roster.h"

class GameHost;
class Player;
class Team;
struct Arena;

// Models of the three new-game dialogs: what each field holds when the dialog opens and
// what "OK" does. A view shows the texts, lets the user edit the editable ones and calls
// ok(); false keeps the dialog open after the message has been shown. The dialogs have
// no Cancel: Escape and the close box do nothing.

inline constexpr int maxPlayersPerTeam = 4;
inline constexpr int maxTanksPerPlayer = 4;
inline constexpr float minFloorLength = 120.0f;
inline constexpr float maxFloorLength = 300.0f;

inline constexpr const char* invalidValuesCaption = "Invalid values in dialog";
inline constexpr const char* incorrectValuesCaption = "Incorrect values entered";

// The game controllers a person may take, "Controller 1" to "Controller 4" by slot 0 to 3.
inline constexpr int controllerSlots = 4;
std::string controllerName(int slot);

// Text read as an unsigned decimal number, surrounding blanks allowed; anything else,
// or a number too large for 32 bits, reads as 0.
std::uint32_t readUnsignedNumber(const std::string& text);

// "IDD_TEAM_SEL": the team's name and number of players.
class TeamDialog {
  public:
    static constexpr const char* title = "Select Team";
    static constexpr const char* nameLabel = "Enter the name this team will be called";
    static constexpr const char* countLabel = "Enter the number of players on this team";

    // teamIndex 0 proposes "Team A", 1 "Team B".
    explicit TeamDialog(int teamIndex);

    // Writes the fields into the team, then validates the count before the name.
    bool ok(Team& team, GameHost& host) const;

    int teamIndex;
    std::string name;       // edit 17, focused
    std::string countText;  // edit 18
    std::string rangeText;  // static 25, "(1 to 4)"
};

// The player dialog's camouflage radio buttons: control ids from 27, one per entry of
// `camouflages`, in its order.
constexpr int camouflageButtonId(int slot) {
    return 27 + slot;
}

// "IDD_PLAYER_SEL": one player's name, number of tanks and camouflage.
class PlayerDialog {
  public:
    static constexpr const char* nameLabel = "Enter the name for this player:";
    static constexpr const char* countLabel = "Enter the number of tanks for this player";
    static constexpr const char* camouflageLabel = "Select a camoflage for the tanks:";

    // Proposes "player<number>" and the team's name in the title.
    PlayerDialog(const Team& team, const Player& player);

    // Writes the fields into the player, then validates the count, the name and the controller.
    bool ok(Player& player, GameHost& host) const;

    // Checks the radio button with this control id (27..31); other ids are ignored.
    void check(int buttonId);

    // Who plays: a person, or the computer at a level that can be chosen only then.
    static constexpr const char* playedByLabel = "Played by:";
    static constexpr const char* personLabel = "Person";
    static constexpr const char* computerLabel = "Computer";
    static constexpr std::array<const char*, 3> levelLabels{"Easy", "Normal", "Hard"};
    // In a hosted network game a seat may wait for a person on another machine.
    static constexpr const char* networkLabel = "Network player";
    void playByPerson() { byComputer = false, byNetwork = false; }
    void playByComputer() { byComputer = true, byNetwork = false; }
    // Ignored unless networkOffered.
    void playByNetwork() { byNetwork = networkOffered, byComputer = byComputer && !byNetwork; }
    // Ignored unless the computer plays, or outside 0..2 (Easy, Normal, Hard).
    void chooseLevel(int index);
    PlayerControl control() const;

    // "Controls:": the keyboard and mouse, or a controller a person at this machine takes.
    static constexpr const char* controlsLabel = "Controls:";
    static constexpr const char* keyboardLabel = "Keyboard and mouse";
    bool controllerOffered() const { return !byComputer && !byNetwork; }
    // A slot 0..3, or -1 for the keyboard and mouse; others are ignored.
    void chooseController(int slot);
    // The controller the player takes: -1 when none, or when not played by a person here.
    int controllerTaken() const { return controllerOffered() ? controller : -1; }

    std::string title;      // "Select player on Team <name>"
    std::string name;       // edit 19, focused
    std::string countText;  // edit 24
    std::string rangeText;  // static 26, "(1 to 4)"
    int checkedButton = camouflageButtonId(camouflageListSlot(Forest2Camouflage));
    bool byComputer = false;
    bool networkOffered = false;
    bool byNetwork = false;  // played by a person at another machine
    int level = 1;           // "Normal"
    int controller = -1;     // "Keyboard and mouse"
    // The names of the players who took each controller in the dialogs before; empty: free.
    std::array<std::string, controllerSlots> controllerTakenBy{};
};

// "IDD_AREASIZE_SEL": the side of the square floor.
class ArenaSizeDialog {
  public:
    static constexpr const char* title = "Select size of area";
    static constexpr const char* lengthLabel = "Specify the square floor length.";

    ArenaSizeDialog();

    // Sets the arena's halfSide when the length lies within 120..300.
    bool ok(Arena& arena, GameHost& host) const;

    std::string lengthText;  // edit 20, digits only
    std::string limitsText;  // static 36
};

// The length check on its own: true for 120.0 <= length <= 300.0, otherwise the message.
bool validateFloorLength(float length, GameHost& host);
