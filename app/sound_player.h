// SPDX-License-Identifier: GPL-3.0-or-later
// SoundPlayer: WAV files played by name on one SDL_mixer channel; sound_player.cpp has the bodies.
#pragma once

#include <map>
#include <set>
#include <string>

struct Mix_Chunk;

// Plays WAV files by name on a single mixer channel: a new sound cuts off the one
// playing. Without an audio device, or for a file that cannot be read, it is silent; a file
// that is there but refused (not a regular file, too large, not a WAV) is named on standard
// error, once.
class SoundPlayer {
  public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const std::string& fileName);
    bool hasDevice() const { return open_; }
    // Whether a file was there but could not be played.
    bool refused(const std::string& fileName) const { return refused_.count(fileName) != 0; }

  private:
    Mix_Chunk* chunkFor(const std::string& fileName);
    void refuse(const std::string& fileName, const char* reason);

    bool open_ = false;
    bool audioSubsystem_ = false;
    std::map<std::string, Mix_Chunk*> chunks_;
    std::set<std::string> refused_;
};
