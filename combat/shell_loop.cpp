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

HitResult testTargets(GameWorld& world, const Shell& shell, Team** prizeOwner) {
    HitResult result = testTeamHit(shell, world.teamA);
    if (result != NoHit) {
        return result;
    }
    result = testTeamHit(shell, world.teamB);
    if (result != NoHit) {
        return result;
    }
    for (Team* team : {&world.teamA, &world.teamB}) {
        if (team->prize && testPrizeHit(shell, *team->prize) == PrizeHit) {
            *prizeOwner = team;
            return PrizeHit;
        }
    }
    return NoHit;
}

// Ends the shell in the slot; the volley's last shell hands the turn on.
void endShell(GameWorld& world, GameHost& host, int slot) {
    removeShell(world, slot);
    if (world.shellsInFlight < 1) {
        passTurn(world, host);
    }
}

}  // namespace

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

void updateShells(GameWorld& world, GameHost& host, ShellPainter& painter) {
    int i = 0;
    while (i < shellsInTable(world)) {
        Shell* shell = world.shells[i].get();
        if (shell == nullptr) {
            endShell(world, host, i);  // a gap cannot fly; close it
            continue;
        }
        shell->flightTime += shell->timeStep;
        updatePosition(*shell);

        Team* prizeOwner = nullptr;
        const HitResult hit = testTargets(world, *shell, &prizeOwner);
        if (hit != NoHit) {
            playTaunt(world.random, host);
            if (hit == TankDestroyed) {
                if (Tank* shooter = world.currentTank()) {
                    ++shooter->kills;
                }
            } else if (hit == PrizeHit) {
                prizeOwner->prize.reset();
            }
            endShell(world, host, i);
            host.readoutsChanged();
            continue;
        }

        painter.paintShell(*shell);
        if (shell->position.y <= 0.0f) {
            endShell(world, host, i);
        } else if (boxesOverlap(shell->box, world.arena.barrier.bounds)) {
            endShell(world, host, i);
        } else {
            ++i;
        }
    }
}

void paintShellsPaused(const GameWorld& world, ShellPainter& painter) {
    const int count = shellsInTable(world);
    for (int i = 0; i < count; ++i) {
        if (const Shell* shell = world.shells[i].get()) {
            painter.paintShell(*shell);
        }
    }
}
