// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the audio device, loading and keeping each sound once, and playing it.
#include "app/sound_player.h"

#include "files/data_file.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace {

// The longest taunt is a few seconds; a minute of CD-quality stereo is about 10 MiB.
constexpr std::size_t maxSoundFileBytes = std::size_t{16} << 20;

}  // namespace

SoundPlayer::SoundPlayer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    audioSubsystem_ = true;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        return;
    }
    open_ = true;
    Mix_AllocateChannels(1);
}

SoundPlayer::~SoundPlayer() {
    if (open_) {
        Mix_HaltChannel(-1);
        for (auto& entry : chunks_) {
            Mix_FreeChunk(entry.second);
        }
        Mix_CloseAudio();
    }
    if (audioSubsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SoundPlayer::refuse(const std::string& fileName, const char* reason) {
    if (refused_.insert(fileName).second) {
        std::fprintf(stderr, "krellmont: %s cannot be played: %s\n", fileName.c_str(), reason);
    }
}

Mix_Chunk* SoundPlayer::chunkFor(const std::string& fileName) {
    auto found = chunks_.find(fileName);
    if (found != chunks_.end()) {
        return found->second;
    }
    // Failed loads are not remembered: a file that appears later plays then.
    DataFile file = readDataFile(fileName, maxSoundFileBytes);
    if (!file.ok()) {
        if (file.error != DataFileError::Missing) {
            refuse(fileName, describeDataFileError(file.error));
        }
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(
        SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size())), 1);
    if (chunk == nullptr) {
        refuse(fileName, Mix_GetError());
        return nullptr;
    }
    chunks_.emplace(fileName, chunk);
    return chunk;
}

void SoundPlayer::play(const std::string& fileName) {
    if (!open_) {
        return;
    }
    Mix_HaltChannel(0);
    Mix_Chunk* chunk = chunkFor(fileName);
    if (chunk != nullptr) {
        Mix_PlayChannel(0, chunk, 0);
    }
}
