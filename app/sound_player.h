// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>

struct Mix_Chunk;

// Plays WAV files by name on a single mixer channel: a new sound cuts off the one
// playing. Without an audio device, or for a file that cannot be read, it is silent.
class SoundPlayer {
  public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const std::string& fileName);
    bool hasDevice() const { return open_; }

  private:
    Mix_Chunk* chunkFor(const std::string& fileName);

    bool open_ = false;
    bool audioSubsystem_ = false;
    std::map<std::string, Mix_Chunk*> chunks_;
};
