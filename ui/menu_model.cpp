// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's items as built at start-up, their look-up, checks and enabling, and the
// "&" mnemonic markers.
#include "ui/menu_model.h"

#include <cctype>

namespace {

MenuItem command(const char* text, int id, bool checked = false) {
    MenuItem item;
    item.text = text;
    item.commandId = id;
    item.checked = checked;
    return item;
}

MenuItem separator() {
    MenuItem item;
    item.separator = true;
    return item;
}

MenuItem popup(const char* text, std::vector<MenuItem> children) {
    MenuItem item;
    item.text = text;
    item.children = std::move(children);
    return item;
}

MenuItem* findIn(std::vector<MenuItem>& items, int commandId) {
    for (MenuItem& item : items) {
        if (!item.separator && item.children.empty() && item.commandId == commandId) {
            return &item;
        }
        if (MenuItem* found = findIn(item.children, commandId)) {
            return found;
        }
    }
    return nullptr;
}

struct MenuText {
    std::string shown;
    Mnemonic mnemonic;
};

MenuText splitMenuText(const std::string& resourceText) {
    MenuText text;
    text.shown.reserve(resourceText.size());
    for (std::size_t i = 0; i < resourceText.size(); ++i) {
        if (resourceText[i] == '&') {
            if (i + 1 < resourceText.size() && resourceText[i + 1] == '&') {
                text.shown += '&';
                ++i;
            } else if (i + 1 < resourceText.size() && text.mnemonic.letter == 0) {
                text.mnemonic.letter = static_cast<char>(
                    std::tolower(static_cast<unsigned char>(resourceText[i + 1])));
                text.mnemonic.shownIndex = text.shown.size();
            }
            continue;
        }
        text.shown += resourceText[i];
    }
    return text;
}

// Controllers are given to the players of a game: without one there is nobody to give them to.
const int gameItems[] = {CurrentTankCommand,  CenterOfArenaCommand,  WireframeCommand,
                         SolidShadingCommand, TextureMappingCommand, ControllersCommand};

}  // namespace

MenuModel::MenuModel() {
    dropDowns_.push_back(popup("&File", {command("&New Game", NewGameCommand),
                                         command("&Host Network Game...", HostNetworkCommand),
                                         command("&Join Network Game...", JoinNetworkCommand),
                                         separator(), command("E&xit", ExitCommand)}));
    dropDowns_.push_back(popup(
        "&Options",
        {popup("Set PolygonMode", {command("wireframe", WireframeCommand),
                                   command("solidShading", SolidShadingCommand),
                                   command("texture mapping", TextureMappingCommand, true)}),
         popup("Center camera on", {command("Current Tank", CurrentTankCommand, true),
                                    command("Center of Arena", CenterOfArenaCommand)}),
         command("Polgygon Antialiasing", AntialiasingCommand),
         popup("Interface Size",
               {command("Automatic", InterfaceSizeAutomaticCommand, true),
                command("100%", InterfaceSize100Command), command("150%", InterfaceSize150Command),
                command("200%", InterfaceSize200Command)}),
         command("Controllers...", ControllersCommand)}));
    dropDowns_.push_back(popup("&Defense", {command("Shields", ShieldsCommand)}));
    dropDowns_.push_back(
        popup("&Help", {command("&Help", HelpCommand), command("&About", AboutCommand), separator(),
                        command("Visit Krellmont website", WebsiteCommand)}));
}

MenuItem* MenuModel::findMutable(int commandId) {
    if (commandId <= 0) {
        return nullptr;
    }
    return findIn(dropDowns_, commandId);
}

const MenuItem* MenuModel::find(int commandId) const {
    return const_cast<MenuModel*>(this)->findMutable(commandId);
}

bool MenuModel::setChecked(int commandId, bool checked) {
    MenuItem* item = findMutable(commandId);
    if (item == nullptr) {
        return false;
    }
    item->checked = checked;
    return true;
}

bool MenuModel::setEnabled(int commandId, bool enabled) {
    MenuItem* item = findMutable(commandId);
    if (item == nullptr) {
        return false;
    }
    item->enabled = enabled;
    return true;
}

bool MenuModel::isChecked(int commandId) const {
    const MenuItem* item = find(commandId);
    return item != nullptr && item->checked;
}

bool MenuModel::isEnabled(int commandId) const {
    const MenuItem* item = find(commandId);
    return item != nullptr && item->enabled;
}

void MenuModel::setGameItemsEnabled(bool enabled) {
    for (int id : gameItems) {
        setEnabled(id, enabled);
    }
    if (!enabled) {
        setEnabled(ShieldsCommand, false);
    }
}

std::string menuDisplayText(const std::string& resourceText) {
    return splitMenuText(resourceText).shown;
}

Mnemonic menuMnemonic(const std::string& resourceText) {
    return splitMenuText(resourceText).mnemonic;
}
