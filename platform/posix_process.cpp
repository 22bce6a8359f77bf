#include "platform/posix_process.h"

#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace sumora::platform {

namespace {

using Spawn = int (*)(pid_t*, const char*, const posix_spawn_file_actions_t*,
                      const posix_spawnattr_t*, char* const[], char* const[]);

std::optional<pid_t> spawnWith(Spawn spawn, const std::vector<std::string>& arguments) {
    std::vector<std::string> copies(arguments);
    std::vector<char*> argv;
    for (auto& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return std::nullopt;
    }
    return pid;
}

// A thread that only waits keeps the child from staying a zombie without touching the process's
// SIGCHLD handling, which the toolkit may own.
void reapWhenEnded(pid_t pid) {
    std::thread([pid] {
        while (::waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
        }
    }).detach();
}

int exitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool startDetached(const std::string& path) {
    const auto pid = spawnWith(::posix_spawn, {path});
    if (!pid) {
        return false;
    }
    reapWhenEnded(*pid);
    return true;
}

std::optional<int> runWithLimit(const std::vector<std::string>& arguments,
                                std::chrono::milliseconds limit) {
    const auto pid = spawnWith(::posix_spawnp, arguments);
    if (!pid) {
        return std::nullopt;
    }
    constexpr auto pollInterval = std::chrono::milliseconds(10);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(*pid, &status, WNOHANG);
        if (ended == *pid) {
            return exitStatus(status);
        }
        if (ended == -1 && errno != EINTR) {
            return -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            reapWhenEnded(*pid);
            return 0;
        }
        std::this_thread::sleep_for(pollInterval);
    }
}

}  // namespace sumora::platform
