#include "ui/win32/dialogs/dialog_form.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/windows_platform.h"
#include "resources/resource_ids.h"
#include "ui/win32/centring.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/dpi_window.h"
#include "ui/win32/rule.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

using forms::Border;
using forms::Control;
using forms::Kind;

// Control ids start above IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
constexpr int firstControlId = 100;

int resourceOf(forms::Picture picture) {
    switch (picture) {
        case forms::Picture::emblem:
            return SUMORA_IDB_EMBLEM;
        case forms::Picture::banner:
            return SUMORA_IDB_BANNER;
        case forms::Picture::none:
            break;
    }
    return 0;
}

DWORD windowStyle(const forms::WindowAttributes& attributes) {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU |
           (attributes.sizable ? WS_THICKFRAME : static_cast<DWORD>(DS_MODALFRAME));
}

// Without an icon in the title bar; the owned window has no task-bar button of its own.
constexpr DWORD windowExStyle = WS_EX_DLGMODALFRAME;

// An in-memory template without controls: they are placed in pixels from their twips, which a
// template, measured in dialog units of its font, cannot express.
std::vector<WORD> dialogTemplate(const forms::WindowAttributes& attributes) {
    DLGTEMPLATE header{};
    header.style = windowStyle(attributes);
    header.dwExtendedStyle = windowExStyle;
    std::vector<WORD> words(sizeof header / sizeof(WORD));
    std::copy_n(reinterpret_cast<const WORD*>(&header), words.size(), words.begin());
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    for (const wchar_t character : widen(attributes.caption)) {
        words.push_back(static_cast<WORD>(character));
    }
    words.push_back(0);
    return words;
}

struct CreateParameters {
    const wchar_t* className;
    DWORD style;
};

CreateParameters createParameters(const Control& control) {
    switch (control.kind) {
        case Kind::picture:
            return {L"STATIC", SS_OWNERDRAW};
        case Kind::button:
            return {L"BUTTON",
                    static_cast<DWORD>(WS_TABSTOP | (control.command == forms::DialogCommand::ok
                                                         ? BS_DEFPUSHBUTTON
                                                         : BS_PUSHBUTTON))};
        case Kind::label:
        case Kind::link:
            return {L"STATIC",
                    static_cast<DWORD>((control.centred ? SS_CENTER : SS_LEFT) | SS_NOPREFIX |
                                       (control.kind == Kind::link ? SS_NOTIFY : 0))};
        case Kind::line:
            return {L"STATIC", ruleStyle};
    }
    return {L"STATIC", 0};
}

// The dialog manager would scale the window and its fonts itself on a change of DPI, in dialog
// units of a font this template does not use; the layout does it from the table instead. Looked up
// at run time: Windows 10 before version 1703 lacks the call.
void keepDialogManagerFromScaling(HWND dialog) {
    using Behaviour = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto setBehaviour = [] {
        const HMODULE user = GetModuleHandleW(L"user32.dll");
        return user == nullptr ? nullptr
                               : reinterpret_cast<Behaviour>(reinterpret_cast<void*>(
                                     GetProcAddress(user, "SetDialogDpiChangeBehavior")));
    }();
    if (setBehaviour != nullptr) {
        setBehaviour(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    }
}

// A control that holds others passes their commands on to the dialog.
LRESULT CALLBACK containerProcedure(HWND container, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR dialog) {
    if (message == WM_COMMAND) {
        return SendMessageW(reinterpret_cast<HWND>(dialog), message, wParam, lParam);
    }
    return DefSubclassProc(container, message, wParam, lParam);
}

}  // namespace

DialogForm::DialogForm(const forms::WindowAttributes& attributes,
                       std::span<const forms::Control> controls)
    : attributes_(attributes),
      controls_(controls),
      handles_(controls.size()),
      pictures_(controls.size()) {}

void DialogForm::showModal(HWND owner) {
    const std::vector<WORD> words = dialogTemplate(attributes_);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner, procedure,
                            reinterpret_cast<LPARAM>(this));
    // The dialog manager has enabled and activated the owner again before destroying the dialog.
    if (owner != nullptr) {
        RedrawWindow(owner, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

HWND DialogForm::control(std::string_view objectName) const {
    const auto row = rowOf(objectName);
    return row ? handles_[*row] : nullptr;
}

void DialogForm::unload() {
    EndDialog(window_, IDOK);
}

void DialogForm::run(forms::DialogCommand command) {
    if (command == forms::DialogCommand::ok) {
        unload();
    }
}

std::optional<std::size_t> DialogForm::rowOf(std::string_view objectName) const {
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        if (controls_[row].objectName == objectName) {
            return row;
        }
    }
    return std::nullopt;
}

INT_PTR CALLBACK DialogForm::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<DialogForm*>(lParam)->window_ = window;
    }
    auto* form = reinterpret_cast<DialogForm*>(GetWindowLongPtrW(window, DWLP_USER));
    const platform::BoxOwner asking(window);
    return form == nullptr ? FALSE : form->handle(message, wParam, lParam);
}

