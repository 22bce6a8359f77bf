#include "ui/win32/menu_bar.h"

#include "ui/forms/main_window_controls.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

constexpr UINT firstCommandId = 100;
constexpr UINT commandCount = static_cast<UINT>(forms::MenuCommand::about) + 1;

}  // namespace

HMENU createMenuBar() {
    HMENU bar = CreateMenu();
    for (const forms::MenuControl& menu : forms::menuControls) {
        HMENU popup = CreatePopupMenu();
        for (const forms::MenuEntry& entry : menu.entries) {
            if (entry.command) {
                AppendMenuW(popup, MF_STRING, menuCommandId(*entry.command),
                            widen(entry.caption).c_str());
            } else {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            }
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), widen(menu.caption).c_str());
    }
    return bar;
}

UINT menuCommandId(forms::MenuCommand command) {
    return firstCommandId + static_cast<UINT>(command);
}

std::optional<forms::MenuCommand> menuCommandOf(UINT commandId) {
    if (commandId < firstCommandId || commandId >= firstCommandId + commandCount) {
        return std::nullopt;
    }
    return static_cast<forms::MenuCommand>(commandId - firstCommandId);
}

}  // namespace sumora::win32
