// SPDX-License-Identifier: GPL-3.0-or-later
// MenuKeyboard: the menu bar driven by F10, Alt, mnemonics, arrows, Enter and Escape.
// menu_keyboard.cpp has the bodies.
#pragma once

#include "ui/keys.h"
#include "ui/menu_model.h"

#include <vector>

// Keyboard control of the menu bar, as desktop menus behave: F10, or Alt pressed and released
// alone, highlights the first title; Alt with a title's mnemonic letter opens that menu; the
// arrows move between titles and items, Enter chooses, Escape closes. While the menu has the
// keyboard every key belongs to it; so does every key pressed with Alt held.
//
// The state is a path through the menu: path()[0] is the highlighted or open title, and each
// further entry is the highlighted item of the menu opened by the entry before it (-1 when
// nothing is highlighted there). {} closed; {1} "Options" highlighted in the bar; {1, 2}
// "Options" open with its third item highlighted; {1, 0, 2} its first submenu open as well.
class MenuKeyboard {
  public:
    struct Outcome {
        bool taken = false;  // the key is the menu's, not the game's
        int command = 0;     // the command chosen with it, or 0
    };

    // A key went down. `letter` is the character of a Letter key; `alt` says Alt is held.
    Outcome keyDown(const std::vector<MenuItem>& bar, Key key, char letter = 0, bool alt = false);
    // Alt came up: pressed and released alone it opens the bar, or closes it when open.
    void altUp();

    // The mouse moved or was clicked: the pointer drives the menus until the next key, and a
    // pending Alt no longer counts as alone.
    void mouseUsed();
    // While the pointer drives: the menus actually open, outermost first (as `path` holds them,
    // without the highlight).
    void followPointer(const std::vector<int>& openMenus);
    // Closes the menu and forgets a held Alt (the window lost the focus, a dialog opened).
    void reset();

    bool active() const { return !path_.empty(); }
    // The keyboard drives: the view opens exactly what `path` says and hides the pointer.
    bool keyboardDriven() const { return keyboardDriven_; }
    bool tookLastKey() const { return tookLastKey_; }
    // Mnemonic letters show underlined while Alt is held or the keyboard drives the menu.
    bool showMnemonics() const { return altHeld_ || (keyboardDriven_ && active()); }
    const std::vector<int>& path() const { return path_; }

  private:
    Outcome navigate(const std::vector<MenuItem>& bar, Key key, char letter, bool alt);
    void openTitle(const std::vector<MenuItem>& bar, int title, bool last = false);
    Outcome activate(const std::vector<MenuItem>& level, int index);
    const std::vector<MenuItem>& deepestList(const std::vector<MenuItem>& bar) const;

    std::vector<int> path_;
    bool keyboardDriven_ = false;
    bool altHeld_ = false;
    bool altAlone_ = false;
    bool tookLastKey_ = false;
};
