#include "ui/win32/dialogs/link_opener.h"

#include <objbase.h>

#include <memory>
#include <thread>

#include "ui/forms/about_actions.h"

namespace sumora::win32 {

void openEmailLinkInBackground(platform::Platform& platform, HWND dialog, HWND owner) {
    std::thread([&platform, dialog, owner] {
        // Apartment-threaded without DDE's old OLE 1 handling, as the shell asks of its callers.
        const HRESULT com =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        auto failure = forms::openEmailLink(platform, forms::emailTag(), forms::emailCaption());
        if (SUCCEEDED(com)) {
            CoUninitialize();
        }
        auto box = failure ? std::make_unique<forms::MessageBoxText>(std::move(*failure)) : nullptr;
        const auto posted = reinterpret_cast<LPARAM>(box.get());
        if (PostMessageW(dialog, linkOpenedMessage, 0, posted) ||
            PostMessageW(owner, linkOpenedMessage, 0, posted)) {
            box.release();
        }
    }).detach();
}

void showLinkFailure(platform::Platform& platform, LPARAM posted) {
    const std::unique_ptr<forms::MessageBoxText> box(
        reinterpret_cast<forms::MessageBoxText*>(posted));
    if (box != nullptr) {
        platform.messageBox(box->prompt, box->style, box->title);
    }
}

}  // namespace sumora::win32
