#include "ui/win32/menu_bar.h"

#include "ui/forms/main_window_controls.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

constexpr UINT firstCommandId = 100;
constexpr UINT commandCount = static_cast<UINT>(ui::MenuCommand::about) + 1;

}  // namespace

HMENU createMenuBar() {
    HMENU bar = CreateMenu();
    for (const ui::MenuControl& menu : ui::menuControls) {
        HMENU popup = CreatePopupMenu();
        for (const ui::MenuEntry& entry : menu.entries) {
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

UINT menuCommandId(ui::MenuCommand command) {
    return firstCommandId + static_cast<UINT>(command);
}

std::optional<ui::MenuCommand> menuCommandOf(UINT commandId) {
    if (commandId < firstCommandId || commandId >= firstCommandId + commandCount) {
        return std::nullopt;
    }
    return static_cast<ui::MenuCommand>(commandId - firstCommandId);
}

}  // namespace sumora::win32
