// SPDX-License-Identifier: GPL-3.0-or-later
// EnetLibraryUse: holds ENet initialised while anything in the process still talks through it.
#pragma once

// ENet wants enet_initialize once before use and enet_deinitialize once after; transports,
// beacons and finders come and go independently, so each holds one of these and the last to
// go shuts the library down.
class EnetLibraryUse {
  public:
    EnetLibraryUse();
    ~EnetLibraryUse();
    EnetLibraryUse(const EnetLibraryUse&) = delete;
    EnetLibraryUse& operator=(const EnetLibraryUse&) = delete;

    // False when ENet refused to start; nothing of ENet may be called then.
    bool ok() const { return ok_; }

  private:
    bool ok_ = false;
};
