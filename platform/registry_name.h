#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace sumora::platform {

// Registry key and value names compare without regard to (ASCII) case; this is the form in which
// they are compared.
inline std::string foldedRegistryName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return folded;
}

}  // namespace sumora::platform
