// SPDX-License-Identifier: GPL-3.0-or-later
// SceneResources (tank display lists, shape lists) and setupScene, the one-time GL
// set-up; scene.cpp has the bodies.
#pragma once

#include "game/geometry.h"
#include "render/model_lists.h"

#include <array>
#include <memory>

class GameHost;

// The unlit colours: red marks the current tank (and colours the shells), blue every
// other tank, cyan the boxes around flying shells.
namespace outlineColours {
constexpr std::array<float, 3> red{1.0f, 0.0f, 0.0f};
constexpr std::array<float, 3> blue{0.0f, 0.0f, 1.0f};
constexpr std::array<float, 3> cyan{0.0f, 1.0f, 1.0f};
}  // namespace outlineColours

// What the one-time set-up creates and every frame draws with: the display lists of the tank
// models and of the cannon and bubble shapes. Owned by the program for as long as its GL context
// lives; destroy it while that context is still current.
class SceneResources {
  public:
    SceneResources();
    ~SceneResources();
    SceneResources(const SceneResources&) = delete;
    SceneResources& operator=(const SceneResources&) = delete;

    const TankModelLists& modelLists() const { return lists_; }
    // The shapes drawn many times a frame, compiled once: a cannon's barrel and muzzle ring (no
    // texture bound inside), the shield bubble, fine and coarse (no colour inside), and the
    // shell's red sphere.
    unsigned int barrelList() const { return barrelList_; }
    unsigned int muzzleRingList() const { return muzzleRingList_; }
    // Barrel and ring as cylinders of one stack in one list, for the filled modes (see
    // drawFilledCannonShape).
    unsigned int filledCannonList() const { return filledCannonList_; }
    unsigned int shieldBubbleList() const { return shieldBubbleList_; }
    unsigned int coarseShieldBubbleList() const { return coarseShieldBubbleList_; }
    unsigned int shellList() const { return shellList_; }

  private:
    TankModelLists lists_;
    unsigned int barrelList_ = 0;
    unsigned int muzzleRingList_ = 0;
    unsigned int filledCannonList_ = 0;
    unsigned int shieldBubbleList_ = 0;
    unsigned int coarseShieldBubbleList_ = 0;
    unsigned int shellList_ = 0;
    friend std::unique_ptr<SceneResources> setupScene(GameHost& host, TankListTable& tankLists);
};

// Prepares the GL state for the whole run (light, material, lighting, depth test,
// texturing, back-face culling), loads the textures from the working directory (each
// missing file is reported through `host`) and builds the tank and shape display lists, whose
// per-camouflage names it writes into `tankLists` for new tanks to copy. Needs a current GL
// context.
std::unique_ptr<SceneResources> setupScene(GameHost& host, TankListTable& tankLists);
