// SPDX-License-Identifier: GPL-3.0-or-later
// announcesMessageOver: reads a raw ENet datagram for a fragment of a message longer than we
// allow; enet_datagram.cpp has the body.
#pragma once

#include <cstddef>
#include <cstdint>

// Whether `datagram`, uncompressed and without a checksum as our hosts send them, carries a
// fragment of a message longer than `limit` bytes. It is a peer's, so hostile: nothing
// outside it is read, and a malformed command ends the reading (ENet drops those too).
bool announcesMessageOver(const std::uint8_t* datagram, std::size_t length, std::size_t limit);
