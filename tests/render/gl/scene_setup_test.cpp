#include "render/texture_table.h"
#include "tests/render/gl/gl_harness.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

// The set-up ran in an empty folder: each picture is reported once, in loading order,
// and the first frame already has its lasting state in force.
TEST(SceneSetup, ReportsEveryMissingBitmapOnceInLoadingOrderAndLeavesTheRunState) {
    const auto& messages = setupMessages();
    ASSERT_EQ(messages.size(), textureCount);
    for (std::size_t i = 0; i < textureCount; ++i) {
        EXPECT_EQ(messages[i].text, missingFileMessage(textureTable()[i].fileName));
    }

    // Lighting, depth and texturing as the frame test leaves them; culling of back faces too.
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    GLint value = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_BACK);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &value);
    EXPECT_EQ(value, GL_MODULATE);
}

TEST(SceneSetup, BuildsDistinctListsForEveryCamouflageAndHandsThemToNewTanks) {
    const TankModelLists& lists = sharedScene().modelLists();
    std::vector<unsigned> all{lists.trackList};
    const TankListTable& table = sharedTankLists();
    for (int i = 0; i < 5; ++i) {
        all.push_back(table.hullLists[i]);
        all.push_back(table.deckLists[i]);
        all.push_back(table.turretLists[i]);
        EXPECT_EQ(table.hullLists[i], lists.variants.hullLists[i]);
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(glIsList(all[i])) << i;
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_NE(all[i], all[j]);
        }
    }
    EXPECT_NE(sharedScene().cannonQuadric(), nullptr);
    EXPECT_NE(sharedScene().shieldQuadric(), nullptr);
}
