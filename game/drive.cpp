// SPDX-License-Identifier: GPL-3.0-or-later
// Driving a tank: the step's limits, stopping short of team mates and the divider, clamping
// to the floor, prize pickup, and quarter turns.
#include "game/drive.h"

#include "game/collision.h"
#include "game/host.h"
#include "game/prizes.h"
#include "game/world.h"

#include <cmath>

namespace {

constexpr float approachMargin = 0.01f;

// Heading 360 is the same as 0.
std::int32_t normalHeading(std::int32_t heading) {
    return heading == 360 ? 0 : heading;
}

bool travelsAlongZ(const Tank& tank) {
    std::int32_t h = normalHeading(tank.heading);
    return h == 90 || h == 270;
}

// How far ahead, in the direction of travel, the blocker's facing side lies from the
// tank's leading side (negative when they already overlap along that axis).
float distanceAhead(const Tank& tank, const Tank& blocker, DriveDirection direction) {
    const Box& r = tank.box;
    const Box& b = blocker.box;
    const bool forward = direction == Forward;
    switch (normalHeading(tank.heading)) {
        case 0:
            return forward ? r.xmin - b.xmax : b.xmin - r.xmax;
        case 90:
            return forward ? b.zmin - r.zmax : r.zmin - b.zmax;
        case 180:
            return forward ? b.xmin - r.xmax : r.xmin - b.xmax;
        case 270:
            return forward ? r.zmin - b.zmax : b.zmin - r.zmax;
        default:
            return 0.0f;
    }
}

}  // namespace

void moveBy(Tank& tank, DriveDirection direction, float distance) {
    float dx = 0.0f;
    float dz = 0.0f;
    const float d = direction == Forward ? distance : -distance;
    switch (normalHeading(tank.heading)) {
        case 0:
            dx = -d;
            break;
        case 90:
            dz = d;
            break;
        case 180:
            dx = d;
            break;
        case 270:
            dz = -d;
            break;
        default:
            return;
    }
    tank.position.x += dx;
    tank.position.z += dz;
    tank.box.xmin += dx;
    tank.box.xmax += dx;
    tank.box.zmin += dz;
    tank.box.zmax += dz;
    for (Vec3& c : tank.corners) {
        c.x += dx;
        c.z += dz;
    }
}

Tank* findNearestBlockingTeamMate(const Tank& tank, const Team& team, DriveDirection direction) {
    Tank* nearest = nullptr;
    float nearestDistance = 0.0f;
    forEachTank(team, [&](Tank& other) {
        if (other.serial == tank.serial || !other.placed || other.destroyed ||
            !boxesOverlap(tank.box, other.box)) {
            return;
        }
        float d = distanceAhead(tank, other, direction);
        if (nearest == nullptr || d < nearestDistance) {
            nearest = &other;
            nearestDistance = d;
        }
    });
    return nearest;
}

void approachTank(Tank& tank, const Tank& blocker, DriveDirection direction) {
    const Box& r = tank.box;
    const Box& b = blocker.box;
    const bool forward = direction == Forward;
    float gap = 0.0f;
    switch (normalHeading(tank.heading)) {
        case 0:
            gap = forward ? r.xmin - b.xmax : r.xmax - b.xmin;
            break;
        case 90:
            gap = forward ? r.zmax - b.zmin : r.zmin - b.zmax;
            break;
        case 180:
            gap = forward ? r.xmax - b.xmin : r.xmin - b.xmax;
            break;
        case 270:
            gap = forward ? r.zmin - b.zmax : r.zmax - b.zmin;
            break;
        default:
            return;
    }
    gap = std::fabs(gap);
    if (gap < approachMargin) {
        return;
    }
    moveBy(tank, direction, gap - approachMargin);
}

void approachDivider(const GameWorld& world, Tank& tank, DriveDirection direction) {
    const Box& divider = world.arena.divider.bounds;
    float gap = world.currentTeam->index == 0
                    ? std::fabs(std::fabs(tank.box.xmin) - std::fabs(divider.xmax))
                    : std::fabs(std::fabs(tank.box.xmax) - std::fabs(divider.xmin));
    moveBy(tank, direction, gap - approachMargin);
}

bool overlapsDivider(const GameWorld& world, const Tank& tank) {
    return boxesOverlap(tank.box, world.arena.divider.bounds);
}

void clampToArena(const GameWorld& world, Tank& tank) {
    const float h = world.arena.halfSide;
    const float side = 2.0f * Tank::footprintHalf;
    if (tank.position.x > h - Tank::footprintHalf)
        tank.position.x = h - Tank::footprintHalf;
    if (tank.position.z > h - Tank::footprintHalf)
        tank.position.z = h - Tank::footprintHalf;
    if (tank.position.x < Tank::footprintHalf - h)
        tank.position.x = Tank::footprintHalf - h;
    if (tank.position.z < Tank::footprintHalf - h)
        tank.position.z = Tank::footprintHalf - h;
    Box& b = tank.box;
    if (b.xmax > h) {
        b.xmax = h;
        b.xmin = h - side;
    }
    if (b.zmax > h) {
        b.zmax = h;
        b.zmin = h - side;
    }
    if (b.xmin < -h) {
        b.xmin = -h;
        b.xmax = side - h;
    }
    if (b.zmin < -h) {
        b.zmin = -h;
        b.zmax = side - h;
    }
    tank.syncCorners();
}

bool stepWithinLimits(const GameWorld& world, Tank& tank, DriveDirection direction) {
    if (++tank.mileage > Tank::maxMileage) {
        tank.mileage = Tank::maxMileage;
        return false;
    }
    Tank trial = tank;
    moveBy(trial, direction, world.stepLength);

    // Where two team mates lie within one step, the nearer one must stop the tank; the
    // first in roster order may be the farther one and the tank would end inside the other.
    if (Tank* blocker = findNearestBlockingTeamMate(trial, *world.currentTeam, direction)) {
        approachTank(tank, *blocker, direction);
    } else if (!travelsAlongZ(tank) && overlapsDivider(world, trial)) {
        // Along z the x extent never changes: a tank that merely touches the divider
        // (as placement allows) drives along it freely.
        approachDivider(world, tank, direction);
    } else {
        moveBy(tank, direction, world.stepLength);
    }
    return true;
}

void driveStep(GameWorld& world, GameHost& host, Tank& tank, DriveDirection direction) {
    if (!stepWithinLimits(world, tank, direction)) {
        host.readoutsChanged();
        return;
    }
    if (direction == Forward && world.currentTeam->prize != nullptr) {
        pickUpPrize(world, host);
    }
    clampToArena(world, tank);
    host.readoutsChanged();
}

void driveForward(GameWorld& world, GameHost& host) {
    if (Tank* tank = world.currentTank()) {
        driveStep(world, host, *tank, Forward);
    }
}

void driveBackward(GameWorld& world, GameHost& host) {
    if (Tank* tank = world.currentTank()) {
        driveStep(world, host, *tank, Backward);
    }
}

void turnClockwise(Tank& tank) {
    tank.heading -= 90;
    if (tank.heading < 0) {
        tank.heading = 270;
    }
}

void turnCounterClockwise(Tank& tank) {
    tank.heading += 90;
    if (tank.heading > 360) {
        tank.heading = 90;
    }
}

void turnClockwise(GameWorld& world, GameHost& /*host*/) {
    if (Tank* tank = world.currentTank()) {
        turnClockwise(*tank);
    }
}

void turnCounterClockwise(GameWorld& world, GameHost& /*host*/) {
    if (Tank* tank = world.currentTank()) {
        turnCounterClockwise(*tank);
    }
}
