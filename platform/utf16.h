#pragma once

// The program's texts are UTF-8; the wide-character Windows API takes UTF-16. Converted once, at
// the boundary, by the platform and the Win32 front end alike.

#include <string>
#include <string_view>

namespace sumora::platform {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace sumora::platform
