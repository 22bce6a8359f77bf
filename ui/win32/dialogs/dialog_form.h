#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "ui/forms/dialog_controls.h"
#include "ui/win32/font_set.h"

namespace sumora::win32 {

// A modal dialog built from one of the dialog tables: every control at its twips scaled by the
// window's DPI, with its font, border and text, in tab order. The dialog manager runs the modal
// loop, so Tab, Enter on the default button and Escape behave as in every other Windows dialog.
// Subclasses say what their other commands do and may colour a text or change the pointer over a
// control.
// The OK button is the default: Enter presses it, and so do Escape and the window's close command.
class DialogForm {
public:
    DialogForm(const forms::WindowAttributes& attributes, std::span<const forms::Control> controls);
    DialogForm(const DialogForm&) = delete;
    DialogForm& operator=(const DialogForm&) = delete;
    virtual ~DialogForm() = default;

    // Returns once the dialog is unloaded, after giving the focus back to `owner` and repainting
    // it. `owner` takes no input meanwhile.
    void showModal(HWND owner);

protected:
    HWND control(std::string_view objectName) const;
    void unload();

    virtual void load() {}
    // OK unloads the dialog; a dialog with other commands handles them too.
    virtual void run(forms::DialogCommand command);
    virtual std::optional<COLORREF> textColour(HWND /*control*/) const { return std::nullopt; }
    virtual HCURSOR pointer(HWND /*control*/) const { return nullptr; }
    // A message of the dialog's own (WM_APP and above); true when it was handled.
    virtual bool handleAppMessage(UINT /*message*/, LPARAM /*lParam*/) { return false; }

    HWND window_ = nullptr;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void create();
    // Sizes and places the window and its controls, and makes their fonts, for `dpi`.
    void layOut(UINT dpi, const RECT* suggested);
    void drawPicture(const DRAWITEMSTRUCT& item) const;
    std::optional<std::size_t> rowOf(std::string_view objectName) const;

    const forms::WindowAttributes& attributes_;
    std::span<const forms::Control> controls_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    // By table row.
    std::vector<HWND> handles_;
    FontSet fonts_{baseDpi};
    std::vector<std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>> pictures_;
};

}  // namespace sumora::win32
