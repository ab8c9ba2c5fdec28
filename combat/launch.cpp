// SPDX-License-Identifier: GPL-3.0-or-later
// A shell's launch: its box, the muzzle point of its cannon, the launch speeds, and the volley
// filling the shell table.
#include "combat/launch.h"

#include "game/angles.h"
#include "game/world.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {

// Turret pivot: ahead of the hull centre, and above the floor by track plus hull height.
constexpr double pivotAhead = 3.0;
constexpr double hullTop = 3.25;
constexpr double turretHeight = 1.0;
constexpr double barrelLength = 6.0;

double elevationRadians(const Tank& tank) {
    return degreesToRadians(std::abs(tank.elevation));
}

}  // namespace

std::unique_ptr<Shell> allocateShell() {
    return std::unique_ptr<Shell>(new (std::nothrow) Shell());
}

void syncCorners(Shell& shell) {
    shell.corners = shellLayoutCorners(shell.box);
}

void resetBox(Shell& shell) {
    const float k = Shell::halfSide;
    shell.box = Box{-k, k, -k, k, -k, k};
    // Overwritten by liftBox before anything draws them.
    shell.corners = {{{-k, -k, k},
                      {k, -k, k},
                      {k, k, k},
                      {-k, k, k},
                      {-k, -k, -k},
                      {k, -k, -k},
                      {k, k, -k},
                      {-k, k, -k}}};
    shell.faces = shellFaces;
}

void placeAtMuzzle(Shell& shell, const Tank& tank, std::int32_t azimuth) {
    shell.position.x += tank.position.x;
    shell.box.xmin += tank.position.x;
    shell.box.xmax += tank.position.x;
    shell.position.z += tank.position.z;
    shell.box.zmin += tank.position.z;
    shell.box.zmax += tank.position.z;

    const double a = degreesToRadians(azimuth);
    const double side = degreesToRadians(90 - azimuth);
    const double c = shell.lateralOffset;
    const double e = elevationRadians(tank);
    const double reach = barrelLength * std::fabs(std::cos(e));
    const double dx = -pivotAhead * std::cos(a) - c * std::cos(side) - reach * std::cos(a);
    const double dz = pivotAhead * std::sin(a) - c * std::sin(side) + reach * std::sin(a);
    shell.position.x = static_cast<float>(shell.position.x + dx);
    shell.box.xmin = static_cast<float>(shell.box.xmin + dx);
    shell.box.xmax = static_cast<float>(shell.box.xmax + dx);
    shell.position.z = static_cast<float>(shell.position.z + dz);
    shell.box.zmin = static_cast<float>(shell.box.zmin + dz);
    shell.box.zmax = static_cast<float>(shell.box.zmax + dz);

    // Tanks stand on the floor, so the tank's own y plays no part.
    shell.position.y =
        static_cast<float>(0.0 + hullTop + turretHeight + barrelLength * std::sin(e));
}

void launchShell(Shell& shell, const Tank& tank, std::int32_t azimuth) {
    shell.power = tank.power;
    shell.turretAngle = tank.turretAngle;
    shell.heading = tank.heading;
    placeAtMuzzle(shell, tank, azimuth);
    shell.launchY = shell.position.y;
    shell.launchX = shell.position.x;
    shell.launchZ = shell.position.z;
    shell.launchDistance = 0.0;
    const double e = elevationRadians(tank);
    shell.verticalSpeed = std::sin(e) * shell.power;
    shell.horizontalSpeed = std::cos(e) * shell.power;
}

void liftBox(Shell& shell, const Tank& tank) {
    const double lift[] = {hullTop, turretHeight,
                           barrelLength * std::fabs(std::sin(elevationRadians(tank)))};
    for (double step : lift) {
        shell.box.ymin = static_cast<float>(shell.box.ymin + step);
        shell.box.ymax = static_cast<float>(shell.box.ymax + step);
    }
    syncCorners(shell);
}

void loadShell(Shell& shell, const Tank& tank, int cannon) {
    shell.lateralOffset = tank.cannons[cannon].lateralOffset;
    shell.timeStep = Shell::timeStepPerFrame;
    resetBox(shell);
    launchShell(shell, tank, tank.heading + tank.turretAngle);
    liftBox(shell, tank);
}

int launchVolley(GameWorld& world) {
    return launchVolley(world, allocateShell);
}

int launchVolley(GameWorld& world, const ShellAllocator& allocate) {
    const Tank* tank = world.currentTank();
    if (tank == nullptr) {
        return 0;
    }
    const int cannons = std::min(tank->cannonCount, Tank::maxCannons);
    int launched = 0;
    for (int i = 0; i < cannons; ++i) {
        const int slot = world.shellsInFlight;
        if (slot < 0 || slot >= shellSlotCount) {
            break;
        }
        std::unique_ptr<Shell> shell = allocate();
        if (!shell) {
            break;
        }
        loadShell(*shell, *tank, i);
        world.shells[slot] = std::move(shell);
        ++world.shellsInFlight;
        ++launched;
    }
    return launched;
}
