// SPDX-License-Identifier: GPL-3.0-or-later
// localAddresses: the addresses this machine can be reached at, for the host dialog.
#pragma once

#include <string>
#include <vector>

// Every IPv4 address but loopback (the network library joins over IPv4 only);
// "127.0.0.1" alone when the machine has no other.
std::vector<std::string> localAddresses();