INT_PTR DialogForm::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogManagerFromScaling(window_);
            create();
            layOut(GetDpiForWindow(window_), nullptr);
            load();
            // The dialog manager gives the focus to the first control in tab order.
            return TRUE;
        case WM_GETDPISCALEDSIZE:
            *reinterpret_cast<SIZE*>(lParam) =
                frameAround(window_, {attributes_.clientWidth, attributes_.clientHeight},
                            static_cast<UINT>(wParam));
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_DPICHANGED:
            layOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // A change of colours or of high contrast: the link and the rules paint anew.
            RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            return FALSE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            // A click, not the double-click that a notifying static also reports.
            if (HIWORD(wParam) != BN_CLICKED) {
                return TRUE;
            }
            if (id == IDCANCEL) {
                run(forms::DialogCommand::ok);
            } else if (id >= firstControlId &&
                       static_cast<std::size_t>(id - firstControlId) < controls_.size()) {
                if (const auto command =
                        controls_[static_cast<std::size_t>(id - firstControlId)].command) {
                    run(*command);
                }
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            const auto row =
                std::find(handles_.begin(), handles_.end(), reinterpret_cast<HWND>(lParam));
            if (row != handles_.end() &&
                controls_[static_cast<std::size_t>(row - handles_.begin())].kind == Kind::line) {
                return reinterpret_cast<INT_PTR>(ruleBrush());
            }
            const auto colour = textColour(reinterpret_cast<HWND>(lParam));
            if (!colour) {
                return FALSE;
            }
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, *colour);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SETCURSOR: {
            HCURSOR cursor = pointer(reinterpret_cast<HWND>(wParam));
            if (cursor == nullptr) {
                return FALSE;
            }
            SetCursor(cursor);
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_DRAWITEM:
            drawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return message >= WM_APP && handleAppMessage(message, lParam) ? TRUE : FALSE;
    }
}

void DialogForm::create() {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    // Created in tab order, so the dialog manager's Tab order follows the tab indices.
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        const Control& control = controls_[row];
        const auto container = rowOf(control.container);
        const bool holdsOthers =
            std::any_of(controls_.begin(), controls_.end(),
                        [&](const auto& c) { return c.container == control.objectName; });
        const auto [className, style] = createParameters(control);
        const DWORD exStyle = (control.border == Border::sunken ? WS_EX_CLIENTEDGE : 0) |
                              (holdsOthers ? WS_EX_CONTROLPARENT : 0);
        const DWORD borderStyle = control.border == Border::single ? WS_BORDER : 0;
        HWND parent = container ? handles_[*container] : window_;
        handles_[row] = CreateWindowExW(
            exStyle, className, widen(control.text).c_str(),
            WS_CHILD | WS_VISIBLE | style | borderStyle | (holdsOthers ? WS_CLIPCHILDREN : 0), 0, 0,
            0, 0, parent, reinterpret_cast<HMENU>(firstControlId + static_cast<INT_PTR>(row)),
            module, nullptr);
        if (holdsOthers) {
            SetWindowSubclass(handles_[row], containerProcedure, 0,
                              reinterpret_cast<DWORD_PTR>(window_));
        }
        if (control.kind == Kind::picture) {
            pictures_[row].reset(static_cast<HBITMAP>(
                LoadImageW(module, MAKEINTRESOURCEW(resourceOf(control.picture)), IMAGE_BITMAP, 0,
                           0, LR_CREATEDIBSECTION)));
        }
    }
}

void DialogForm::layOut(UINT dpi, const RECT* suggested) {
    dpi_ = dpi;
    FontSet fonts(dpi);
    {
        const LayoutPass pass(window_);
        for (std::size_t row = 0; row < controls_.size(); ++row) {
            const Control& control = controls_[row];
            RECT bounds = scaledRect(control.x, control.y, control.w, control.h, dpi);
            // A line is a rule, whatever its table height.
            if (control.kind == Kind::line) {
                bounds.bottom = bounds.top + ruleThickness(dpi);
            }
            const bool hasText = control.kind == Kind::label || control.kind == Kind::link ||
                                 control.kind == Kind::button;
            pass.place(handles_[row], bounds, hasText ? fonts.get(control.font) : nullptr);
        }
    }
    // The controls have their new fonts: the old ones can go.
    fonts_ = std::move(fonts);

    const ClientTwips client{attributes_.clientWidth, attributes_.clientHeight};
    if (suggested != nullptr) {
        fitClientArea(window_, client, dpi, {suggested->left, suggested->top});
        return;
    }
    // Centred in the work area of the screen that the dialog opens on.
    fitClientArea(window_, client, dpi,
                  centredIn(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST),
                            frameAround(window_, client, dpi)));
}

// A picture from its top-left corner at the window's scale, clipped by its box.
void DialogForm::drawPicture(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const auto row = static_cast<std::size_t>(item.CtlID - firstControlId);
    if (row >= pictures_.size() || pictures_[row] == nullptr) {
        return;
    }
    BITMAP size{};
    GetObjectW(pictures_[row].get(), sizeof size, &size);
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ previous = SelectObject(source, pictures_[row].get());
    // Averaged, not dropped or doubled, pixels: smooth at every scale.
    SetStretchBltMode(item.hDC, HALFTONE);
    SetBrushOrgEx(item.hDC, 0, 0, nullptr);
    StretchBlt(item.hDC, 0, 0, pixelsAt(size.bmWidth, dpi_), pixelsAt(size.bmHeight, dpi_), source,
               0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace sumora::win32
