// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the track's side (road wheels, rollers, sprocket) and its weathered steel links.
#include "tools/track_textures.h"

#include <cstdlib>

#include "tools/noise.h"

namespace assets {

namespace {

constexpr Rgb linkGap{22, 22, 22};
constexpr Rgb linkPlate{72, 71, 66};
constexpr Rgb grouser{122, 120, 112};
constexpr Rgb grouserEdge{158, 155, 146};
constexpr Rgb guideHorn{96, 94, 88};
constexpr Rgb rust{110, 72, 44};

// Grime and rust streaks so the steel does not look printed.
Rgb weather(Rgb c, int x, int y, int size, uint32_t seed) {
    const int grime = fractalNoise(x * 8, y * 8, size * 8, 4, 4, 3, seed);
    c = mix(c, rust, grime > 2900 ? (grime - 2900) / 16 : 0);
    const int grain = int(latticeHash(x, y, seed + 1) % 13) - 6;
    return scale(c, 100 + grain);
}

// One link seen face on: u runs along the track (0..255 within one link), v across it.
Rgb linkTexel(int u, int v) {
    if (u >= 232) {
        return linkGap;
    }
    if (u >= 48 && u < 112) {
        return u < 60 ? grouserEdge : grouser;  // raised cleat, lit on its leading edge
    }
    if (v >= 112 && v < 144 && u >= 120 && u < 216) {
        return guideHorn;  // centre guide that keeps the wheels on the track
    }
    if ((v < 14 || v >= 242) && u < 232) {
        return scale(linkPlate, 80);  // pin ends along the track's edges
    }
    return linkPlate;
}

Image paintLinks(int width, int height, int links, uint32_t seed) {
    Image image(width, height);
    const int pitch = height / links;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int u = (y % pitch) * 256 / pitch;
            const int v = x * 256 / width;
            image.at(x, y) = weather(linkTexel(u, v), x, y, width > height ? width : height, seed);
        }
    }
    return image;
}

struct Wheel {
    int x, y, radius;  // thousandths of a world unit
    bool toothed;
};

// Road wheels, return rollers, the front sprocket and the rear idler.
constexpr Wheel wheels[] = {
    {-4000, -150, 560, false}, {-2000, -150, 560, false}, {0, -150, 560, false},
    {2000, -150, 560, false},  {4000, -150, 560, false},  {-3000, 520, 170, false},
    {0, 520, 170, false},      {3000, 520, 170, false},   {-5250, 250, 520, true},
    {5250, 250, 520, false},
};

// Six bolt positions on a circle of radius 300 around a hub.
constexpr int bolts[6][2] = {{300, 0},  {150, 260},   {-150, 260},
                             {-300, 0}, {-150, -260}, {150, -260}};

bool wheelTexel(int wx, int wy, Rgb& out) {
    for (const Wheel& w : wheels) {
        const int dx = wx - w.x;
        const int dy = wy - w.y;
        const long d2 = long(dx) * dx + long(dy) * dy;
        const long r = w.radius;
        if (d2 > r * r) {
            continue;
        }
        const int lightFromAbove = dy * 30 / w.radius;  // -30..30
        if (d2 > (r * 82 / 100) * (r * 82 / 100)) {
            out = scale(Rgb{38, 38, 36}, 100 + lightFromAbove);  // rubber rim
            if (w.toothed && ((wx + 10000) / 120) % 2 == 0) {
                out = Rgb{60, 58, 54};
            }
            return true;
        }
        if (d2 < long(r / 4) * (r / 4)) {
            out = scale(Rgb{150, 148, 136}, 100 + lightFromAbove);  // hub cap
            return true;
        }
        if (w.radius > 400) {
            for (const auto& b : bolts) {
                const int bx = dx - b[0] * w.radius / 640;
                const int by = dy - b[1] * w.radius / 640;
                if (bx * bx + by * by < 50 * 50) {
                    out = Rgb{40, 40, 38};
                    return true;
                }
            }
        }
        out = scale(Rgb{98, 104, 86}, 100 + lightFromAbove);  // painted disc
        return true;
    }
    return false;
}

Rgb beltTexel(int wx, int wy) {
    const int u = ((wx + 100000) % 600) * 256 / 600;
    if (u < 28) {
        return linkGap;
    }
    const bool outerEdge = wy > 930 || wy < -930;
    if (outerEdge) {
        return (u >= 80 && u < 176) ? grouser : linkGap;  // cleats standing off the belt
    }
    return wy > 0 ? grouserEdge : linkPlate;
}

}  // namespace

Image makeTrackSideView() {
    const int width = 256;
    const int height = 128;
    Image image(width, height);
    for (int row = 0; row < height; ++row) {
        // The side face spans about 12.5 units by 2; work in thousandths of a unit.
        const int wy = 1000 - (2 * row + 1) * 2000 / (2 * height);
        for (int col = 0; col < width; ++col) {
            const int wx = (2 * col + 1) * 12500 / (2 * width) - 6250;
            Rgb c{48, 48, 45};  // inner plate behind the wheels
            if (std::abs(wy) > 700) {
                c = beltTexel(wx, wy);
            }
            wheelTexel(wx, wy, c);
            image.at(col, row) = weather(c, col, row, width, 11);
        }
    }
    return image;
}

Image makeTrackFrontView1() {
    return paintLinks(128, 128, 2, 12);
}
Image makeTrackFrontView2() {
    return paintLinks(128, 128, 4, 13);
}
Image makeTrackLengthView() {
    return paintLinks(128, 256, 16, 14);
}

}  // namespace assets
