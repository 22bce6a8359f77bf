#pragma once

// What the main window and the dialogs do alike about DPI: size themselves around their table's
// client area at a DPI, when made and whenever the DPI changes, and lay their controls out in one
// pass.

#include <windows.h>

namespace sumora::win32 {

// A client area of the table's size in twips.
struct ClientTwips {
    int width;
    int height;
};

// The frame around `client` at `dpi`, for `window`'s styles and its menu bar of one line, if it
// has one. Also what WM_GETDPISCALEDSIZE answers, so that a move between monitors sizes the
// window once.
SIZE frameAround(HWND window, ClientTwips client, UINT dpi);

// Places `window` with its top-left corner at `origin` and its client area at `client`'s size
// at `dpi`, also where a menu bar wraps to a second line.
void fitClientArea(HWND window, ClientTwips client, UINT dpi, POINT origin);

// Moves and sizes controls of `window` without painting each, then repaints the whole window once
// when the pass ends.
class LayoutPass {
public:
    explicit LayoutPass(HWND window) : window_(window) {}
    ~LayoutPass();
    LayoutPass(const LayoutPass&) = delete;
    LayoutPass& operator=(const LayoutPass&) = delete;

    // `font` may be null, for a control that draws no text.
    void place(HWND control, const RECT& bounds, HFONT font) const;

private:
    HWND window_;
};

}  // namespace sumora::win32
