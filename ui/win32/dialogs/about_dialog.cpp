#include "ui/win32/dialogs/about_dialog.h"

#include "resources/resource_ids.h"
#include "ui/forms/about_actions.h"
#include "ui/forms/dialog_controls.h"
#include "ui/win32/dialogs/dialog_form.h"
#include "ui/win32/tool_tips.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

constexpr COLORREF linkBlue = RGB(0, 0, 255);
constexpr COLORREF followedRed = RGB(255, 0, 0);

HCURSOR handCursor() {
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(SUMORA_IDC_HAND));
    return hand != nullptr ? hand : LoadCursorW(nullptr, IDC_HAND);
}

class AboutForm final : public DialogForm {
public:
    explicit AboutForm(platform::Platform& platform)
        : DialogForm(dialogs::aboutWindow, dialogs::aboutControls, "Command1"),
          platform_(platform),
          hand_(handCursor()) {}

private:
    void load() override {
        HWND link = control("lblemail");
        SetWindowTextW(link, widen(dialogs::emailCaption()).c_str());
        addToolTip(createToolTips(window_), link, widen(dialogs::emailToolTip()));
    }

    void clicked(std::string_view objectName) override {
        if (objectName == "Command1") {
            unload();
        } else if (objectName == "Command2") {
            dialogs::StartSysInfo(platform_);
        } else if (objectName == "lblemail") {
            dialogs::followEmailLink(platform_, dialogs::emailTag(), dialogs::emailCaption());
            followed_ = true;
            InvalidateRect(control("lblemail"), nullptr, TRUE);
        }
    }

    std::optional<COLORREF> textColour(HWND label) const override {
        if (label != control("lblemail")) {
            return std::nullopt;
        }
        return followed_ ? followedRed : linkBlue;
    }

    HCURSOR pointer(HWND over) const override {
        return over == control("lblemail") ? hand_ : nullptr;
    }

    platform::Platform& platform_;
    HCURSOR hand_;
    // Red once the link was clicked, until the dialog is unloaded.
    bool followed_ = false;
};

}  // namespace

void showAboutDialog(HWND owner, platform::Platform& platform) {
    AboutForm form(platform);
    form.showModal(owner);
}

}  // namespace sumora::win32
