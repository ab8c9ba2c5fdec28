// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting polygons, fans and quad strips into triangles as Mesa does, and emitting them.
#include "render/triangle_batch.h"

#include <GL/gl.h>

namespace {

BatchVertex withEdge(BatchVertex v, bool edge) {
    v.edge = edge;
    return v;
}

}  // namespace

void TriangleBatch::addPolygon(const BatchVertex* corners, int count) {
    for (int i = 0; i + 2 < count; ++i) {
        // Outer edges: i+1 -> i+2 always; i+2 -> 0 closes the last triangle; 0 -> i+1 the first.
        vertices.push_back(withEdge(corners[i + 1], true));
        vertices.push_back(withEdge(corners[i + 2], i + 3 == count));
        vertices.push_back(withEdge(corners[0], i == 0));
    }
}

void TriangleBatch::addTriangleFan(const BatchVertex* corners, int count) {
    for (int i = 0; i + 2 < count; ++i) {
        vertices.push_back(withEdge(corners[i + 1], true));
        vertices.push_back(withEdge(corners[i + 2], true));
        vertices.push_back(withEdge(corners[0], true));
    }
}

void TriangleBatch::addQuadStrip(const BatchVertex* corners, int count) {
    for (int i = 0; i + 3 < count; i += 2) {
        const BatchVertex& a = corners[i + 2];
        const BatchVertex& b = corners[i];
        const BatchVertex& c = corners[i + 1];
        const BatchVertex& d = corners[i + 3];
        // The quad a b c d: (a, b, d) and (b, c, d); b -> d is the diagonal.
        vertices.push_back(withEdge(a, true));
        vertices.push_back(withEdge(b, false));
        vertices.push_back(withEdge(d, true));
        vertices.push_back(withEdge(b, true));
        vertices.push_back(withEdge(c, true));
        vertices.push_back(withEdge(d, false));
    }
}

void emitTriangles(const TriangleBatch& batch) {
    if (batch.vertices.empty()) {
        return;
    }
    glBegin(GL_TRIANGLES);
    bool edge = true;
    glEdgeFlag(GL_TRUE);
    for (const BatchVertex& v : batch.vertices) {
        if (v.edge != edge) {
            edge = v.edge;
            glEdgeFlag(edge ? GL_TRUE : GL_FALSE);
        }
        if (batch.normals) {
            glNormal3f(v.normal.x, v.normal.y, v.normal.z);
        }
        if (batch.textureCoordinates) {
            glTexCoord2f(v.s, v.t);
        }
        glVertex3f(v.position.x, v.position.y, v.position.z);
    }
    glEnd();
    glEdgeFlag(GL_TRUE);
}
