#pragma once

// The tables hold UTF-8; the wide-character API takes UTF-16. Converted once, at the boundary.

#include <string>
#include <string_view>

namespace sumora::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace sumora::win32
