#include "ui/win32/clipboard.h"

#include <cstring>

namespace sumora::win32 {

bool copyToClipboard(HWND owner, std::wstring_view text) {
    if (OpenClipboard(owner) == FALSE) {
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool copied = false;
    if (memory != nullptr) {
        auto* target = static_cast<wchar_t*>(GlobalLock(memory));
        std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        // Once set, the clipboard owns the memory.
        copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!copied) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return copied;
}

}  // namespace sumora::win32
