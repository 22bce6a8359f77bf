#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sumora::platform {

// The full path of the executable file `program` in a folder of PATH, or nothing. Relative
// entries of PATH are passed over.
std::optional<std::string> findOnPath(std::string_view program);

// Whether the desktop's association files (mimeapps.list and mimeinfo.cache in the XDG config and
// data folders) name an application for links of `scheme`, such as "mailto". Only files are read:
// no program is started and nothing is waited for.
bool hasSchemeHandler(std::string_view scheme);

}  // namespace sumora::platform
