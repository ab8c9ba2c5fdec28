// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide reference count behind EnetLibraryUse.
#include "net/enet_library.h"

#include <enet/enet.h>

#include <mutex>

namespace {

std::mutex countLock;
int users = 0;

}  // namespace

EnetLibraryUse::EnetLibraryUse() {
    const std::lock_guard<std::mutex> lock(countLock);
    if (users == 0 && enet_initialize() != 0)
        return;
    ++users;
    ok_ = true;
}

EnetLibraryUse::~EnetLibraryUse() {
    if (!ok_)
        return;
    const std::lock_guard<std::mutex> lock(countLock);
    if (--users == 0)
        enet_deinitialize();
}
