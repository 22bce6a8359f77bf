#include "ui/win32/menu_bar.h"

#include "ui/forms/main_window_controls.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

constexpr UINT firstCommandId = 100;

template <typename Visit>
void forEachEntry(Visit visit) {
    UINT id = firstCommandId;
    for (const ui::MenuControl& menu : ui::menuControls) {
        for (const ui::MenuEntry& entry : menu.entries) {
            visit(entry, id++);
        }
    }
}

}  // namespace

HMENU createMenuBar() {
    HMENU bar = CreateMenu();
    UINT id = firstCommandId;
    for (const ui::MenuControl& menu : ui::menuControls) {
        HMENU popup = CreatePopupMenu();
        for (const ui::MenuEntry& entry : menu.entries) {
            if (entry.caption.empty()) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuW(popup, MF_STRING, id, widen(entry.caption).c_str());
            }
            ++id;
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), widen(menu.caption).c_str());
    }
    return bar;
}

UINT menuCommandId(std::string_view entryName) {
    UINT found = 0;
    forEachEntry([&](const ui::MenuEntry& entry, UINT id) {
        if (entry.objectName == entryName) {
            found = id;
        }
    });
    return found;
}

std::string_view menuEntryName(UINT commandId) {
    std::string_view found;
    forEachEntry([&](const ui::MenuEntry& entry, UINT id) {
        if (id == commandId) {
            found = entry.objectName;
        }
    });
    return found;
}

}  // namespace sumora::win32
