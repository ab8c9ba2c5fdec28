// SPDX-License-Identifier: GPL-3.0-or-later
// The world's rule state as one list of fields, walked to write it, to read it back with
// every value checked, and to digest it.
#include "net/world_snapshot.h"

#include "combat/shields.h"
#include "game/names.h"
#include "game/setup_dialogs.h"
#include "game/world.h"
#include "net/messages.h"

#include <cstring>
#include <memory>

namespace {

// Far beyond any floor the dialogs allow; positions outside are no game's.
constexpr float farAway = 10000.0f;

// Walks the fields for writing (and digesting: names and controls left out).
class Out {
  public:
    Out(ByteWriter& out, bool identity) : out_(out), identity_(identity) {}
    static constexpr bool reading = false;

    void whole(std::int32_t& v, std::int32_t, std::int32_t) { out_.i32(v); }
    void real(float& v, float, float) { out_.f32(v); }
    void flag(bool& v) { out_.boolean(v); }
    void word(std::uint32_t& v) { out_.u32(v); }
    void name(char (&v)[nameCapacity]) {
        if (identity_)
            out_.text(std::string(v, strnlen(v, nameCapacity)), nameCapacity - 1);
    }
    void control(PlayerControl& c) {
        if (identity_)
            out_.u8(static_cast<std::uint8_t>(c));
    }
    bool ok() const { return true; }

  private:
    ByteWriter& out_;
    bool identity_;
};

// Walks the fields for reading: every value is checked against its range.
class In {
  public:
    explicit In(ByteReader& in) : in_(in) {}
    static constexpr bool reading = true;

    void whole(std::int32_t& v, std::int32_t lo, std::int32_t hi) { v = in_.ranged(lo, hi); }
    void real(float& v, float lo, float hi) {
        v = in_.f32();
        if (!(v >= lo && v <= hi))
            in_.refuse();
    }
    void flag(bool& v) { v = in_.boolean(); }
    void word(std::uint32_t& v) { v = in_.u32(); }
    void name(char (&v)[nameCapacity]) { copyName(v, cleanName(in_.text(nameCapacity - 1))); }
    void control(PlayerControl& c) {
        const std::uint8_t v = in_.u8();
        if (v > static_cast<std::uint8_t>(PlayerControl::ComputerHard))
            in_.refuse();
        c = static_cast<PlayerControl>(v);
    }
    bool ok() const { return in_.ok(); }

