// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of SoundPlayer: one mixer channel, where a new sound cuts off the one playing.
#include "app/sound_player.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>

TEST(SoundPlayer, OneChannelWhereANewSoundCutsTheOneStillPlaying) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player;
    ASSERT_TRUE(player.hasDevice());
    EXPECT_EQ(Mix_AllocateChannels(-1), 1);
    player.play(KRELLMONT_RUN_DIR "/cannon.wav");
    ASSERT_TRUE(Mix_Playing(0));
    Mix_Chunk* first = Mix_GetChunk(0);
    player.play(KRELLMONT_RUN_DIR "/chicken.wav");
    EXPECT_TRUE(Mix_Playing(0));
    EXPECT_NE(Mix_GetChunk(0), first);
    player.play(KRELLMONT_RUN_DIR "/missing.wav");  // stops the old sound, plays nothing
    EXPECT_FALSE(Mix_Playing(0));
}
