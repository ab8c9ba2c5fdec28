// SPDX-License-Identifier: GPL-3.0-or-later
// The world's rule state as one list of fields, run to write it, to read it back with every
// value checked, and to digest it.
#include "net/world_snapshot.h"

#include "combat/shields.h"
#include "game/new_game.h"
#include "game/setup_dialogs.h"
#include "game/world.h"
#include "net/field_codec.h"

#include <climits>
#include <memory>

namespace {

constexpr std::int32_t maxTeamTanks = maxPlayersPerTeam * maxTanksPerPlayer;
constexpr std::int32_t maxSerial = 2 * maxTeamTanks;
constexpr std::int32_t maxPlayerNumber = 2 * maxPlayersPerTeam;
// Nothing of a game lies farther from the centre than the largest floor is long.
constexpr float coordinateLimit = maxFloorLength;
// startPrizeCountdown draws 0..40 and the barrier is 0..49 high.
constexpr std::int32_t maxPrizeCountdown = 40;
constexpr float highestBarrier = 49.0f;

// The roster's lists, prizes and links, which the writer walks and the reader builds.
class SnapshotWriter : public FieldWriter {
  public:
    using FieldWriter::FieldWriter;

    void random(const GameRandom& random) { word(random.state()); }
    void currentTeam(const GameWorld& world) {
        out_.i32(world.currentTeam == &world.teamB ? 1 : 0);
    }
    template <typename Visit>
    void prize(const std::unique_ptr<Prize>& prize, Visit&& visit) {
        flag(prize != nullptr);
        if (prize != nullptr)
            visit(*prize);
    }
    template <typename Visit>
    void players(const Team& team, Visit&& visit) {
        chain(team.firstPlayer, team.currentPlayer, visit);
    }
    template <typename Visit>
    void tanks(const Player& player, Visit&& visit) {
        chain(player.firstTank, player.currentTank, visit);
    }

  private:
    // The length, every element, then which one is current (-1 for none).
    template <typename Node, typename Visit>
    void chain(const Node* first, const Node* current, Visit& visit) {
        std::int32_t count = 0;
        std::int32_t currentIndex = -1;
        for (const Node* n = first; n != nullptr; n = n->next) {
            if (n == current)
                currentIndex = count;
            ++count;
        }
        out_.i32(count);
        for (const Node* n = first; n != nullptr; n = n->next)
            visit(*n);
        out_.i32(currentIndex);
    }
};

class SnapshotReader : public FieldReader {
  public:
    // New tanks and prizes start as copies of the blanks: what the snapshot does not hold
    // (faces, models) is what a new one has.
    SnapshotReader(ByteReader& in, const TankListTable& lists, const Tank& blankTank,
                   const Prize& blankPrize)
        : FieldReader(in), lists_(lists), blankTank_(blankTank), blankPrize_(blankPrize) {}

    void random(GameRandom& random) { random.seed(in_.u32()); }
    void currentTeam(GameWorld& world) {
        world.currentTeam = in_.ranged(0, 1) == 0 ? &world.teamA : &world.teamB;
    }
    template <typename Visit>
    void prize(std::unique_ptr<Prize>& prize, Visit&& visit) {
        const bool present = in_.boolean();
        prize.reset();
        if (present && ok()) {
            prize = std::make_unique<Prize>(blankPrize_);
            visit(*prize);
            prize->syncCorners();
        }
    }
    template <typename Visit>
    void players(Team& team, Visit&& visit) {
        team.freePlayers();
        const std::int32_t count = in_.ranged(0, maxPlayersPerTeam);
        for (std::int32_t i = 0; i < count && ok(); ++i)
            visit(team.appendPlayer(std::make_unique<Player>()));
        team.currentPlayer = nth(team.firstPlayer, in_.ranged(-1, count - 1));
    }
    template <typename Visit>
    void tanks(Player& player, Visit&& visit) {
        player.freeTanks();
        const std::int32_t count = in_.ranged(0, maxTanksPerPlayer);
        for (std::int32_t i = 0; i < count && ok(); ++i) {
            Tank& tank = player.appendTank(std::make_unique<Tank>(blankTank_));
            visit(tank);
            // The display lists are this machine's, chosen as a new tank's are.
            useCamouflageLists(lists_, player.camouflage, tank);
            tank.syncCorners();
        }
        player.currentTank = nth(player.firstTank, in_.ranged(-1, count - 1));
    }

  private:
    template <typename Node>
    static Node* nth(Node* first, std::int32_t index) {
        Node* n = index < 0 ? nullptr : first;
        for (; n != nullptr && index > 0; --index)
            n = n->next;
        return n;
    }

