// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the message decoder, the setup reader and the world reader. The
// sanitizers catch any read or write outside a buffer; the checks below catch an accepted
// input that does not survive its own round trip, or a refused world that was touched.

#include "game/host.h"
#include "game/world.h"
#include "net/game_setup.h"
#include "net/messages.h"
#include "net/world_snapshot.h"
#include "resources/version.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

GameSetup sampleSetup() {
    GameSetup setup;
    setup.seed = 12345;
    setup.floorLength = 160;
    setup.teams[0] = {
        "Reds",
        {{"ann", 2, 37, PlayerControl::Person}, {"cid", 1, 40, PlayerControl::ComputerEasy}}};
    setup.teams[1] = {"Blues", {{"bob", 3, 41, PlayerControl::ComputerHard}}};
    return setup;
}

// The world every input is read into; built once, as a machine in play has one.
GameWorld& sampleWorld() {
    static GameWorld* world = [] {
        auto* w = new GameWorld;
        SilentHost host;
        if (!buildGame(*w, host, sampleSetup()))
            std::abort();
        return w;
    }();
    return *world;
}

void writeSeed(const std::string& folder, int n, const Bytes& bytes) {
    const std::string path = folder + "/seed-" + std::to_string(n);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

// One message of each kind, a bare setup and a bare world, so the fuzzer starts past the
// kind byte and the counts.
void writeSeeds(const std::string& folder) {
    ByteWriter world;
    writeWorld(world, sampleWorld());
    ByteWriter setup;
    writeSetup(setup, sampleSetup());
    const Message messages[] = {
        HelloMessage{krellmontVersion, "ann"},
        RefusalMessage{RefusalReason::Version, "3.1"},
        WelcomeMessage{2},
        LobbyMessage{{{"ann", true}, {"player3", false}}},
        StartMessage{sampleSetup(), {0, 1, 0}},
        MoveMessage{1, 5, Move::tank(TankAction::RaiseCannon)},
        MoveMessage{0, 9, Move::shield(1)},
        DigestMessage{3, 0xfeedfacecafebeefull},
        WorldMessage{3, 2, {0, 1, 0}, world.bytes()},
        SeatsMessage{{0, 0, 0},
                     {PlayerControl::Person, PlayerControl::ComputerNormal, PlayerControl::Person}},
        LeaveMessage{LeaveReason::Exit},
    };
    int n = 0;
    for (const Message& m : messages)
        writeSeed(folder, n++, encodeMessage(m));
    writeSeed(folder, n++, world.bytes());
    writeSeed(folder, n++, setup.bytes());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* folder = std::getenv("KRELLMONT_FUZZ_SEEDS"))
        writeSeeds(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An accepted message encodes to bytes that decode to the same encoding.
    if (const std::optional<Message> message = decodeMessage(data, size)) {
        const Bytes again = encodeMessage(*message);
        const std::optional<Message> twice = decodeMessage(again);
        if (!twice || encodeMessage(*twice) != again)
            std::abort();
    }

    ByteReader setupIn(data, size);
    const GameSetup setup = readSetup(setupIn);
    if (setupIn.ok()) {
        ByteWriter out;
        writeSetup(out, setup);
        ByteReader back(out.bytes());
        readSetup(back);
        if (!back.finished())
            std::abort();
    }

    // A refused world leaves the machine's world as it was; an accepted one writes back
    // to what was read.
    GameWorld& world = sampleWorld();
    ByteWriter before;
    writeWorld(before, world);
    ByteReader worldIn(data, size);
    if (readWorld(worldIn, world)) {
        ByteWriter after;
        writeWorld(after, world);
        ByteReader reread(after.bytes());
        if (!readWorld(reread, world))
            std::abort();
        ByteReader restore(before.bytes());
        if (!readWorld(restore, world))
            std::abort();
    } else {
        ByteWriter after;
        writeWorld(after, world);
        if (after.bytes() != before.bytes())
            std::abort();
    }
    return 0;
}
