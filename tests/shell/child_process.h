// A program started in its own working directory, with its standard output
// and error going to files, that can be waited for with a deadline.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ChildProcess {
  public:
    using Environment = std::vector<std::pair<std::string, std::string>>;

    // Output goes to outPath and errPath; empty paths mean /dev/null.
    ChildProcess(const std::vector<std::string>& argv, const std::string& workDir,
                 const Environment& extraEnv, const std::string& outPath = "",
                 const std::string& errPath = "");
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return child; }
    // The exit status once the program has ended within the time (minus the
    // signal's number when a signal ended it); empty while it still runs.
    std::optional<int> waitFor(std::chrono::milliseconds limit);
    bool running();
    // Asks politely, then insists; reaps the process.
    void stop();

  private:
    pid_t child = -1;
    std::optional<int> status;
    bool reap(bool block);
};

std::string readWholeFile(const std::string& path);
