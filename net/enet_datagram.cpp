// SPDX-License-Identifier: GPL-3.0-or-later
// The body of announcesMessageOver, walking ENet's command layout.
#include "net/enet_datagram.h"

#include <enet/enet.h>

#include <cstring>

bool announcesMessageOver(const std::uint8_t* datagram, std::size_t length, std::size_t limit) {
    if (datagram == nullptr || length < offsetof(ENetProtocolHeader, sentTime))
        return false;
    const std::uint16_t word = static_cast<std::uint16_t>(datagram[0] << 8 | datagram[1]);
    if (word & ENET_PROTOCOL_HEADER_FLAG_COMPRESSED)
        return false;
    std::size_t offset = (word & ENET_PROTOCOL_HEADER_FLAG_SENT_TIME)
                             ? sizeof(ENetProtocolHeader)
                             : offsetof(ENetProtocolHeader, sentTime);
    while (offset <= length && length - offset >= sizeof(ENetProtocolCommandHeader)) {
        const std::uint8_t command = datagram[offset] & ENET_PROTOCOL_COMMAND_MASK;
        if (command == ENET_PROTOCOL_COMMAND_NONE || command >= ENET_PROTOCOL_COMMAND_COUNT)
            return false;
        const std::size_t size = enet_protocol_command_size(command);
        if (size < sizeof(ENetProtocolCommandHeader) || size > sizeof(ENetProtocol) ||
            length - offset < size)
            return false;
        ENetProtocol body;
        std::memcpy(&body, datagram + offset, size);
        offset += size;
        std::size_t payload = 0;
        switch (command) {
            case ENET_PROTOCOL_COMMAND_SEND_RELIABLE:
                payload = ENET_NET_TO_HOST_16(body.sendReliable.dataLength);
                break;
            case ENET_PROTOCOL_COMMAND_SEND_UNRELIABLE:
                payload = ENET_NET_TO_HOST_16(body.sendUnreliable.dataLength);
                break;
            case ENET_PROTOCOL_COMMAND_SEND_UNSEQUENCED:
                payload = ENET_NET_TO_HOST_16(body.sendUnsequenced.dataLength);
                break;
            case ENET_PROTOCOL_COMMAND_SEND_FRAGMENT:
            case ENET_PROTOCOL_COMMAND_SEND_UNRELIABLE_FRAGMENT:
                if (ENET_NET_TO_HOST_32(body.sendFragment.totalLength) > limit)
                    return true;
                payload = ENET_NET_TO_HOST_16(body.sendFragment.dataLength);
                break;
            default:
                break;
        }
        if (length - offset < payload)
            return false;
        offset += payload;
    }
    return false;
}
