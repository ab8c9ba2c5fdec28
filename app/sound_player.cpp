// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

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

Mix_Chunk* SoundPlayer::chunkFor(const std::string& fileName) {
    auto found = chunks_.find(fileName);
    if (found != chunks_.end()) {
        return found->second;
    }
    // Failed loads are not remembered: a file that appears later plays then.
    Mix_Chunk* chunk = Mix_LoadWAV(fileName.c_str());
    if (chunk != nullptr) {
        chunks_.emplace(fileName, chunk);
    }
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
