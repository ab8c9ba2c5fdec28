// SPDX-License-Identifier: GPL-3.0-or-later
// Compiling tank model geometry into display lists, one per part and camouflage, and
// deleting them.
#include "render/model_lists.h"

#include "render/primitives.h"

#include <GL/gl.h>

#include <vector>

namespace {

void addModelFace(TriangleBatch& batch, const ModelGeometry& geometry, const ModelFace& face) {
    const Vec3* vertices = geometry.vertices.data();
    switch (face.shape) {
        case FaceShape::Quad:
            addQuad(batch, vertices, face.normal, face.indices.data());
            break;
        case FaceShape::Hexagon:
            addHexagon(batch, vertices, face.normal, face.indices.data());
            break;
        case FaceShape::Octagon:
            addOctagon(batch, vertices, face.normal, face.indices.data());
            break;
    }
}

}  // namespace

unsigned int buildDisplayList(const ModelGeometry& geometry, TextureName camouflage) {
    const unsigned int list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    if (camouflage != NoTexture) {
        glBindTexture(GL_TEXTURE_2D, camouflage);
    }
    // One batch per run of faces that share a texture, in face order, so that faces lying in
    // one plane still cover each other as they did.
    TextureName bound = camouflage;
    TriangleBatch batch;
    for (const ModelFace& face : geometry.faces) {
        if (face.texture != NoTexture && face.texture != bound) {
            emitTriangles(batch);
            batch.vertices.clear();
            glBindTexture(GL_TEXTURE_2D, face.texture);
            bound = face.texture;
        }
        addModelFace(batch, geometry, face);
    }
    emitTriangles(batch);
    glEndList();
    return list;
}

std::array<TrackRun, trackRunCount> buildTrackRuns(const ModelGeometry& track) {
    // The two tracks never cover each other at equal depth, so each texture's faces of both
    // can be one batch; every tank's tracks then share each binding.
    std::vector<TriangleBatch> batches;
    std::vector<TextureName> textures;
    for (const ModelFace& face : track.faces) {
        if (batches.empty() || (face.texture != NoTexture && face.texture != textures.back())) {
            batches.emplace_back();
            textures.push_back(face.texture);
        }
        addModelFace(batches.back(), track, face);
    }
    std::array<TrackRun, trackRunCount> runs{};
    for (std::size_t i = 0; i < batches.size() && i < runs.size(); ++i) {
        // Moved to their sides here: a matrix change between them would split the draw in two.
        TriangleBatch both = batches[i];
        both.vertices.clear();
        for (const float z : {trackOffsetZ, -trackOffsetZ}) {
            for (BatchVertex v : batches[i].vertices) {
                v.position.z += z;
                both.vertices.push_back(v);
            }
        }
        runs[i].texture = textures[i];
        runs[i].list = glGenLists(1);
        glNewList(runs[i].list, GL_COMPILE);
        emitTriangles(both);
        glEndList();
    }
    return runs;
}

TankModelLists buildTankModelLists() {
    const ModelGeometry track = trackGeometry();
    const ModelGeometry hull = hullGeometry();
    const ModelGeometry deck = deckGeometry();
    const ModelGeometry turret = turretGeometry();

    TankModelLists lists;
    lists.trackRuns = buildTrackRuns(track);
    for (std::size_t i = 0; i < camouflages.size(); ++i) {
        lists.variants.hullLists[i] =
            buildDisplayList(hull, textureForCamouflage(camouflages[i].id));
    }
    for (std::size_t i = 0; i < camouflages.size(); ++i) {
        lists.variants.deckLists[i] =
            buildDisplayList(deck, textureForCamouflage(camouflages[i].id));
    }
    for (std::size_t i = 0; i < camouflages.size(); ++i) {
        lists.variants.turretLists[i] =
            buildDisplayList(turret, textureForCamouflage(camouflages[i].id));
    }
    return lists;
}

void deleteTankModelLists(const TankModelLists& lists) {
    auto drop = [](unsigned int list) {
        if (list != 0) {
            glDeleteLists(list, 1);
        }
    };
    for (const TrackRun& run : lists.trackRuns) {
        drop(run.list);
    }
    for (std::size_t i = 0; i < camouflages.size(); ++i) {
        drop(lists.variants.hullLists[i]);
        drop(lists.variants.deckLists[i]);
        drop(lists.variants.turretLists[i]);
    }
}
