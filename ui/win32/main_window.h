#pragma once

// The main window of the Win32 program: a thin shell around the engine.
//
// One loop builds the keys from the control table (ui/forms/main_window_controls.h), another the
// labels, a third the rules; the menu bar comes from the menu table (menu_bar.h). Every position
// and font is the table's, scaled by the window's DPI, and laid out again when the DPI changes.
// A click on a key calls the engine's click handler; the keyboard reaches the engine through the
// focused key (key_input.h): a typed character goes to its key-press handler, Enter presses the
// focused key. The engine writes back through ControlView: label texts, enabled keys, focus, and
// message boxes through the platform. No key is a default key.

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "platform/platform.h"
#include "ui/forms/commands.h"
#include "ui/win32/accessible_names.h"
#include "ui/win32/control_view.h"
#include "ui/win32/font_set.h"
#include "ui/win32/key_input.h"

namespace sumora::win32 {

class MainWindow final : private KeyInput {
public:
    explicit MainWindow(platform::Platform& platform);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    HWND key(Key which) const { return keys_[static_cast<std::size_t>(which)]; }
    HWND label(Label which) const { return labels_[static_cast<std::size_t>(which)]; }

    // Shows the window, made centred on the primary monitor's work area, the focus on its key.
    void show(int showCommand);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Makes every control in its place and font for `dpi`.
    void createControls(UINT dpi);
    // Each key's tip from the table, and each field's whole text as its tip.
    void addToolTips();
    // Places every control and sets its font for a new `dpi`.
    void layOut(UINT dpi);
    void keepSizeWhenMaximised(MINMAXINFO& limits) const;
    void centre();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onMenuCommand(forms::MenuCommand command);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    std::optional<Label> labelOf(HWND control) const;
    // The display's and the memory field's context menu copies the field's whole text; the
    // display's also pastes.
    void onContextMenu(HWND control, LPARAM screenPoint);
    LRESULT onNotify(NMHDR& header);

    void typed(Key key, std::int16_t code) override;
    void keypadDecimalTyped(Key key) override;
    void pressed(Key key) override;
    void tabbed(Key from, bool backwards) override;
    void focused(Key key) override;
    void copyRequested() override;
    void pasteRequested() override;

    platform::Platform& platform_;
    HWND window_ = nullptr;
    KeyHandles keys_{};
    std::array<KeyListener, keyCount> keyListeners_{};
    LabelHandles labels_{};
    std::vector<HWND> lines_;
    FontSet fonts_{baseDpi};
    Key focusedKey_ = Key::cmdNum0;
    // The owner's destructor closes the window; only the user's close ends the message loop.
    bool closedByOwner_ = false;
    ControlView view_;
    Calculator engine_;
    AccessibleNames accessibleNames_;
    std::wstring tipText_;
};

}  // namespace sumora::win32
