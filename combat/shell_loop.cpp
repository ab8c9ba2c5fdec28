// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of the volley: moving every shell, resolving what it meets, ending it, keeping the
// shell table without gaps.
#include "combat/shell_loop.h"

#include "combat/flight.h"
#include "combat/hits.h"
#include "combat/sounds.h"
#include "game/collision.h"
#include "game/host.h"
#include "game/turns.h"
#include "game/world.h"

namespace {

// The slots that count: never more than the table holds, whatever the counter says.
int shellsInTable(const GameWorld& world) {
    if (world.shellsInFlight < 0) {
        return 0;
    }
    return world.shellsInFlight < shellSlotCount ? world.shellsInFlight : shellSlotCount;
}

// Ends the shell in the slot; the volley's last shell hands the turn on.
void endShell(GameWorld& world, GameHost& host, int slot) {
    removeShell(world, slot);
    if (world.shellsInFlight < 1) {
        passTurn(world, host);
    }
}

}  // namespace

ShellTarget findShellTarget(const GameWorld& world, const Shell& shell) {
    for (const Team* team : {&world.teamA, &world.teamB}) {
        const TeamHit hit = findTeamHit(shell, *team);
        if (hit.result != NoHit) {
            return {hit, -1};
        }
    }
    for (const Team* team : {&world.teamA, &world.teamB}) {
        if (team->prize && testPrizeHit(shell, *team->prize) == PrizeHit) {
            return {{}, team->index};
        }
    }
    return {};
}

bool shellLands(const GameWorld& world, const Shell& shell) {
    return shell.position.y <= 0.0f || boxesOverlap(shell.box, world.arena.barrier.bounds);
}

void removeShell(GameWorld& world, int slot) {
    const int count = shellsInTable(world);
    if (slot < 0 || slot >= count) {
        return;
    }
    world.shells[slot].reset();
    for (int i = slot; i + 1 < count; ++i) {
        world.shells[i] = std::move(world.shells[i + 1]);
    }
    world.shellsInFlight = count - 1;
}

SeenShells updateShells(GameWorld& world, GameHost& host) {
    SeenShells seen;
    int i = 0;
    while (i < shellsInTable(world)) {
        Shell* shell = world.shells[i].get();
        if (shell == nullptr) {
            endShell(world, host, i);  // a gap cannot fly; close it
            continue;
        }
        shell->flightTime += shell->timeStep;
        updatePosition(*shell);

        const ShellTarget hit = findShellTarget(world, *shell);
        if (hit.result() != NoHit) {
            playTaunt(world.random, host);
            if (hit.prizeTeam >= 0) {
                (hit.prizeTeam == 0 ? world.teamA : world.teamB).prize.reset();
            } else if (applyTeamHit(hit.tankHit) == TankDestroyed) {
                if (Tank* shooter = world.currentTank()) {
                    ++shooter->kills;
                }
            }
            endShell(world, host, i);
            host.readoutsChanged();
            continue;
        }

        seen.add(*shell);
        if (shellLands(world, *shell)) {
            endShell(world, host, i);
        } else {
            ++i;
        }
    }
    return seen;
}

SeenShells shellsInFlight(const GameWorld& world) {
    SeenShells seen;
    const int count = shellsInTable(world);
    for (int i = 0; i < count; ++i) {
        if (const Shell* shell = world.shells[i].get()) {
            seen.add(*shell);
        }
    }
    return seen;
}
