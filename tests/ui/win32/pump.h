#pragma once

// Pumping, driving and reading back real windows, for the main window and the dialogs tests.

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ui/forms/layout_units.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

inline std::string textOf(HWND window) {
    return narrow(windowText(window));
}

// Left, top, width and height in the parent's client area.
inline std::vector<LONG> placeOf(HWND control) {
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

// 72 points to the inch.
inline void expectFont(HWND control, const forms::FontFace& font, UINT dpi = 96) {
    LOGFONTW chosen{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof chosen,
               &chosen);
    EXPECT_EQ(chosen.lfFaceName, windowsFamily(font.family));
    EXPECT_EQ(chosen.lfHeight, -std::lround(font.pointSize * dpi / 72));
    EXPECT_EQ(chosen.lfWeight, font.bold ? FW_BOLD : FW_NORMAL);
}

// Empties the queue; the status the message loop was told to end with, or -1.
inline WPARAM pump() {
    WPARAM status = static_cast<WPARAM>(-1);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        status = message.message == WM_QUIT ? message.wParam : status;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return status;
}

// show opens a modal window over owner; each step then acts on it from its own loop, one per
// timer message, which comes only once the queue is empty, so each step sees the work of the one
// before it done. A window still open 5 s later is closed.
using Step = std::function<void(HWND shown)>;
inline HWND driven = nullptr;
inline std::vector<Step> drivenSteps;
inline std::size_t nextDrivenStep = 0;
inline int idleTicks = 0;

inline void drive(HWND owner, const std::function<void(HWND)>& show, std::vector<Step> script) {
    driven = owner;
    drivenSteps = std::move(script);
    nextDrivenStep = idleTicks = 0;
    const UINT_PTR timer =
        SetTimer(nullptr, 0, USER_TIMER_MINIMUM, [](HWND, UINT, UINT_PTR, DWORD) {
            HWND popup = GetLastActivePopup(driven);
            HWND shown = popup != driven && IsWindowVisible(popup) ? popup : nullptr;
            if (shown != nullptr && nextDrivenStep < drivenSteps.size()) {
                drivenSteps[nextDrivenStep++](shown);
            } else if (++idleTicks > 500 && shown != nullptr) {
                ADD_FAILURE() << "the modal window stayed open";
                EndDialog(shown, 0);
            }
        });
    show(owner);
    KillTimer(nullptr, timer);
    EXPECT_EQ(nextDrivenStep, drivenSteps.size()) << "steps left when the modal window closed";
}

}  // namespace sumora::win32
