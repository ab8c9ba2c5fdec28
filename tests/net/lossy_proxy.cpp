// SPDX-License-Identifier: GPL-3.0-or-later
// The lossy relay's bodies.
#include "tests/net/lossy_proxy.h"

#include <algorithm>

namespace {

ENetSocket boundSocket(std::uint16_t port) {
    ENetSocket s = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    enet_socket_set_option(s, ENET_SOCKOPT_NONBLOCK, 1);
    ENetAddress a{};
    a.host = ENET_HOST_ANY;
    a.port = port;
    enet_socket_bind(s, &a);
    return s;
}

}  // namespace

LossyProxy::LossyProxy(std::uint16_t listenPort, std::uint16_t serverPort, double dropShare,
                       std::uint32_t maxDelayMs, std::uint32_t seed)
    : front_(boundSocket(listenPort)),
      random_(seed),
      dropShare_(dropShare),
      maxDelayMs_(maxDelayMs) {
    enet_address_set_host_ip(&server_, "127.0.0.1");
    server_.port = serverPort;
}

LossyProxy::~LossyProxy() {
    enet_socket_destroy(front_);
    for (auto& [key, socket] : backs_)
        enet_socket_destroy(socket);
}

void LossyProxy::take(ENetSocket socket, bool fromClient) {
    std::uint8_t data[4096];
    ENetBuffer buffer{};
    ENetAddress from{};
    for (;;) {
        buffer.data = data;
        buffer.dataLength = sizeof data;
        const int n = enet_socket_receive(socket, &from, &buffer, 1);
        if (n <= 0)
            return;
        if (std::uniform_real_distribution<double>(0, 1)(random_) < dropShare_) {
            ++dropped;
            continue;
        }
        Datagram d;
        d.due =
            enet_time_get() + std::uniform_int_distribution<std::uint32_t>(0, maxDelayMs_)(random_);
        d.bytes.assign(data, data + n);
        if (fromClient) {
            const std::uint64_t key = std::uint64_t{from.host} << 16 | from.port;
            auto back = backs_.find(key);
            if (back == backs_.end()) {
                back = backs_.emplace(key, boundSocket(0)).first;
                clientOf_[back->second] = from;
            }
            d.from = back->second;
            d.to = server_;
        } else {
            d.from = front_;
            d.to = clientOf_[socket];
        }
        queue_.push_back(std::move(d));
    }
}

void LossyProxy::pump() {
    take(front_, true);
    for (auto& [key, socket] : backs_)
        take(socket, false);
    const std::uint32_t now = enet_time_get();
    for (auto it = queue_.begin(); it != queue_.end();) {
        if (static_cast<std::int32_t>(now - it->due) < 0) {
            ++it;
            continue;
        }
        ENetBuffer buffer{};
        buffer.data = it->bytes.data();
        buffer.dataLength = it->bytes.size();
        enet_socket_send(it->from, &it->to, &buffer, 1);
        ++passed;
        it = queue_.erase(it);
    }
}
