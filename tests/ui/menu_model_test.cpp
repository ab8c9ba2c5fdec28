#include "ui/menu_model.h"

#include <gtest/gtest.h>

namespace {

// Flattens the menu into "Drop-down/Submenu/Item=id" lines, separators as "-".
void flatten(const std::vector<MenuItem>& items, const std::string& prefix,
             std::vector<std::string>& out) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            out.push_back(prefix + "-");
        } else if (!item.children.empty()) {
            flatten(item.children, prefix + item.text + "/", out);
        } else {
            out.push_back(prefix + item.text + "=" + std::to_string(item.commandId));
        }
    }
}

}  // namespace

TEST(MenuModel, HoldsTheResourceItemsInOrderWithTheirIds) {
    MenuModel menu;
    std::vector<std::string> items;
    flatten(menu.dropDowns(), "", items);
    const std::vector<std::string> expected = {
        "&File/&New Game=1",
        "&File/E&xit=3",
        "&Options/Set PolygonMode/wireframe=6",
        "&Options/Set PolygonMode/solidShading=7",
        "&Options/Set PolygonMode/texture mapping=8",
        "&Options/Center camera on/Current Tank=12",
        "&Options/Center camera on/Center of Arena=11",
        "&Options/Polgygon Antialiasing=14",
        "Defense/Shields=16",
        "&Help/&Help=4",
        "&Help/&About=5",
        "&Help/-",
        "&Help/Visit Krellmont website=13",
    };
    EXPECT_EQ(items, expected);
}

TEST(MenuModel, StartsWithTheResourceCheckMarksAndEverythingEnabled) {
    MenuModel menu;
    for (int id : {1, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 16}) {
        EXPECT_TRUE(menu.isEnabled(id)) << id;
        EXPECT_EQ(menu.isChecked(id), id == 8 || id == 12) << id;
    }
}

TEST(MenuModel, GameItemsGreyTogetherButShieldsOnlyFollowsTheTankWhenEnabling) {
    MenuModel menu;
    menu.setGameItemsEnabled(false);
    for (int id : {6, 7, 8, 11, 12, 16}) {
        EXPECT_FALSE(menu.isEnabled(id)) << id;
    }
    for (int id : {1, 3, 4, 5, 13, 14}) {
        EXPECT_TRUE(menu.isEnabled(id)) << id;
    }
    menu.setGameItemsEnabled(true);
    for (int id : {6, 7, 8, 11, 12}) {
        EXPECT_TRUE(menu.isEnabled(id)) << id;
    }
    EXPECT_FALSE(menu.isEnabled(ShieldsCommand));
    EXPECT_TRUE(menu.setEnabled(ShieldsCommand, true));
    EXPECT_TRUE(menu.isEnabled(ShieldsCommand));
}

TEST(MenuModel, IdsThatNoItemCarriesChangeNothing) {
    MenuModel menu;
    // Drop-downs, submenus and separators carry id 0: none of them is found through it.
    for (int id : {0, 2, 9, 10, 15, 17, -1}) {
        EXPECT_FALSE(menu.setChecked(id, true)) << id;
        EXPECT_FALSE(menu.setEnabled(id, false)) << id;
        EXPECT_EQ(menu.find(id), nullptr) << id;
        EXPECT_FALSE(menu.isChecked(id));
    }
}

TEST(MenuModel, CheckMarksMoveOnlyOnTheItemNamed) {
    MenuModel menu;
    EXPECT_TRUE(menu.setChecked(WireframeCommand, true));
    EXPECT_TRUE(menu.setChecked(TextureMappingCommand, false));
    EXPECT_TRUE(menu.isChecked(WireframeCommand));
    EXPECT_FALSE(menu.isChecked(TextureMappingCommand));
    EXPECT_FALSE(menu.isChecked(SolidShadingCommand));
    EXPECT_TRUE(menu.isChecked(CurrentTankCommand));
}

TEST(MenuDisplayText, DropsMnemonicMarkersAndKeepsDoubledAmpersands) {
    EXPECT_EQ(menuDisplayText("&File"), "File");
    EXPECT_EQ(menuDisplayText("E&xit"), "Exit");
    EXPECT_EQ(menuDisplayText("Polgygon Antialiasing"), "Polgygon Antialiasing");
    EXPECT_EQ(menuDisplayText("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(menuDisplayText("trailing&"), "trailing");
    EXPECT_EQ(menuDisplayText(""), "");
}
