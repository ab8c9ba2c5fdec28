// SPDX-License-Identifier: GPL-3.0-or-later
// Where a shell is at its flight time: position, box and corners on its ballistic path.
#include "combat/flight.h"

#include "combat/launch.h"
#include "game/angles.h"
#include "game/shell.h"

#include <cmath>

void updatePosition(Shell& shell) {
    const double t = shell.flightTime;
    const double a = degreesToRadians(shell.heading + shell.turretAngle);
    const double k = Shell::halfSize;

    const double y = shell.launchY + shell.verticalSpeed * t - 0.5 * gravity * std::pow(t, 2.0);
    shell.position.y = static_cast<float>(y);
    shell.box.ymax = static_cast<float>(y + k);
    shell.box.ymin = static_cast<float>(y - k);

    const double s = shell.launchDistance + shell.horizontalSpeed * t;

    const double x = shell.launchX - s * std::cos(a);
    shell.position.x = static_cast<float>(x);
    shell.box.xmax = static_cast<float>(x + k);
    shell.box.xmin = static_cast<float>(x - k);

    const double z = shell.launchZ + s * std::sin(a);
    shell.position.z = static_cast<float>(z);
    shell.box.zmax = static_cast<float>(z + k);
    shell.box.zmin = static_cast<float>(z - k);

    syncCorners(shell);
}
