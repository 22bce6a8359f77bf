#include "platform/posix_process.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

// POSIX leaves the declaration of the environment to the program.
extern char** environ;

namespace sumora::platform {

bool startDetached(const std::vector<std::string>& arguments) {
    std::vector<std::string> copies(arguments);
    std::vector<char*> argv;
    for (auto& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    // A thread that only waits keeps the child from staying a zombie without touching the
    // process's SIGCHLD handling, which the toolkit may own. Its body cannot throw; should the
    // thread itself not start, the child is left to be reaped when this process ends rather than
    // an exception reaching the caller, which may be a toolkit slot.
    try {
        std::thread([pid] {
            while (::waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
    }
    return true;
}

bool isExecutableFile(const std::string& path) {
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace sumora::platform