    const TankListTable& lists_;
    const Tank& blankTank_;
    const Prize& blankPrize_;
};

// Each visit takes its object const when writing, so one list of fields serves both ways.

template <typename Io, typename V>
void visitPoint(Io& io, V& v) {
    io.real(v.x, -coordinateLimit, coordinateLimit);
    io.real(v.y, -coordinateLimit, coordinateLimit);
    io.real(v.z, -coordinateLimit, coordinateLimit);
}

template <typename Io, typename B>
void visitBox(Io& io, B& b) {
    for (auto* bound : {&b.xmin, &b.xmax, &b.ymin, &b.ymax, &b.zmin, &b.zmax})
        io.real(*bound, -coordinateLimit, coordinateLimit);
}

// Corners follow from the box (syncCorners) and the display lists from the camouflage.
template <typename Io, typename T>
void visitTank(Io& io, T& tank) {
    io.integer(tank.number, 0, maxTanksPerPlayer);
    io.integer(tank.serial, 0, maxSerial);
    for (auto& cannon : tank.cannons) {
        // Slots beyond cannonCount hold no camouflage yet.
        io.integer(cannon.camouflage, INT32_MIN, INT32_MAX);
        io.require(cannon.camouflage == 0 || camouflageListSlot(cannon.camouflage) >= 0);
        io.real(cannon.lateralOffset, -Tank::footprintHalf, Tank::footprintHalf);
    }
    io.integer(tank.cannonCount, 1, Tank::maxCannons);
    io.integer(tank.kills, 0, maxTeamTanks);
    io.flag(tank.destroyed);
    io.flag(tank.placed);
    io.integer(tank.mileage, 0, Tank::maxMileage);
    io.real(tank.power, Tank::minPower, Tank::maxPower);
    io.integer(tank.elevation, Tank::highestElevation, Tank::levelElevation);
    io.integer(tank.turretAngle, 0, 360);
    io.integer(tank.turretYaw, 0, 360);
    io.integer(tank.heading, 0, 360);
    io.require(tank.heading % 90 == 0);
    visitPoint(io, tank.position);
    visitBox(io, tank.box);
    io.flag(tank.shieldActive);
    io.real(tank.shieldStrength, 0.0f, shieldCapacity(StrongShield));
    io.integer(tank.shieldKind, WeakShield, StrongShield);
    io.integer(tank.weakShields, 0, INT32_MAX);
    io.integer(tank.mediumShields, 0, INT32_MAX);
    io.integer(tank.strongShields, 0, INT32_MAX);
}

template <typename Io, typename P>
void visitPlayer(Io& io, P& player) {
    io.integer(player.number, 0, maxPlayerNumber);
    io.name(player.name);
    io.control(player.control);
    io.integer(player.camouflage, INT32_MIN, INT32_MAX);
    io.require(camouflageListSlot(player.camouflage) >= 0);
    io.integer(player.tankCount, 0, maxTanksPerPlayer);
    io.tanks(player, [&io](auto& tank) { visitTank(io, tank); });
}

template <typename Io, typename T>
void visitTeam(Io& io, T& team, std::int32_t index) {
    io.name(team.name);
    io.integer(team.playerCount, 0, maxPlayersPerTeam);
    io.integer(team.tankTotal, 0, maxTeamTanks);
    io.integer(team.index, index, index);
    io.prize(team.prize, [&io](auto& prize) {
        io.integer(prize.kind, WeakShieldPrize, CannonPrize);
        visitPoint(io, prize.position);
        visitBox(io, prize.box);
    });
    io.players(team, [&io](auto& player) { visitPlayer(io, player); });
}

// The arena's walls and floor corners follow from halfSide and barrierHeight (rebuild).
template <typename Io, typename W>
void visitWorld(Io& io, W& world) {
    // Shells are not carried: a snapshot from the middle of a volley is marked and refused.
    bool volley = world.shotInProgress || world.shellsInFlight != 0;
    io.flag(volley);
    io.require(!volley);
    io.flag(world.setupInProgress);
    io.flag(world.firstGame);
    io.integer(world.playerCounter, 0, maxPlayerNumber);
    io.integer(world.tankSerialCounter, 0, maxSerial);
    io.real(world.arena.halfSide, minFloorLength / 2, maxFloorLength / 2);
    io.real(world.arena.barrierHeight, 0.0f, highestBarrier);
    io.real(world.stepLength, 0.0f, coordinateLimit);
    io.integer(world.prizeCountdown, 0, maxPrizeCountdown);
    io.random(world.random);
    visitTeam(io, world.teamA, 0);
    visitTeam(io, world.teamB, 1);
    io.currentTeam(world);
}

bool readInto(ByteReader& in, GameWorld& world, const TankListTable& lists, const Tank& blankTank,
              const Prize& blankPrize) {
    SnapshotReader io(in, lists, blankTank, blankPrize);
    visitWorld(io, world);
    if (!io.ok())
        return false;
    world.arena.rebuild();
    for (auto& slot : world.shells)
        slot.reset();
    world.shellsInFlight = 0;
    world.shotInProgress = false;
    return true;
}

}  // namespace

void writeWorld(ByteWriter& out, const GameWorld& world) {
    SnapshotWriter io(out);
    visitWorld(io, world);
}

bool readWorld(ByteReader& in, GameWorld& world) {
    GameWorld scratch;
    const Tank blankTank(scratch);
    GameRandom unused;
    const Prize blankPrize(unused);
    // Read first into a world of its own, so a refused snapshot leaves this one as it was;
    // then, the bytes known good, into this one: the checks depend on the bytes alone.
    ByteReader again = in;
    if (!readInto(in, scratch, world.tankLists, blankTank, blankPrize))
        return false;
    return readInto(again, world, world.tankLists, blankTank, blankPrize);
}

std::uint64_t worldDigest(const GameWorld& world) {
    ByteWriter out;
    SnapshotWriter io(out, /*identities=*/false);
    visitWorld(io, world);
    // 64-bit FNV-1a.
    std::uint64_t hash = 14695981039346656037u;
    for (std::uint8_t byte : out.bytes()) {
        hash ^= byte;
        hash *= 1099511628211u;
    }
    return hash;
}