  private:
    ByteReader& in_;
};

template <typename Io>
void point(Io& io, Vec3& v) {
    io.real(v.x, -farAway, farAway);
    io.real(v.y, -farAway, farAway);
    io.real(v.z, -farAway, farAway);
}

template <typename Io>
void box(Io& io, Box& b) {
    for (float* f : {&b.xmin, &b.xmax, &b.ymin, &b.ymax, &b.zmin, &b.zmax})
        io.real(*f, -farAway, farAway);
}

template <typename Io>
void corners(Io& io, Corners& c) {
    for (Vec3& v : c)
        point(io, v);
}

// The index of `item` in a linked list, -1 for none; written as a number, read back as one.
template <typename T>
std::int32_t indexIn(const T* first, const T* item) {
    std::int32_t i = 0;
    for (const T* p = first; p != nullptr; p = p->next, ++i)
        if (p == item)
            return i;
    return -1;
}

template <typename T>
T* atIndex(T* first, std::int32_t index) {
    for (T* p = first; p != nullptr; p = p->next, --index)
        if (index == 0)
            return p;
    return nullptr;
}

template <typename Io>
void tankFields(Io& io, Tank& t) {
    io.whole(t.number, 1, maxTanksPerPlayer);
    io.whole(t.serial, 1, 1 << 20);
    io.whole(t.cannonCount, 1, Tank::maxCannons);
    for (Cannon& c : t.cannons) {
        io.whole(c.camouflage, 0, Forest2Camouflage);
        io.real(c.lateralOffset, -farAway, farAway);
    }
    io.whole(t.kills, 0, 1 << 20);
    io.flag(t.destroyed);
    io.flag(t.placed);
    io.whole(t.mileage, 0, Tank::maxMileage);
    io.real(t.power, Tank::minPower, Tank::maxPower);
    io.whole(t.elevation, Tank::highestElevation, Tank::levelElevation);
    io.whole(t.turretAngle, -720, 720);
    io.whole(t.turretYaw, -720, 720);
    io.whole(t.heading, 0, 360);
    point(io, t.position);
    corners(io, t.corners);
    box(io, t.box);
    io.flag(t.shieldActive);
    io.real(t.shieldStrength, -farAway, farAway);
    io.whole(t.shieldKind, 0, shieldKindCount - 1);
    io.whole(t.weakShields, 0, 1 << 20);
    io.whole(t.mediumShields, 0, 1 << 20);
    io.whole(t.strongShields, 0, 1 << 20);
}

template <typename Io>
void prizeFields(Io& io, Prize& p) {
    io.whole(p.kind, WeakShieldPrize, CannonPrize);
    point(io, p.position);
    box(io, p.box);
    corners(io, p.corners);
}

// Counts first, then the items; a reader makes each item as it meets it, so nothing is
// read into what does not exist.
template <typename Io>
void playerFields(Io& io, GameWorld& world, Player& p) {
    io.whole(p.number, 1, maxSeats);
    io.name(p.name);
    io.control(p.control);
    io.whole(p.camouflage, BlueCamouflage, Forest2Camouflage);
    io.whole(p.tankCount, 1, maxTanksPerPlayer);
    std::int32_t current = indexIn(p.firstTank, p.currentTank);
    io.whole(current, -1, maxTanksPerPlayer - 1);
    if constexpr (Io::reading) {
        const int slot = camouflageListSlot(p.camouflage);
        for (int i = 0; i < p.tankCount && io.ok(); ++i) {
            Tank& t = p.appendTank(std::make_unique<Tank>(world));
            tankFields(io, t);
            if (slot >= 0) {
                t.hull.displayListId = world.tankLists.hullLists[slot];
                t.deck.displayListId = world.tankLists.deckLists[slot];
                t.turret.displayListId = world.tankLists.turretLists[slot];
            }
        }
        p.currentTank = atIndex(p.firstTank, current);
    } else {
        for (Tank* t = p.firstTank; t != nullptr; t = t->next)
            tankFields(io, *t);
    }
}

template <typename Io>
void teamFields(Io& io, GameWorld& world, Team& team) {
    io.name(team.name);
    io.whole(team.playerCount, 1, maxPlayersPerTeam);
    io.whole(team.tankTotal, 0, maxPlayersPerTeam * maxTanksPerPlayer);
    bool hasPrize = team.prize != nullptr;
    io.flag(hasPrize);
    std::int32_t current = indexIn(team.firstPlayer, team.currentPlayer);
    io.whole(current, -1, maxPlayersPerTeam - 1);
    if constexpr (Io::reading) {
        if (hasPrize && io.ok()) {
            GameRandom unused;
            team.prize = std::make_unique<Prize>(unused);
            prizeFields(io, *team.prize);
        }
        for (int i = 0; i < team.playerCount && io.ok(); ++i) {
            Player& p = team.appendPlayer(std::make_unique<Player>());
            playerFields(io, world, p);
        }
        team.currentPlayer = atIndex(team.firstPlayer, current);
    } else {
        if (hasPrize)
            prizeFields(io, *team.prize);
        for (Player* p = team.firstPlayer; p != nullptr; p = p->next)
            playerFields(io, world, *p);
    }
}

template <typename Io>
void worldFields(Io& io, GameWorld& world) {
    std::uint32_t random = world.random.state();
    io.word(random);
    // Kept aside while reading: making the tanks counts serials up.
    std::int32_t players = world.playerCounter;
    std::int32_t serials = world.tankSerialCounter;
    io.whole(players, 0, maxSeats);
    io.whole(serials, 0, 1 << 20);
    io.real(world.arena.halfSide, minFloorLength / 2, maxFloorLength / 2);
    io.real(world.arena.barrierHeight, 0.0f, 50.0f);
    io.real(world.stepLength, 0.0f, 100.0f);
    io.whole(world.prizeCountdown, -(1 << 20), 1 << 20);
    std::int32_t current = world.currentTeam == &world.teamB ? 1 : 0;
    io.whole(current, 0, 1);
    teamFields(io, world, world.teamA);
    teamFields(io, world, world.teamB);
    if constexpr (Io::reading) {
        world.random.seed(random);
        world.playerCounter = players;
        world.tankSerialCounter = serials;
        world.currentTeam = current == 1 ? &world.teamB : &world.teamA;
    }
}

void clearGame(GameWorld& world) {
    for (Team* team : {&world.teamA, &world.teamB}) {
        team->freePlayers();
        team->prize.reset();
    }
}

// What the rules take for granted of a roster: a current player with a current tank, and
// numbers that match the lists.
bool coherent(const GameWorld& world) {
    for (const Team* team : {&world.teamA, &world.teamB}) {
        if (team->currentPlayer == nullptr || team->currentPlayer->currentTank == nullptr)
            return false;
        for (const Player* p = team->firstPlayer; p != nullptr; p = p->next)
            if (p->currentTank == nullptr)
                return false;
    }
    return true;
}

bool readInto(ByteReader& in, GameWorld& world) {
    clearGame(world);
    In io(in);
    worldFields(io, world);
    return in.ok() && coherent(world);
}

}  // namespace

void writeWorld(ByteWriter& out, const GameWorld& world) {
    Out io(out, true);
    // Walked, not changed: the walk is shared with the reader, which does change it.
    worldFields(io, const_cast<GameWorld&>(world));
}

bool readWorld(ByteReader& in, GameWorld& world) {
    // Read once into a world off to the side; only a world that reads whole is read again
    // into the game's.
    ByteReader trial = in;
    GameWorld staged;
    staged.tankLists = world.tankLists;
    if (!readInto(trial, staged)) {
        return false;
    }
    readInto(in, world);
    for (auto& slot : world.shells) {
        slot.reset();
    }
    world.shellsInFlight = 0;
    world.shotInProgress = false;
    world.setupInProgress = false;
    world.firstGame = false;
    world.arena.rebuild();
    return true;
}

std::uint64_t worldDigest(const GameWorld& world) {
    ByteWriter out;
    Out io(out, false);
    worldFields(io, const_cast<GameWorld&>(world));
    // FNV-1a: quick, and any drift worth healing changes it.
    std::uint64_t hash = 14695981039346656037ull;
    for (std::uint8_t b : out.bytes()) {
        hash = (hash ^ b) * 1099511628211ull;
    }
    return hash;
}
