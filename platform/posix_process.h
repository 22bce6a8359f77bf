#pragma once

#include <string>
#include <vector>

namespace sumora::platform {

// Starts the program at exactly `arguments[0]` (never through a shell, never split at blanks,
// never searched on PATH) with `arguments`, and returns at once. False when it could not be
// started. The child is reaped when it ends, so none is left a zombie.
bool startDetached(const std::vector<std::string>& arguments);

// A regular file this process may run.
bool isExecutableFile(const std::string& path);

}  // namespace sumora::platform
