// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the menu's keyboard control and of the menu bar view opening what the keys chose.
#include "ui/menu_keyboard.h"
#include "tests/ui/imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Plays keys written as "F10 Alt ^Alt Left Right Up Down Enter Esc PgUp", "x" for a letter,
// "A-x" for it with Alt held, "mouse" for a click; returns the last command chosen.
int play(MenuKeyboard& keys, const MenuModel& menu, const std::string& script) {
    const std::string names[] = {"F10", "Alt", "Left", "Right", "Up", "Down", "Enter", "Esc"};
    int command = 0;
    std::istringstream in(script);
    for (std::string word; in >> word;) {
        Key key = Key::Other;
        for (int i = 0; i < 8; ++i)
            key = word == names[i] ? static_cast<Key>(i) : key;
        if (word == "^Alt" || word == "mouse")
            word == "mouse" ? keys.mouseUsed() : keys.altUp();
        else if (word.size() == 1 || word[1] == '-')
            command =
                keys.keyDown(menu.dropDowns(), Key::Letter, word.back(), word.size() > 1).command;
        else
            command = keys.keyDown(menu.dropDowns(), key).command;
    }
    return command;
}

// File(New Game, Exit) Options(Set PolygonMode >, Center camera on >, Polgygon Antialiasing,
// Interface Size >, Controllers...)
// Defense(Shields) Help(Help, About, -, Visit Krellmont website), as before the first game:
// the submenus' items and Shields greyed.
TEST(MenuKeyboard, KeysWalkTheMenuAndChooseOnlyEnabledCommands) {
    const struct {
        const char* keys;
        std::vector<int> path;
        int command;
        bool lastKeyTaken;
    } cases[] = {
        // Closed: keys go to the game, except those with Alt. A click spoils a lone Alt.
        {"PgUp w Esc", {}, 0, false},
        {"A-w", {}, 0, true},
        {"Alt ^Alt", {0}, 0, true},
        {"Alt A-f ^Alt", {0, 0}, 0, true},
        {"Alt mouse ^Alt", {}, 0, true},
        // The bar: titles wrap; Down, Up or a letter opens; every key is the menu's.
        {"F10 Left Left", {2}, 0, true},
        {"F10 Right Down", {1, 0}, 0, true},
        {"F10 Down", {0, 0}, 0, true},       // a menu of two opens at its first
        {"F10 PgUp w Up", {0, 4}, 0, true},  // Up opens at the last item
        {"F10 h", {3, 0}, 0, true},
        {"Alt ^Alt F10", {}, 0, true},
        // Drop-downs: items wrap past separators; Right and Left open and close submenus or
        // move to the next or previous title; Alt with a letter names a title.
        {"A-o Down Down Down Down Down", {1, 0}, 0, true},
        {"A-h Down Down", {3, 3}, 0, true},
        {"A-o Right", {1, 0, 0}, 0, true},
        {"A-o Down Right", {1, 1, 0}, 0, true},  // a submenu of two opens at its first
        {"A-o Right Esc", {1, 0}, 0, true},
        {"A-o Down Down Right", {2, 0}, 0, true},
        {"A-f Left", {3, 0}, 0, true},
        {"A-f A-h", {3, 0}, 0, true},
        {"A-o A-f", {0, 0}, 0, true},
        {"A-o Esc", {}, 0, true},
        // Choosing closes the menu, and the next key is the game's; greyed items choose nothing.
        {"A-h Up Enter", {}, WebsiteCommand, true},
        {"A-f Down Enter PgUp", {}, 0, false},
        {"A-f x", {}, ExitCommand, true},
        {"A-f n", {}, NewGameCommand, true},
        {"A-f h", {}, HostNetworkCommand, true},
        {"A-f j", {}, JoinNetworkCommand, true},
        {"A-f q", {0, 0}, 0, true},
        {"A-o Right Enter", {1, 0, 0}, 0, true},
        {"A-d Enter", {2, 0}, 0, true},
    };
    MenuModel menu;
    menu.setGameItemsEnabled(false);
    for (const auto& c : cases) {
        MenuKeyboard keys;
        EXPECT_EQ(play(keys, menu, c.keys), c.command) << c.keys;
        EXPECT_EQ(keys.path(), c.path) << c.keys;
        EXPECT_EQ(keys.tookLastKey(), c.lastKeyTaken) << c.keys;
    }
}

// ImGui opens and closes its popups as the keys say; a menu the pointer opened is the keys' too.
TEST(MenuBarView, OpensExactlyTheMenusTheKeysChose) {
    ImGuiHarness imgui;
    MenuModel menu;
    MenuKeyboard keys;
    float height = 0.0f;
    std::vector<OpaqueFill> fills;  // painted by the real frame; nothing here
    const struct {
        const char* keys;
        std::vector<int> open;
    } steps[] = {{"A-o", {1}},
                 {"Right", {1, 0}},
                 {"Left Left", {0}},
                 {"Esc", {}},
                 {"F10", {}},
                 {"Down", {0}},
                 {"Right Down Down Right", {2}},
                 {"Esc mouse Alt ^Alt", {}}};
    for (const auto& step : steps) {
        play(keys, menu, step.keys);
        const std::vector<int> chosen = keys.path();
        imgui.frames(2, [&] { drawMenuBarView(menu, keys, height, fills); });
        EXPECT_EQ(keys.path(), chosen) << step.keys;  // what ImGui has open never overrides it
        // Driven by the pointer, a copy reads back what ImGui has open.
        MenuKeyboard pointer = keys;
        play(pointer, menu, "mouse");
        imgui.frame([&] { drawMenuBarView(menu, pointer, height, fills); });
        std::vector<int> expected = step.open;
        if (!expected.empty())
            expected.push_back(-1);
        EXPECT_EQ(pointer.path(), expected) << step.keys;
        if (step.open == std::vector<int>{0}) {
            EXPECT_EQ(play(pointer, menu, "Down Enter"), NewGameCommand);
        }
    }
}

}  // namespace
