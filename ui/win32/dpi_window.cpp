#include "ui/win32/dpi_window.h"

#include "ui/win32/dpi_scale.h"

namespace sumora::win32 {

SIZE frameAround(HWND window, ClientTwips client, UINT dpi) {
    RECT frame{0, 0, scaled(client.width, dpi), scaled(client.height, dpi)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void fitClientArea(HWND window, ClientTwips client, UINT dpi, POINT origin) {
    const SIZE frame = frameAround(window, client, dpi);
    SetWindowPos(window, nullptr, origin.x, origin.y, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps, or a frame drawn at another scale than asked for, leaves another
    // client area: the difference is made up once.
    RECT area{};
    GetClientRect(window, &area);
    const int width = scaled(client.width, dpi);
    const int height = scaled(client.height, dpi);
    if (area.right != width || area.bottom != height) {
        SetWindowPos(window, nullptr, 0, 0, frame.cx + width - area.right,
                     frame.cy + height - area.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LayoutPass::~LayoutPass() {
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void LayoutPass::place(HWND control, const RECT& bounds, HFONT font) const {
    SetWindowPos(control, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    if (font != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

}  // namespace sumora::win32
