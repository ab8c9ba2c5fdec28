// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as data: MenuCommand ids, MenuItem and MenuModel with checks and greyed items;
// menu_model.cpp has the bodies.
#pragma once

#include <string>
#include <vector>

// Command ids of the main menu; the program dispatches them.
enum MenuCommand : int {
    NewGameCommand = 1,
    ExitCommand = 3,
    HelpCommand = 4,
    AboutCommand = 5,
    WireframeCommand = 6,
    SolidShadingCommand = 7,
    TextureMappingCommand = 8,
    CenterOfArenaCommand = 11,
    CurrentTankCommand = 12,
    WebsiteCommand = 13,
    AntialiasingCommand = 14,
    ShieldsCommand = 16,
    HostNetworkCommand = 17,
    JoinNetworkCommand = 18,
    InterfaceSizeAutomaticCommand = 19,
    InterfaceSize100Command = 20,
    InterfaceSize150Command = 21,
    InterfaceSize200Command = 22,
    ControllersCommand = 23,
};

// One entry of the menu bar: a drop-down or submenu (children), a command item or a separator.
struct MenuItem {
    std::string text;   // resource text; "&" marks the mnemonic letter
    int commandId = 0;  // 0 for drop-downs, submenus and separators
    bool checked = false;
    bool enabled = true;
    bool separator = false;
    std::vector<MenuItem> children;
};

// The main window's menu as plain data: what the menu bar shows, which items carry a check
// mark and which are greyed. Starts as the resource defines it (all enabled, "texture
// mapping" and "Current Tank" checked); the program greys the game items at start-up.
class MenuModel {
  public:
    MenuModel();

    const std::vector<MenuItem>& dropDowns() const { return dropDowns_; }

    // Both return false, changing nothing, when no item carries the id.
    bool setChecked(int commandId, bool checked);
    bool setEnabled(int commandId, bool enabled);
    bool isChecked(int commandId) const;
    bool isEnabled(int commandId) const;
    // Null when no item carries the id.
    const MenuItem* find(int commandId) const;

    // True enables the camera-centre, polygon-mode and controllers items, leaving "Shields"
    // alone (it follows the current tank); false greys those and "Shields" too.
    void setGameItemsEnabled(bool enabled);

  private:
    MenuItem* findMutable(int commandId);

    std::vector<MenuItem> dropDowns_;
};

// The text as shown: "&" mnemonic markers removed, "&&" kept as one "&".
std::string menuDisplayText(const std::string& resourceText);

// The letter after a lone "&" (lower case; 0 when the text has none) and where it stands in the
// shown text.
struct Mnemonic {
    char letter = 0;
    std::size_t shownIndex = 0;
};
Mnemonic menuMnemonic(const std::string& resourceText);
