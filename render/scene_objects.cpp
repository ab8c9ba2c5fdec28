// SPDX-License-Identifier: GPL-3.0-or-later
// The floor with its repeated picture, the divider and barrier face by face, and the prize.
#include "render/scene_objects.h"

#include "render/primitives.h"
#include "render/texture_table.h"

#include <GL/gl.h>

void drawFloor(const Arena& arena) {
    constexpr float r = floorTextureRepeats;
    constexpr float coords[4][2] = {{0.0f, 0.0f}, {0.0f, r}, {r, r}, {r, 0.0f}};
    glBindTexture(GL_TEXTURE_2D, FloorTexture);
    glBegin(GL_POLYGON);
    glNormal3f(floorNormal.x, floorNormal.y, floorNormal.z);
    for (int i = 0; i < 4; ++i) {
        const Vec3& corner = arena.floorCorners[floorOrder[i]];
        glTexCoord2f(coords[i][0], coords[i][1]);
        glVertex3f(corner.x, corner.y, corner.z);
    }
    glEnd();
}

void drawSceneBox(const SceneBox& box) {
    TriangleBatch batch;
    for (std::size_t i = 0; i < box.faces.size(); ++i) {
        addQuad(batch, box.corners.data(), box.normals[i], box.faces[i].data());
    }
    emitTriangles(batch);
}

void drawDividerBox(const Arena& arena) {
    drawSceneBox(arena.divider);
}

void drawBarrierBox(const Arena& arena) {
    drawSceneBox(arena.barrier);
}

void drawPrize(const Prize& prize) {
    glPushMatrix();
    glTranslatef(prize.position.x, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, prize.position.z);
    glTranslatef(0.0f, PrizeModel::halfEdge, 0.0f);
    glBindTexture(GL_TEXTURE_2D, PrizeTexture);
    const PrizeModel& cube = prize.model;
    TriangleBatch batch;
    for (std::size_t i = 0; i < cube.faces.size(); ++i) {
        addQuad(batch, cube.vertices.data(), cube.normals[i], cube.faces[i].data());
    }
    emitTriangles(batch);
    glPopMatrix();
}
