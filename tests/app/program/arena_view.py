"""Reads the arena from a screenshot taken straight down from above (camera on the arena
centre, pitch 90, yaw 0) and works out the lob that carries a shell onto a target."""

import math

FIELD_OF_VIEW = 45.0
GRAVITY = 9.81
TANK_TOP = 5.5
TARGET_HEIGHT = 3.0
LOB_ELEVATION = 80  # degrees above level; clears any barrier


class ViewGeometry:
    """Screen pixels to world x, z for the top-down view of a window's client area."""

    def __init__(self, window_width, window_height, menu_height, half_side):
        self.width = window_width
        self.height = window_height - menu_height
        self.centre_x = self.width / 2.0
        self.centre_y = menu_height + self.height / 2.0
        self.focal = (self.height / 2.0) / math.tan(math.radians(FIELD_OF_VIEW / 2.0))
        self.distance = 3.0 * half_side

    def world(self, sx, sy, height):
        """World (x, z) of a screen point that lies `height` above the floor."""
        depth = self.distance - height
        return ((sx - self.centre_x) * depth / self.focal,
                (sy - self.centre_y) * depth / self.focal)


def is_red_outline(r, g, b):
    return r >= 250 and g <= 8 and b <= 8


def is_blue_outline(r, g, b):
    return b >= 250 and r <= 8 and g <= 8


def outline_centre(image, predicate, box):
    """Centre of the bounding box of outline pixels; the top face of a tank's box is the
    largest on screen, so this is the centre of the box at its top height."""
    points = image.find(predicate, box)
    if len(points) < 8:
        return None
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return (min(xs) + max(xs)) / 2.0, (min(ys) + max(ys)) / 2.0


def lob(shooter, target, heading, range_correction=0.0):
    """Turret angle (relative to the hull) and power that drop a shell fired at
    LOB_ELEVATION onto the target. Shells fly along (-cos a, sin a) in (x, z), a being
    heading + turret angle; the muzzle stands 3 + 6 cos(e) ahead of the tank's centre,
    4.25 + 6 sin(e) high."""
    dx = target[0] - shooter[0]
    dz = target[1] - shooter[1]
    azimuth = math.degrees(math.atan2(dz, -dx))
    turret = int(round(azimuth - heading)) % 360
    e = math.radians(LOB_ELEVATION)
    reach = 3.0 + 6.0 * math.cos(e)
    muzzle_height = 4.25 + 6.0 * math.sin(e)
    distance = max(1.0, math.hypot(dx, dz) - reach + range_correction)
    drop = muzzle_height + distance * math.tan(e) - TARGET_HEIGHT
    power = math.sqrt(0.5 * GRAVITY * distance ** 2 / (math.cos(e) ** 2 * drop))
    return turret, min(100.0, max(0.1, power))
