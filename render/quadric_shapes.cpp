// SPDX-License-Identifier: GPL-3.0-or-later
// GLU's cylinder and sphere, recomputed step for step in GLU's own float and double precision.
#include "render/quadric_shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// GLU's value of pi; its angles are computed in double and kept in float.
constexpr double gluPi = 3.14159265358979323846;

// GLU is C: the sine and cosine of a float angle are taken in double.
double sine(float angle) {
    return std::sin(static_cast<double>(angle));
}
double cosine(float angle) {
    return std::cos(static_cast<double>(angle));
}

BatchVertex corner(float x, float y, float z, float nx, float ny, float nz, float s = 0.0f,
                   float t = 0.0f) {
    BatchVertex v;
    v.position = {x, y, z};
    v.normal = {nx, ny, nz};
    v.s = s;
    v.t = t;
    return v;
}

}  // namespace

TriangleBatch cylinderBatch(double baseRadius, double topRadius, double height, int slices,
                            int stacks) {
    TriangleBatch batch;
    const float deltaRadius = static_cast<float>(baseRadius - topRadius);
    const float length = static_cast<float>(
        std::sqrt(static_cast<double>(deltaRadius) * deltaRadius + height * height));
    if (slices < 2 || stacks < 1 || length == 0.0f) {
        return batch;
    }
    const float zNormal = deltaRadius / length;
    const float xyNormalRatio = static_cast<float>(height / length);
    std::vector<float> sinCache(slices + 1), cosCache(slices + 1);
    std::vector<float> sinNormal(slices + 1), cosNormal(slices + 1);
    for (int i = 0; i < slices; ++i) {
        const float angle = static_cast<float>(2 * gluPi * i / slices);
        sinNormal[i] = static_cast<float>(xyNormalRatio * sine(angle));
        cosNormal[i] = static_cast<float>(xyNormalRatio * cosine(angle));
        sinCache[i] = static_cast<float>(sine(angle));
        cosCache[i] = static_cast<float>(cosine(angle));
    }
    sinCache[slices] = sinCache[0];
    cosCache[slices] = cosCache[0];
    sinNormal[slices] = sinNormal[0];
    cosNormal[slices] = cosNormal[0];

    std::vector<BatchVertex> strip(2 * (slices + 1));
    for (int j = 0; j < stacks; ++j) {
        const float zLow = static_cast<float>(j * height / stacks);
        const float zHigh = static_cast<float>((j + 1) * height / stacks);
        const float radiusLow =
            static_cast<float>(baseRadius - deltaRadius * (static_cast<float>(j) / stacks));
        const float radiusHigh =
            static_cast<float>(baseRadius - deltaRadius * (static_cast<float>(j + 1) / stacks));
        for (int i = 0; i <= slices; ++i) {
            const float s = 1 - static_cast<float>(i) / slices;
            strip[2 * i] =
                corner(radiusLow * sinCache[i], radiusLow * cosCache[i], zLow, sinNormal[i],
                       cosNormal[i], zNormal, s, static_cast<float>(j) / stacks);
            strip[2 * i + 1] =
                corner(radiusHigh * sinCache[i], radiusHigh * cosCache[i], zHigh, sinNormal[i],
                       cosNormal[i], zNormal, s, static_cast<float>(j + 1) / stacks);
        }
        batch.addQuadStrip(strip.data(), static_cast<int>(strip.size()));
    }
    return batch;
}

TriangleBatch sphereBatch(double radius, int slices, int stacks) {
    TriangleBatch batch;
    batch.textureCoordinates = false;
    if (slices < 2 || stacks < 2 || radius < 0.0) {
        return batch;
    }
    std::vector<float> sinA(slices + 1), cosA(slices + 1);
    for (int i = 0; i < slices; ++i) {
        const float angle = static_cast<float>(2 * gluPi * i / slices);
        sinA[i] = static_cast<float>(sine(angle));
        cosA[i] = static_cast<float>(cosine(angle));
    }
    sinA[slices] = sinA[0];
    cosA[slices] = cosA[0];
    // Per stack: the normal's sine and cosine, and the radius and height of the ring.
    std::vector<float> sinN(stacks + 1), cosN(stacks + 1), ring(stacks + 1), z(stacks + 1);
    for (int j = 0; j <= stacks; ++j) {
        const float angle = static_cast<float>(gluPi * j / stacks);
        sinN[j] = static_cast<float>(sine(angle));
        cosN[j] = static_cast<float>(cosine(angle));
        ring[j] = static_cast<float>(radius * sine(angle));
        z[j] = static_cast<float>(radius * cosine(angle));
    }
    // The poles come to a point.
    ring[0] = 0.0f;
    ring[stacks] = 0.0f;

    std::vector<BatchVertex> fan(slices + 2);
    // The top cap: its apex with the normal GLU gives it, then the first ring backwards.
    fan[0] = corner(0.0f, 0.0f, static_cast<float>(radius), sinA[0] * sinN[0], cosA[0] * sinN[0],
                    cosN[0]);
    for (int i = slices, k = 1; i >= 0; --i, ++k) {
        fan[k] = corner(ring[1] * sinA[i], ring[1] * cosA[i], z[1], sinA[i] * sinN[1],
                        cosA[i] * sinN[1], cosN[1]);
    }
    batch.addTriangleFan(fan.data(), slices + 2);
    // The bottom cap.
    const int last = stacks - 1;
    // GLU takes this apex's normal from slice number `stacks`; sinN[stacks] is all but zero.
    const int apexSlice = std::min(stacks, slices);
    fan[0] = corner(0.0f, 0.0f, static_cast<float>(-radius), sinA[apexSlice] * sinN[stacks],
                    cosA[apexSlice] * sinN[stacks], cosN[stacks]);
    for (int i = 0; i <= slices; ++i) {
        fan[i + 1] = corner(ring[last] * sinA[i], ring[last] * cosA[i], z[last],
                            sinA[i] * sinN[last], cosA[i] * sinN[last], cosN[last]);
    }
    batch.addTriangleFan(fan.data(), slices + 2);
    std::vector<BatchVertex> strip(2 * (slices + 1));
    for (int j = 1; j < stacks - 1; ++j) {
        for (int i = 0; i <= slices; ++i) {
            strip[2 * i] = corner(ring[j + 1] * sinA[i], ring[j + 1] * cosA[i], z[j + 1],
                                  sinA[i] * sinN[j + 1], cosA[i] * sinN[j + 1], cosN[j + 1]);
            strip[2 * i + 1] = corner(ring[j] * sinA[i], ring[j] * cosA[i], z[j], sinA[i] * sinN[j],
                                      cosA[i] * sinN[j], cosN[j]);
        }
        batch.addQuadStrip(strip.data(), static_cast<int>(strip.size()));
    }
    return batch;
}
