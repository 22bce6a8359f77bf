#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <imm.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "platform/windows_platform.h"
#include "resources/resource_ids.h"
#include "ui/forms/face_colours.h"
#include "ui/forms/main_window_controls.h"
#include "ui/forms/menu_messages.h"
#include "ui/forms/version_caption.h"
#include "ui/win32/centring.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/coloured_key.h"
#include "ui/win32/dialogs/about_dialog.h"
#include "ui/win32/dialogs/bugs_dialog.h"
#include "ui/win32/dialogs/link_opener.h"
#include "ui/win32/dpi_window.h"
#include "ui/win32/field_drawing.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/rule.h"
#include "ui/win32/tool_tips.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

constexpr wchar_t className[] = L"SumoraMainWindow";
// Fixed border, no minimize or maximize box.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// Clear of IDOK and IDCANCEL, which dialog code gives Enter and Escape.
constexpr int firstKeyId = 200;
constexpr int firstLabelId = firstKeyId + keyCount;
// Posted by the constructor: what the first sight of the window does not need, the keys' tips and
// their names for screen readers (which load COM), is made once the window is up and painted.
constexpr UINT finishStartMessage = WM_APP + 1;

std::optional<Key> keyOf(int controlId) {
    if (controlId < firstKeyId || controlId >= firstLabelId) {
        return std::nullopt;
    }
    return static_cast<Key>(controlId - firstKeyId);
}

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(SUMORA_IDI_ICON));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(SUMORA_IDI_ICON),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    // A second window finds the class registered already.
    RegisterClassExW(&windowClass);
}

constexpr ClientTwips tableClient{forms::clientWidth, forms::clientHeight};

template <typename Control>
RECT boundsOf(const Control& control, UINT dpi) {
    return scaledRect(control.x, control.y, control.w, control.h, dpi);
}

RECT boundsOf(const forms::LineControl& line, UINT dpi) {
    const int top = scaled(line.y, dpi);
    return {scaled(line.x1, dpi), top, scaled(line.x2, dpi), top + ruleThickness(dpi)};
}

HWND createChild(HWND parent, const wchar_t* windowClass, std::string_view text, DWORD style,
                 int id, const RECT& bounds, HFONT font) {
    HWND child = CreateWindowExW(
        0, windowClass, widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (font != nullptr) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return child;
}

}  // namespace

MainWindow::MainWindow(platform::Platform& platform)
    : platform_(platform), view_(keys_, labels_, platform), engine_(view_) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClass(instance, windowProc);
    CreateWindowExW(0, className, widen(forms::versionCaption).c_str(), windowStyle, 0, 0, 0, 0,
                    nullptr, createMenuBar(), instance, this);
    // Sized and centred before the controls exist, which spares a pass over them.
    const UINT dpi = GetDpiForWindow(window_);
    fitClientArea(window_, tableClient, dpi, {0, 0});
    centre();
    createControls(dpi);
    // The keys take what is typed character by character: an input method would compose it
    // instead (full-width digits), and take Enter to end the composition.
    ImmAssociateContextEx(window_, nullptr, IACE_CHILDREN);
    // The focus rectangle shows from the start: the keyboard is how this window is mostly used.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    engine_.Form_Load();
    PostMessageW(window_, finishStartMessage, 0, 0);
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        closedByOwner_ = true;
        DestroyWindow(window_);
    }
}

