// SPDX-License-Identifier: GPL-3.0-or-later
// Flies one trial shell frame by frame on a copy until it meets something or lands.
#include "combat/trial_shot.h"

#include "combat/flight.h"
#include "combat/launch.h"

namespace {
// Far beyond the longest flight at full power (about 530 frames): a safety net only.
constexpr int frameLimit = 100000;
}  // namespace

ShellFate traceShell(const GameWorld& world, const Tank& tank, int cannon) {
    Shell shell;
    loadShell(shell, tank, cannon);
    ShellFate fate;
    for (int frame = 0; frame < frameLimit; ++frame) {
        shell.flightTime += shell.timeStep;
        updatePosition(shell);
        fate.target = findShellTarget(world, shell);
        if (fate.target.result() != NoHit || shellLands(world, shell)) {
            break;
        }
    }
    fate.end = shell.position;
    return fate;
}
