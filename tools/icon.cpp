// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the icon at any size: hull, tracks, turret and barrel sampled on a 32 x 32 grid.
#include "tools/icon.h"

namespace assets {

namespace {

// The picture is laid out on a 32 x 32 grid; samples are in 1/256 of a grid unit.
constexpr int unit = 256;

bool inCircle(int x, int y, int cx, int cy, int r) {
    const long dx = x - cx * unit / 10;
    const long dy = y - cy * unit / 10;
    const long rr = long(r) * unit / 10;
    return dx * dx + dy * dy <= rr * rr;
}

// Hull: a trapezoid wider at the bottom, in tenths of a grid unit.
bool inHull(int x, int y) {
    const int top = 160 * unit / 10, bottom = 205 * unit / 10;
    if (y < top || y > bottom) {
        return false;
    }
    const int t = (y - top) * 256 / (bottom - top);
    const int left = (70 * unit / 10) + ((40 - 70) * unit / 10) * t / 256;
    const int right = (245 * unit / 10) + ((265 - 245) * unit / 10) * t / 256;
    return x >= left && x <= right;
}

bool inTrack(int x, int y) {
    const int top = 200 * unit / 10, bottom = 255 * unit / 10;
    const int left = 45 * unit / 10, right = 260 * unit / 10;
    if (y < top || y > bottom || x < left - unit * 2 || x > right + unit * 2) {
        return false;
    }
    const int cy = (top + bottom) / 2;
    const int r = (bottom - top) / 2;
    if (x >= left && x <= right) {
        return true;
    }
    const int cx = x < left ? left : right;  // rounded ends
    const long dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= long(r) * r;
}

// Barrel: from the turret up and to the right at about 35 degrees.
bool inBarrel(int x, int y) {
    const long ox = x - 160 * unit / 10, oy = y - 140 * unit / 10;
    const long along = (ox * 819 - oy * 574) / 1000;   // onto (0.819, -0.574)
    const long across = (ox * 574 + oy * 819) / 1000;  // onto the perpendicular
    return along >= 0 && along <= 11 * unit && across >= -unit * 11 / 10 &&
           across <= unit * 11 / 10;
}

Rgb sample(int x, int y) {
    const int gy = y / unit;
    if (inCircle(x, y, 267, 50, 18)) {
        return {255, 250, 215};  // heart of the muzzle flash
    }
    if (inCircle(x, y, 267, 50, 32)) {
        return {255, 176, 40};
    }
    if (inBarrel(x, y)) {
        return {46, 74, 32};
    }
    if (inCircle(x, y, 155, 160, 52) && y <= 160 * unit / 10) {
        return {96, 140, 58};  // turret dome
    }
    for (int wx = 75; wx <= 235; wx += 40) {
        if (inCircle(x, y, wx, 228, 16)) {
            return {140, 140, 132};  // road wheels
        }
    }
    if (inTrack(x, y)) {
        return {44, 44, 42};
    }
    if (inHull(x, y)) {
        return y < 175 * unit / 10 ? Rgb{88, 128, 52} : Rgb{66, 104, 42};
    }
    if (y >= 25 * unit) {
        return gy == 25 ? Rgb{96, 128, 52} : Rgb{112, 90, 52};  // grass edge, then earth
    }
    const int t = y * 256 / (25 * unit);
    return mix(Rgb{34, 62, 136}, Rgb{150, 192, 232}, t);  // sky
}

}  // namespace

Image makeIcon(int size) {
    Image image(size, size);
    const int samples = 4;
    // Sample centres spread over the whole grid whether or not the size divides it.
    const long twiceSamplesAcross = 2L * size * samples;
    auto centre = [&](int pixel, int sub) {
        return int((2L * (pixel * samples + sub) + 1) * 32 * unit / twiceSamplesAcross);
    };
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const int x = centre(px, sx);
                    const int y = centre(py, sy);
                    const Rgb c = sample(x, y);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            const int n = samples * samples;
            image.at(px, py) = {uint8_t(r / n), uint8_t(g / n), uint8_t(b / n)};
        }
    }
    return image;
}

}  // namespace assets
