// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of AppHost: sound without a player, and the "Shields" item passed to the menu.
#include "app/app_host.h"
#include "ui/menu_model.h"
#include "ui/message_queue.h"

#include <gtest/gtest.h>

#include <string>

// The window test hears the cannon and reads a refused dialog's message through this host.
TEST(AppHost, PlaysNothingWithoutAPlayerAndPassesTheShieldsItemToTheMenu) {
    MessageQueue messages;
    MenuModel menu;
    AppHost host(messages, menu, nullptr);
    host.playSound("cannon.wav");  // no crash
    menu.setGameItemsEnabled(false);
    for (bool on : {true, false}) {
        host.setShieldsMenuEnabled(on);
        EXPECT_EQ(menu.isEnabled(ShieldsCommand), on);
    }
}
