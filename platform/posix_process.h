#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace sumora::platform {

// Processes started with an argument vector: never through a shell, never split at blanks. Every
// child is reaped, by the caller's wait or by a thread of its own, so none is left a zombie.

// Starts the program at exactly `path`, with `path` as its only argument, and does not wait for
// it. False when it could not be started.
bool startDetached(const std::string& path);

// Starts `arguments[0]`, found on PATH, with `arguments`, and waits at most `limit` for it to end.
// Its exit status if it ended in that time (-1 when a signal ended it); nullopt when it could not
// be started. A program still running at the limit is left to run and counted as exit status 0.
std::optional<int> runWithLimit(const std::vector<std::string>& arguments,
                                std::chrono::milliseconds limit);

}  // namespace sumora::platform
