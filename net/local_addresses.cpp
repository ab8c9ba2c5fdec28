// SPDX-License-Identifier: GPL-3.0-or-later
// Listing this machine's addresses with getifaddrs.
#include "net/local_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

std::vector<std::string> localAddresses() {
    std::vector<std::string> found;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) == 0) {
        for (const ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
            if (a->ifa_addr == nullptr || (a->ifa_flags & IFF_LOOPBACK) != 0 ||
                (a->ifa_flags & IFF_UP) == 0) {
                continue;
            }
            if (a->ifa_addr->sa_family != AF_INET) {
                continue;
            }
            char text[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr, text,
                      sizeof text);
            found.emplace_back(text);
        }
        freeifaddrs(list);
    }
    if (found.empty()) {
        found.emplace_back("127.0.0.1");
    }
    return found;
}
