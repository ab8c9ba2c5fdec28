// SPDX-License-Identifier: GPL-3.0-or-later
// The body of LossyProxy, on ENet's socket calls.
#include "lossy_proxy.h"

#include <enet/enet.h>

#include <stdexcept>

namespace {

const std::uint32_t loopback = ENET_HOST_TO_NET_32(0x7f000001);

}  // namespace

LossyProxy::LossyProxy(std::uint16_t serverPort, std::uint32_t seed, double lossRate,
                       std::chrono::milliseconds maxDelay)
    : serverPort_(serverPort), random_(seed), lossRate_(lossRate), maxDelay_(maxDelay) {
    socket_ = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    ENetAddress address{};
    address.host = loopback;
    address.port = 0;
    if (!library_.ok() || socket_ == ENET_SOCKET_NULL ||
        enet_socket_set_option(socket_, ENET_SOCKOPT_NONBLOCK, 1) != 0 ||
        enet_socket_bind(socket_, &address) != 0 || enet_socket_get_address(socket_, &address) != 0)
        throw std::runtime_error("the proxy's socket did not open");
    port_ = address.port;
}

LossyProxy::~LossyProxy() {
    if (socket_ != ENET_SOCKET_NULL)
        enet_socket_destroy(socket_);
}

void LossyProxy::pump() {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<long> delay(0, static_cast<long>(maxDelay_.count()));
    std::uint8_t buffer[ENET_PROTOCOL_MAXIMUM_MTU];
    const Clock::time_point now = Clock::now();
    for (;;) {
        ENetAddress from{};
        ENetBuffer slot{buffer, sizeof buffer};
        const int length = enet_socket_receive(socket_, &from, &slot, 1);
        if (length <= 0)
            break;
        const bool fromServer = from.host == loopback && from.port == serverPort_;
        if (!fromServer) {
            clientHost_ = from.host;
            clientPort_ = from.port;
        }
        if (chance(random_) < lossRate_) {
            ++lost_;
            continue;
        }
        held_.push(Held{now + std::chrono::milliseconds(delay(random_)), arrivals_++, !fromServer,
                        std::vector<std::uint8_t>(buffer, buffer + length)});
    }
    while (!held_.empty() && held_.top().due <= now) {
        const Held& next = held_.top();
        ENetAddress to{};
        to.host = next.towardServer ? loopback : clientHost_;
        to.port = next.towardServer ? serverPort_ : clientPort_;
        ENetBuffer slot{const_cast<std::uint8_t*>(next.bytes.data()), next.bytes.size()};
        if (to.port != 0) {
            enet_socket_send(socket_, &to, &slot, 1);
            ++relayed_;
        }
        held_.pop();
    }
}
