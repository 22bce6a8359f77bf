#include "ui/win32/control_view.h"

#include "ui/win32/wide_text.h"

namespace sumora::win32 {

ControlView::ControlView(const KeyHandles& keys, const LabelHandles& labels,
                         platform::Platform& platform)
    : keys_(keys), labels_(labels), platform_(platform) {}

std::string ControlView::text(Label which) const {
    return narrow(windowText(label(which)));
}

void ControlView::setText(Label which, std::string_view text) {
    SetWindowTextW(label(which), widen(text).c_str());
    // The field is drawn by its owner, which fits the new text anew.
    InvalidateRect(label(which), nullptr, TRUE);
}

void ControlView::announce(std::span<const Label> labels) {
    // Each field is a live region named by its text (see AccessibleNames), which a screen reader
    // speaks when told of the change.
    for (Label which : labels) {
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, label(which), OBJID_CLIENT, CHILDID_SELF);
    }
}

std::string ControlView::caption(Key which) const {
    return narrow(windowText(key(which)));
}

bool ControlView::isEnabled(Key which) const {
    return IsWindowEnabled(key(which)) != FALSE;
}

void ControlView::setEnabled(Key which, bool enabled) {
    EnableWindow(key(which), enabled ? TRUE : FALSE);
}

void ControlView::setFocus(Key which) {
    SetFocus(key(which));
}

void ControlView::showCriticalMessage(std::string_view prompt, std::string_view title) {
    platform_.messageBox(prompt, platform::MessageStyle::critical, title);
}

void ControlView::beep() {
    MessageBeep(MB_OK);
}

}  // namespace sumora::win32
