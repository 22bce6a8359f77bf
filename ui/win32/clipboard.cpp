#include "ui/win32/clipboard.h"

#include <cstring>
#include <cwchar>

namespace sumora::win32 {

bool copyToClipboard(HWND owner, std::wstring_view text) {
    if (OpenClipboard(owner) == FALSE) {
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool copied = false;
    auto* target = memory != nullptr ? static_cast<wchar_t*>(GlobalLock(memory)) : nullptr;
    if (target != nullptr) {
        std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        // Once set, the clipboard owns the memory.
        copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!copied && memory != nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
    return copied;
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (OpenClipboard(owner) == FALSE) {
        return text;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* source = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (source != nullptr) {
        // Bounded by the block's size, should another program have left out the final null.
        text.assign(source, wcsnlen(source, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace sumora::win32
