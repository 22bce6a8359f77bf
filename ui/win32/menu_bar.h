#pragma once

// The menu bar, built from the menu table. A command's id is its entry's place among all entries
// of the bar, so that the table alone names every command.

#include <windows.h>

#include <string_view>

namespace sumora::win32 {

HMENU createMenuBar();

// 0 for a name that is no entry.
UINT menuCommandId(std::string_view entryName);
// "" for an id that is no entry.
std::string_view menuEntryName(UINT commandId);

}  // namespace sumora::win32
