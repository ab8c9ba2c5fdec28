// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding and bounded decoding of the network messages.
#include "net/messages.h"

#include "game/names.h"
#include "net/transport.h"

namespace {

// The kind byte that starts each message: its index in the variant, plus one so that a
// zeroed buffer is no message.
constexpr std::uint8_t kindOf(const Message& m) {
    return static_cast<std::uint8_t>(m.index() + 1);
}

void writeOwners(ByteWriter& out, const SeatOwners& owners) {
    out.u8(static_cast<std::uint8_t>(owners.size()));
    for (MachineId m : owners)
        out.u8(m);
}

SeatOwners readOwners(ByteReader& in) {
    const int count = in.u8();
    if (count > maxSeats) {
        in.refuse();
        return {};
    }
    SeatOwners owners;
    for (int i = 0; i < count && in.ok(); ++i) {
        const MachineId m = in.u8();
        if (m >= maxMachines)
            in.refuse();
        owners.push_back(m);
    }
    return owners;
}

struct Writer {
    ByteWriter& out;
    void operator()(const HelloMessage& m) {
        out.text(m.version, maxVersionLength);
        out.text(m.name, nameCapacity - 1);
    }
    void operator()(const RefusalMessage& m) {
        out.u8(static_cast<std::uint8_t>(m.reason));
        out.text(m.hostVersion, maxVersionLength);
    }
    void operator()(const WelcomeMessage& m) { out.u8(m.machine); }
    void operator()(const LobbyMessage& m) {
        out.u8(static_cast<std::uint8_t>(m.seats.size()));
        for (const LobbySeat& s : m.seats) {
            out.text(s.name, nameCapacity - 1);
            out.boolean(s.taken);
        }
    }
    void operator()(const StartMessage& m) {
        writeSetup(out, m.setup);
        writeOwners(out, m.owners);
    }
    void operator()(const MoveMessage& m) {
        out.u8(m.seat);
        out.u32(m.sequence);
        out.u8(static_cast<std::uint8_t>(m.move.action));
        out.u8(static_cast<std::uint8_t>(m.move.shieldKind + 1));
    }
    void operator()(const DigestMessage& m) {
        out.u32(m.turn);
        out.u32(static_cast<std::uint32_t>(m.digest));
        out.u32(static_cast<std::uint32_t>(m.digest >> 32));
    }
    void operator()(const WorldMessage& m) {
        out.u32(m.turn);
        out.u32(m.lastMoveSeen);
        writeOwners(out, m.owners);
        out.u32(static_cast<std::uint32_t>(m.world.size()));
        out.raw(m.world);
    }
    void operator()(const SeatsMessage& m) {
        writeOwners(out, m.owners);
        for (PlayerControl c : m.controls)
            out.u8(static_cast<std::uint8_t>(c));
    }
    void operator()(const LeaveMessage& m) { out.u8(static_cast<std::uint8_t>(m.reason)); }
};

// An enumerator sent as one byte; anything past `last` is refused.
template <typename Enum>
Enum readEnum(ByteReader& in, Enum last) {
    const std::uint8_t value = in.u8();
    if (value > static_cast<std::uint8_t>(last))
        in.refuse();
    return static_cast<Enum>(value);
}

std::string readName(ByteReader& in) {
    return cleanName(in.text(nameCapacity - 1));
}

HelloMessage readHello(ByteReader& in) {
    HelloMessage m;
    m.version = in.text(maxVersionLength);
    m.name = readName(in);
    return m;
}

}  // namespace

Bytes encodeMessage(const Message& message) {
    ByteWriter out;
    out.u8(kindOf(message));
    std::visit(Writer{out}, message);
    return out.take();
}

std::optional<Message> decodeMessage(const std::uint8_t* data, std::size_t size) {
    if (size > maxMessageBytes) {
        return std::nullopt;
    }
    ByteReader in(data, size);
    std::optional<Message> result;
    switch (in.u8()) {
        case 1:
            result = readHello(in);
            break;
        case 2: {
            RefusalMessage m;
            m.reason = readEnum(in, RefusalReason::Closed);
            m.hostVersion = in.text(maxVersionLength);
            result = m;
            break;
        }
        case 3: {
            WelcomeMessage m;
            m.machine = in.u8();
            if (m.machine == hostMachine || m.machine >= maxMachines)
                in.refuse();
            result = m;
            break;
        }
        case 4: {
            LobbyMessage m;
            const int count = in.u8();
            if (count > maxSeats)
                in.refuse();
            for (int i = 0; i < count && in.ok(); ++i) {
                LobbySeat s;
                s.name = readName(in);
                s.taken = in.boolean();
                m.seats.push_back(s);
            }
            result = m;
            break;
        }
        case 5: {
            StartMessage m;
            m.setup = readSetup(in);
            m.owners = readOwners(in);
            int seats = 0;
            for (const TeamSetup& t : m.setup.teams)
                seats += static_cast<int>(t.players.size());
            if (static_cast<int>(m.owners.size()) != seats)
                in.refuse();
            result = m;
            break;
        }
        case 6: {
            MoveMessage m;
            m.seat = in.u8();
            m.sequence = in.u32();
            m.move.action = static_cast<TankAction>(in.u8());
            m.move.shieldKind = static_cast<std::int32_t>(in.u8()) - 1;
            // Checked before the cast is trusted: valid() compares within the enum's range.
            if (m.seat >= maxSeats || !m.move.valid())
                in.refuse();
            result = m;
            break;
        }
        case 7: {
            DigestMessage m;
            m.turn = in.u32();
            const std::uint64_t low = in.u32();
            m.digest = low | static_cast<std::uint64_t>(in.u32()) << 32;
            result = m;
            break;
        }
        case 8: {
            WorldMessage m;
            m.turn = in.u32();
            m.lastMoveSeen = in.u32();
            m.owners = readOwners(in);
            const std::uint32_t length = in.u32();
            if (length != in.remaining()) {
                in.refuse();
            } else {
                m.world.assign(data + (size - length), data + size);
                for (std::uint32_t i = 0; i < length; ++i)
                    in.u8();
            }
            result = m;
            break;
        }
        case 9: {
            SeatsMessage m;
            m.owners = readOwners(in);
            for (std::size_t i = 0; i < m.owners.size() && in.ok(); ++i) {
                m.controls.push_back(readEnum(in, PlayerControl::ComputerHard));
            }
            result = m;
            break;
        }
        case 10: {
            LeaveMessage m;
            m.reason = readEnum(in, LeaveReason::Exit);
            result = m;
            break;
        }
        default:
            return std::nullopt;
    }
    if (!in.finished()) {
        return std::nullopt;
    }
    return result;
}
