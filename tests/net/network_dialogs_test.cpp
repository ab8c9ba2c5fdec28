// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the host and join dialogs' checks: ports, addresses and names as typed.
#include "net/network_dialogs.h"

#include "tests/core/recording_host.h"

#include <gtest/gtest.h>

TEST(NetworkDialogs, PortsAreWholeNumbersFromOneTo65535) {
    for (const char* good : {"1", "24780", " 65535 "})
        EXPECT_TRUE(readPort(good).has_value()) << good;
    for (const char* bad : {"", "0", "65536", "99999999999", "12a", "-5"})
        EXPECT_FALSE(readPort(bad).has_value()) << bad;
    RecordingHost host;
    HostDialog dialog({"192.0.2.7"});
    EXPECT_EQ(dialog.ok(host), std::optional<std::uint16_t>(24780));
    dialog.portText = "70000";
    EXPECT_FALSE(dialog.ok(host).has_value());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The port must be a number from 1 to 65535.");
}

TEST(NetworkDialogs, JoiningTakesATrimmedAddressAPortAndACleanName) {
    RecordingHost host;
    JoinDialog dialog("  ann\t");
    dialog.address = "  192.0.2.7 ";
    dialog.portText = "3000";
    const std::optional<JoinDialog::Target> target = dialog.ok(host);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->address, "192.0.2.7");
    EXPECT_EQ(target->port, 3000);
    EXPECT_EQ(target->name, "ann");
    EXPECT_TRUE(host.messages.empty());

    // A game chosen from the list fills in where it is.
    dialog.choose(FoundGame{"198.51.100.4", 24999, "bob", 1, "3.0"});
    EXPECT_EQ(dialog.address, "198.51.100.4");
    EXPECT_EQ(dialog.portText, "24999");
    EXPECT_EQ(FoundGame({"198.51.100.4", 24999, "bob", 1, "3.0"}).label(),
              "bob at 198.51.100.4:24999 (1 seat free)");

    // Each missing value is named.
    struct Case {
        const char* address;
        const char* port;
        const char* name;
        const char* message;
    } cases[] = {
        {"   ", "3000", "ann", "Choose a game from the list or type the host's address."},
        {"h", "0", "ann", "The port must be a number from 1 to 65535."},
        {"h", "3000", " \x01 ", "Enter the name the other players will see."},
    };
    for (const Case& c : cases) {
        RecordingHost refused;
        JoinDialog d(c.name);
        d.address = c.address;
        d.portText = c.port;
        EXPECT_FALSE(d.ok(refused).has_value()) << c.message;
        ASSERT_EQ(refused.messages.size(), 1u);
        EXPECT_EQ(refused.messages[0].text, c.message);
    }
}
