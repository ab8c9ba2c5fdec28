#include "app/sound_player.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A silent mono 16-bit WAV of the given length.
void writeWav(const std::string& path, double seconds) {
    const std::uint32_t rate = 22050, bytes = std::uint32_t(seconds * rate) * 2;
    std::ofstream out(path, std::ios::binary);
    auto put = [&](std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i)
            out.put(char(v >> (8 * i)));
    };
    out << "RIFF";
    put(36 + bytes, 4);
    out << "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
    out << "data";
    put(bytes, 4);
    out << std::string(bytes, '\0');
}

TEST(SoundPlayer, OneChannelWhereANewSoundCutsTheOneStillPlaying) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const auto folder =
        std::filesystem::temp_directory_path() / ("krellmont-sound-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    writeWav((folder / "long.wav").string(), 3.0);
    writeWav((folder / "other.wav").string(), 3.0);
    {
        SoundPlayer player;
        ASSERT_TRUE(player.hasDevice());
        EXPECT_EQ(Mix_AllocateChannels(-1), 1);
        player.play((folder / "long.wav").string());
        ASSERT_TRUE(Mix_Playing(0));
        Mix_Chunk* first = Mix_GetChunk(0);
        player.play((folder / "other.wav").string());
        EXPECT_TRUE(Mix_Playing(0));
        EXPECT_NE(Mix_GetChunk(0), first);
        player.play((folder / "missing.wav").string());  // stops the old sound, plays nothing
        EXPECT_FALSE(Mix_Playing(0));
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
