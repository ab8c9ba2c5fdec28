// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of MenuModel: the game items greyed together, "Shields" following the tank.
#include "ui/menu_model.h"

#include <gtest/gtest.h>

// The window test follows the check marks of every command; here the greying.
TEST(MenuModel, GameItemsGreyTogetherButShieldsOnlyFollowsTheTankWhenEnabling) {
    MenuModel menu;
    menu.setGameItemsEnabled(false);
    for (int id : {1, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 16, 17, 18, 23})
        EXPECT_EQ(menu.isEnabled(id), id < 6 || id == 13 || id == 14 || id == 17 || id == 18) << id;
    menu.setGameItemsEnabled(true);
    for (int id : {6, 7, 8, 11, 12, 23})
        EXPECT_TRUE(menu.isEnabled(id)) << id;
    EXPECT_FALSE(menu.isEnabled(ShieldsCommand));
    EXPECT_TRUE(menu.setEnabled(ShieldsCommand, true) && menu.setChecked(WireframeCommand, true));
    EXPECT_TRUE(menu.isEnabled(ShieldsCommand));
    // Drop-downs, submenus and separators carry id 0: none of them is found through it.
    for (int id : {0, 2, 9, 10, 15, 24, -1})
        EXPECT_FALSE(menu.setChecked(id, true) || menu.setEnabled(id, false)) << id;
    const std::pair<const char*, const char*> texts[] = {
        {"E&xit", "Exit"}, {"Fish && Chips", "Fish & Chips"}, {"trailing&", "trailing"}};
    for (const auto& [text, shown] : texts)
        EXPECT_EQ(menuDisplayText(text), shown);
    // The first lone "&" names the letter; a later one, or one at the very end, does not.
    for (const char* text : {"&Ab&c", "A&b&&c&d", "Ab&"}) {
        const Mnemonic m = menuMnemonic(text);
        EXPECT_EQ(std::string(1, m.letter) + std::to_string(m.shownIndex),
                  text[0] == '&'   ? "a0"
                  : text[1] == '&' ? "b1"
                                   : std::string(1, '\0') + "0")
            << text;
    }
}
