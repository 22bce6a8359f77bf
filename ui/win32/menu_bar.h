#pragma once

// The menu bar, built from the menu table. A command's id is its value above a base clear of the
// controls' ids, so that the command enum alone numbers the menu.

#include <windows.h>

#include <optional>

#include "ui/forms/commands.h"

namespace sumora::win32 {

HMENU createMenuBar();

UINT menuCommandId(forms::MenuCommand command);
// Nothing for an id that is no menu command.
std::optional<forms::MenuCommand> menuCommandOf(UINT commandId);

}  // namespace sumora::win32
