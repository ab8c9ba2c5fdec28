// Running the generator and outside programs from the tests.
#pragma once

#include <string>

namespace tooltest {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

struct CommandResult {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

// Runs a shell command line; arguments must already be quoted where needed.
CommandResult run(const std::string& commandLine);

std::string quoted(const std::string& argument);

// Runs the generator into `dir`; true when it exits with 0.
bool generateInto(const std::string& dir, bool useSpeech);

std::string readFile(const std::string& path);

}  // namespace tooltest
