#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {
constexpr std::chrono::milliseconds POLL_STEP{20};
constexpr std::chrono::milliseconds POLITE_STOP{2000};
constexpr int EXEC_FAILED = 127;

void redirect(const std::string& path, int fd) {
    const char* target = path.empty() ? "/dev/null" : path.c_str();
    const int file = open(target, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0)
        _exit(EXEC_FAILED);
    dup2(file, fd);
    close(file);
}

[[noreturn]] void becomeChild(const std::vector<std::string>& argv, const std::string& workDir,
                              const ChildProcess::Environment& extraEnv, const std::string& outPath,
                              const std::string& errPath) {
    if (chdir(workDir.c_str()) != 0)
        _exit(EXEC_FAILED);
    for (const auto& [name, value] : extraEnv)
        setenv(name.c_str(), value.c_str(), 1);
    redirect(outPath, STDOUT_FILENO);
    redirect(errPath, STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(EXEC_FAILED);
}
} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& workDir,
                           const Environment& extraEnv, const std::string& outPath,
                           const std::string& errPath) {
    if (argv.empty())
        throw std::invalid_argument("no program to start");
    child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0)
        becomeChild(argv, workDir, extraEnv, outPath, errPath);
}

ChildProcess::~ChildProcess() {
    stop();
}

bool ChildProcess::reap(bool block) {
    if (status)
        return true;
    int raw = 0;
    const pid_t done = waitpid(child, &raw, block ? 0 : WNOHANG);
    if (done != child)
        return false;
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
    return true;
}

std::optional<int> ChildProcess::waitFor(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!reap(false)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(POLL_STEP);
    }
    return status;
}

bool ChildProcess::running() {
    return !reap(false);
}

void ChildProcess::stop() {
    if (child <= 0 || reap(false))
        return;
    kill(child, SIGTERM);
    if (!waitFor(POLITE_STOP)) {
        kill(child, SIGKILL);
        reap(true);
    }
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
