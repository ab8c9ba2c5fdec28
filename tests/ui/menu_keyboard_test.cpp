#include "ui/menu_keyboard.h"
#include "tests/ui/imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Plays keys written as "F10 Alt ^Alt Left Right Up Down Enter Esc PgUp", a single letter, or
// "A-x" for the letter with Alt held; returns the last command chosen.
int play(MenuKeyboard& keys, const MenuModel& menu, const std::string& script) {
    const std::pair<const char*, MenuKey> named[] = {
        {"F10", MenuKey::F10},     {"Alt", MenuKey::Alt},    {"Left", MenuKey::Left},
        {"Right", MenuKey::Right}, {"Up", MenuKey::Up},      {"Down", MenuKey::Down},
        {"Enter", MenuKey::Enter}, {"Esc", MenuKey::Escape}, {"PgUp", MenuKey::Other}};
    int command = 0;
    std::istringstream in(script);
    for (std::string word; in >> word;) {
        MenuKeyboard::Outcome outcome;
        if (word == "^Alt") {
            keys.altUp();
            continue;
        }
        if (word.size() == 1 || word.rfind("A-", 0) == 0) {
            outcome = keys.keyDown(menu.dropDowns(), MenuKey::Letter, word.back(), word.size() > 1);
        } else {
            for (const auto& [name, key] : named) {
                if (word == name) {
                    outcome = keys.keyDown(menu.dropDowns(), key);
                }
            }
        }
        command = outcome.command != 0 ? outcome.command : command;
    }
    return command;
}

// File(New Game, Exit) Options(Set PolygonMode >, Center camera on >, Polgygon Antialiasing)
// Defense(Shields) Help(Help, About, -, Visit Krellmont website), as before the first game:
// the submenus' items and Shields greyed.
TEST(MenuKeyboard, KeysWalkTheMenuAndChooseOnlyEnabledCommands) {
    const struct {
        const char* keys;
        std::vector<int> path;
        int command;
        bool lastKeyTaken;
    } cases[] = {
        // Closed: keys go to the game, except those with Alt.
        {"PgUp w Esc", {}, 0, false},
        {"A-w", {}, 0, true},
        {"Alt ^Alt", {0}, 0, true},
        {"Alt ^Alt Alt ^Alt", {}, 0, true},
        {"Alt A-f ^Alt", {0, 0}, 0, true},
        // The bar: titles wrap; Down, Enter or a mnemonic opens; all keys are the menu's.
        {"F10 Left Left", {2}, 0, true},
        {"F10 Right Down", {1, 0}, 0, true},
        {"F10 PgUp w", {0}, 0, true},
        {"F10 h", {3, 0}, 0, true},
        {"F10 F10", {}, 0, true},
        // Drop-downs: items wrap past separators, Right/Left open and close submenus or move
        // to the next/previous title.
        {"A-o Down Down Down", {1, 0}, 0, true},
        {"A-h Down Down", {3, 3}, 0, true},
        {"A-o Right", {1, 0, 0}, 0, true},
        {"A-o Right Left", {1, 0}, 0, true},
        {"A-o Right Esc", {1, 0}, 0, true},
        {"A-o Down Down Right", {2, 0}, 0, true},
        {"A-f Left", {3, 0}, 0, true},
        {"A-o Esc", {}, 0, true},
        {"A-f A-h", {3, 0}, 0, true},
        // Choosing closes the menu; greyed items choose nothing.
        {"A-h Up Enter", {}, WebsiteCommand, true},
        {"A-f x", {}, ExitCommand, true},
        {"A-f Down Enter PgUp", {}, ExitCommand, false},
        {"A-o Right Enter", {1, 0, 0}, 0, true},
        {"A-d Enter", {2, 0}, 0, true},
    };
    MenuModel menu;
    menu.setGameItemsEnabled(false);
    for (const auto& c : cases) {
        MenuKeyboard keys;
        EXPECT_EQ(play(keys, menu, c.keys), c.command) << c.keys;
        EXPECT_EQ(keys.path(), c.path) << c.keys;
        EXPECT_EQ(keys.active(), !c.path.empty()) << c.keys;
        EXPECT_EQ(keys.tookLastKey(), c.lastKeyTaken) << c.keys;
    }
}

TEST(MenuKeyboard, TheKeysTakeOverAMenuThePointerOpenedAndHandItBack) {
    MenuModel menu;
    MenuKeyboard keys;
    keys.followPointer({1, 1});
    EXPECT_EQ(keys.path(), (std::vector<int>{1, 1, -1}));
    EXPECT_FALSE(keys.keyboardDriven());
    play(keys, menu, "Down Left");
    EXPECT_EQ(keys.path(), (std::vector<int>{1, 1}));
    keys.followPointer({});  // the keyboard drives: what ImGui had open no longer counts
    EXPECT_EQ(keys.path(), (std::vector<int>{1, 1}));
    keys.mouseUsed();
    keys.followPointer({});
    EXPECT_FALSE(keys.active());
    // A click between Alt's press and release keeps the bar shut.
    play(keys, menu, "Alt");
    keys.mouseUsed();
    keys.altUp();
    EXPECT_FALSE(keys.active());
}

// ImGui opens and closes its popups as the keys say, with the pointer nowhere.
TEST(MenuBarView, OpensExactlyTheMenusTheKeysChose) {
    ImGuiHarness imgui;
    MenuModel menu;
    MenuKeyboard keys;
    float height = 0.0f;
    const struct {
        const char* keys;
        std::vector<int> open;
    } steps[] = {{"A-o", {1}},
                 {"Right", {1, 0}},
                 {"Left Left", {0}},
                 {"Esc", {}},
                 {"F10", {}},
                 {"Down", {0}},
                 {"Right Down Down Right", {2}}};
    for (const auto& step : steps) {
        play(keys, menu, step.keys);
        imgui.frames(2, [&] { drawMenuBarView(menu, keys, height); });
        // A copy the pointer drives reads back what ImGui has open.
        MenuKeyboard probe = keys;
        probe.mouseUsed();
        imgui.frame([&] { drawMenuBarView(menu, probe, height); });
        std::vector<int> expected = step.open;
        if (!expected.empty()) {
            expected.push_back(-1);
        }
        EXPECT_EQ(probe.path(), expected) << step.keys;
    }
    EXPECT_GT(height, 0.0f);
}

}  // namespace
