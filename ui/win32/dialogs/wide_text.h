#pragma once

#include <string>
#include <string_view>

namespace sumora::win32 {

// UTF-8 text of the tables as the wide characters that the …W functions take.
std::wstring wideText(std::string_view text);

}  // namespace sumora::win32
