// SPDX-License-Identifier: GPL-3.0-or-later
// Running espeak-ng to speak a taunt into a WAV file, when it is installed.
#include "tools/speech.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern char** environ;

namespace assets {

namespace {

// Runs a program without a shell, its output discarded; true when it exits with status 0.
bool runQuietly(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        return false;
    }
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::optional<Sound> speak(const std::string& text, const Voice& voice,
                           const std::string& scratchFile) {
    const bool ran =
        runQuietly({"espeak-ng", "-v", voice.name, "-p", std::to_string(voice.pitch), "-s",
                    std::to_string(voice.wordsPerMinute), "-w", scratchFile, text});
    std::optional<Sound> sound;
    if (ran) {
        std::ifstream in(scratchFile, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        sound = decodeWav(bytes);
    }
    std::remove(scratchFile.c_str());
    if (sound && sound->samples.empty()) {
        return std::nullopt;
    }
    return sound;
}

}  // namespace assets