void MainWindow::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(key(focusedKey_));
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const platform::BoxOwner asking(window);
    return self->onMessage(message, wParam, lParam);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_DRAWITEM:
            onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CONTEXTMENU:
            onContextMenu(reinterpret_cast<HWND>(wParam), lParam);
            return 0;
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_CTLCOLORSTATIC:
            if (std::ranges::find(lines_, reinterpret_cast<HWND>(lParam)) != lines_.end()) {
                return reinterpret_cast<LRESULT>(ruleBrush());
            }
            break;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // A change of colours or of high contrast: every control paints itself anew.
            RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                SetFocus(key(focusedKey_));
            }
            return 0;
        case WM_SETFOCUS:
            SetFocus(key(focusedKey_));
            return 0;
        case WM_GETMINMAXINFO:
            keepSizeWhenMaximised(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
            // A shortcut set to "Maximized" applies to the first ShowWindow, whatever the program
            // asks for: the fixed-size window is restored at once, to be moved as usual.
            if (wParam == SIZE_MAXIMIZED) {
                PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
            }
            break;
        case WM_GETDPISCALEDSIZE:
            *reinterpret_cast<SIZE*>(lParam) =
                frameAround(window_, tableClient, static_cast<UINT>(wParam));
            return TRUE;
        case WM_DPICHANGED: {
            const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
            layOut(HIWORD(wParam));
            fitClientArea(window_, tableClient, HIWORD(wParam), {suggested.left, suggested.top});
            return 0;
        }
        case linkOpenedMessage:
            // From a link opened in the About dialog, once the dialog has been closed.
            showLinkFailure(platform_, lParam);
            return 0;
        case finishStartMessage:
            addToolTips();
            accessibleNames_.start();
            for (const forms::KeyControl& control : forms::keyControls) {
                accessibleNames_.name(key(control.key), control.accessibleName);
            }
            for (const forms::LabelControl& control : forms::labelControls) {
                accessibleNames_.describeField(label(control.label), control.accessibleDescription);
            }
            return 0;
        case WM_DESTROY:
            accessibleNames_.clear();
            if (!closedByOwner_) {
                PostQuitMessage(0);
            }
            return 0;
        case WM_NCDESTROY: {
            const HWND closed = std::exchange(window_, nullptr);
            SetWindowLongPtrW(closed, GWLP_USERDATA, 0);
            return DefWindowProcW(closed, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::createControls(UINT dpi) {
    fonts_ = FontSet(dpi);
    // Created in tab order.
    for (const forms::KeyControl& control : forms::keyControls) {
        const DWORD face = control.face == forms::Face::system ? BS_PUSHBUTTON : BS_OWNERDRAW;
        // The table overlaps neighbouring keys by a pixel: each paints only its own part.
        HWND created =
            createChild(window_, WC_BUTTONW, control.caption, WS_TABSTOP | WS_CLIPSIBLINGS | face,
                        firstKeyId + static_cast<int>(control.key), boundsOf(control, dpi),
                        fonts_.get(control.font));
        keys_[static_cast<std::size_t>(control.key)] = created;
        keyListeners_[static_cast<std::size_t>(control.key)].listen(created, control.key, *this);
    }
    // In stacking order, back to front: each label goes over the ones before it.
    for (const forms::LabelControl& control : forms::labelControls) {
        // SS_NOTIFY: the field takes the mouse, for its tip and its context menu.
        HWND created = createChild(window_, WC_STATICW, control.initialText,
                                   WS_BORDER | WS_CLIPSIBLINGS | SS_OWNERDRAW | SS_NOTIFY,
                                   firstLabelId + static_cast<int>(control.label),
                                   boundsOf(control, dpi), fonts_.get(control.font));
        SetWindowPos(created, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        labels_[static_cast<std::size_t>(control.label)] = created;
    }
    for (const forms::LineControl& line : forms::lineControls) {
        lines_.push_back(
            createChild(window_, WC_STATICW, "", ruleStyle, 0, boundsOf(line, dpi), nullptr));
    }
}

void MainWindow::addToolTips() {
    HWND tips = createToolTips(window_);
    for (const forms::KeyControl& control : forms::keyControls) {
        if (!control.toolTip.empty()) {
            addToolTip(tips, key(control.key), widen(control.toolTip));
        }
    }
    for (HWND field : labels_) {
        addToolTip(tips, field);
    }
}

void MainWindow::layOut(UINT dpi) {
    FontSet fonts(dpi);
    {
        const LayoutPass pass(window_);
        for (const forms::KeyControl& control : forms::keyControls) {
            pass.place(key(control.key), boundsOf(control, dpi), fonts.get(control.font));
        }
        for (const forms::LabelControl& control : forms::labelControls) {
            pass.place(label(control.label), boundsOf(control, dpi), fonts.get(control.font));
        }
        for (std::size_t i = 0; i < forms::lineControls.size(); ++i) {
            pass.place(lines_[i], boundsOf(forms::lineControls[i], dpi), nullptr);
        }
    }
    // The controls have their new fonts: the old ones can go.
    fonts_ = std::move(fonts);
}

void MainWindow::keepSizeWhenMaximised(MINMAXINFO& limits) const {
    // Until it is restored, a maximised window stays where it was, at its own size.
    RECT frame{};
    GetWindowRect(window_, &frame);
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    limits.ptMaxSize = {frame.right - frame.left, frame.bottom - frame.top};
    limits.ptMaxPosition = {frame.left - monitor.rcMonitor.left, frame.top - monitor.rcMonitor.top};
}

void MainWindow::centre() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    // On the primary monitor, whose DPI the window starts with.
    const POINT origin = centredIn(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY),
                                   {frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(window_, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        if (const auto command = menuCommandOf(LOWORD(wParam))) {
            onMenuCommand(*command);
        }
    } else if (const auto key = keyOf(LOWORD(wParam)); key && HIWORD(wParam) == BN_CLICKED) {
        engine_.click(*key);
    }
}

void MainWindow::onMenuCommand(forms::MenuCommand command) {
    const auto show = [this](const forms::MenuMessage& message) {
        platform_.messageBox(message.prompt, message.style, message.title);
    };
    switch (command) {
        case forms::MenuCommand::save:
            show(forms::saveMessage);
            break;
        case forms::MenuCommand::print:
            show(forms::printMessage);
            break;
        case forms::MenuCommand::license:
            show(forms::licenseMessage);
            break;
        case forms::MenuCommand::exit:
            DestroyWindow(window_);
            break;
        case forms::MenuCommand::bugs:
            showBugsDialog(window_);
            break;
        case forms::MenuCommand::about:
            showAboutDialog(window_, platform_);
            break;
    }
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (const auto key = keyOf(static_cast<int>(item.CtlID))) {
        drawColouredKey(item, *forms::faceColours(forms::keyControl(*key).face));
    } else {
        drawField(item, forms::labelControl(static_cast<Label>(item.CtlID - firstLabelId)));
    }
}

std::optional<Label> MainWindow::labelOf(HWND control) const {
    const auto found = std::find(labels_.begin(), labels_.end(), control);
    if (found == labels_.end()) {
        return std::nullopt;
    }
    return static_cast<Label>(found - labels_.begin());
}

void MainWindow::onContextMenu(HWND control, LPARAM screenPoint) {
    const auto field = labelOf(control);
    if (!field || *field == Label::lblOp) {
        return;
    }
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    // From the keyboard: at the field's top left.
    if (screenPoint == -1) {
        at = {};
        ClientToScreen(control, &at);
    }
    constexpr UINT copyCommand = 1;
    constexpr UINT pasteCommand = 2;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, copyCommand, widen(forms::copyCaption).c_str());
    if (*field == Label::lblDisp) {
        AppendMenuW(menu, MF_STRING, pasteCommand, widen(forms::pasteCaption).c_str());
    }
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
    DestroyMenu(menu);
    if (chosen == copyCommand) {
        copyToClipboard(window_, widen(view_.text(*field)));
    } else if (chosen == pasteCommand) {
        pasteRequested();
    }
}

LRESULT MainWindow::onNotify(NMHDR& header) {
    // A field's tip is its whole text, also when less of it is drawn.
    if (header.code == TTN_GETDISPINFOW) {
        auto& tip = reinterpret_cast<NMTTDISPINFOW&>(header);
        if (const auto field = labelOf(reinterpret_cast<HWND>(header.idFrom))) {
            tipText_ = widen(view_.text(*field));
            tip.lpszText = tipText_.data();
        }
    }
    return 0;
}

void MainWindow::typed(Key key, std::int16_t code) {
    engine_.keyPress(key, code);
}

void MainWindow::keypadDecimalTyped(Key key) {
    engine_.keypadDecimalPress(key);
}

void MainWindow::pressed(Key key) {
    engine_.click(key);
}

void MainWindow::tabbed(Key from, bool backwards) {
    const std::size_t count = forms::keyControls.size();
    const auto at = static_cast<std::size_t>(forms::keyControl(from).tabIndex);
    // Disabled keys are passed over, as the error lock leaves only AC.
    for (std::size_t step = 1; step < count; ++step) {
        const std::size_t next = backwards ? (at + count - step) % count : (at + step) % count;
        HWND candidate = key(forms::keyControls[next].key);
        if (IsWindowEnabled(candidate) != FALSE) {
            SetFocus(candidate);
            return;
        }
    }
}

void MainWindow::focused(Key key) {
    focusedKey_ = key;
}

void MainWindow::copyRequested() {
    copyToClipboard(window_, widen(view_.text(Label::lblDisp)));
}

void MainWindow::pasteRequested() {
    engine_.paste(narrow(clipboardText(window_)));
}

}  // namespace sumora::win32
