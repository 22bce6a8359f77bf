#include "platform/posix_link_handler.h"

#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/posix_process.h"

namespace sumora::platform {

namespace {

std::string environmentOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

std::vector<std::string> splitAtColons(const std::string& list) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t colon = 0; colon != std::string::npos; start = colon + 1) {
        colon = list.find(':', start);
        const std::string part = list.substr(start, colon - start);
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

// The association files in the order the desktop reads them.
std::vector<std::string> associationFiles() {
    const std::string home = environmentOr("HOME", "");
    std::vector<std::string> files{environmentOr("XDG_CONFIG_HOME", home + "/.config") +
                                   "/mimeapps.list"};
    for (const auto& folder : splitAtColons(environmentOr("XDG_CONFIG_DIRS", "/etc/xdg"))) {
        files.push_back(folder + "/mimeapps.list");
    }
    std::vector<std::string> dataFolders{environmentOr("XDG_DATA_HOME", home + "/.local/share")};
    for (const auto& folder :
         splitAtColons(environmentOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))) {
        dataFolders.push_back(folder);
    }
    for (const auto& folder : dataFolders) {
        files.push_back(folder + "/applications/mimeapps.list");
        files.push_back(folder + "/applications/mimeinfo.cache");
    }
    return files;
}

// A line "x-scheme-handler/<scheme>=app.desktop;" outside the removed associations.
bool namesHandler(const std::string& file, const std::string& key) {
    std::ifstream lines(file);
    bool removedSection = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('[')) {
            removedSection = line.starts_with("[Removed Associations]");
        } else if (!removedSection && line.starts_with(key) &&
                   line.find_first_not_of("; ", key.size()) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> findOnPath(std::string_view program) {
    for (const auto& folder : splitAtColons(environmentOr("PATH", ""))) {
        // A relative entry ("." or "bin") names a folder under wherever the program was started,
        // such as a download folder that anyone could have put an "xdg-open" into.
        if (!folder.starts_with('/')) {
            continue;
        }
        std::string path = folder + "/" + std::string(program);
        if (isExecutableFile(path)) {
            return path;
        }
    }
    return std::nullopt;
}

bool hasSchemeHandler(std::string_view scheme) {
    const std::string key = "x-scheme-handler/" + std::string(scheme) + "=";
    for (const auto& file : associationFiles()) {
        if (namesHandler(file, key)) {
            return true;
        }
    }
    return false;
}

}  // namespace sumora::platform
