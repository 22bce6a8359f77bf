#include "ui/win32/dialogs/about_dialog.h"

#include "resources/resource_ids.h"
#include "ui/forms/about_actions.h"
#include "ui/forms/dialog_controls.h"
#include "ui/forms/face_colours.h"
#include "ui/win32/accessible_names.h"
#include "ui/win32/colour_ref.h"
#include "ui/win32/dialogs/dialog_form.h"
#include "ui/win32/dialogs/link_opener.h"
#include "ui/win32/tool_tips.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

HCURSOR handCursor() {
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(SUMORA_IDC_HAND));
    return hand != nullptr ? hand : LoadCursorW(nullptr, IDC_HAND);
}

class AboutForm final : public DialogForm {
public:
    explicit AboutForm(platform::Platform& platform)
        : DialogForm(forms::aboutWindow, forms::aboutControls),
          platform_(platform),
          hand_(handCursor()) {}

private:
    void load() override {
        HWND link = control("lblemail");
        SetWindowTextW(link, widen(forms::emailCaption()).c_str());
        addToolTip(createToolTips(window_), link, widen(forms::emailToolTip()));
        names_.start();
        for (const auto& [objectName, spoken] : forms::aboutSpokenNames()) {
            names_.name(control(objectName), spoken);
        }
    }

    void run(forms::DialogCommand command) override {
        switch (command) {
            case forms::DialogCommand::ok:
                unload();
                break;
            case forms::DialogCommand::systemInfo:
                forms::StartSysInfo(platform_);
                break;
            case forms::DialogCommand::emailLink:
                openEmailLinkInBackground(platform_, window_, GetWindow(window_, GW_OWNER));
                followed_ = true;
                InvalidateRect(control("lblemail"), nullptr, TRUE);
                break;
        }
    }

    std::optional<COLORREF> textColour(HWND label) const override {
        if (label != control("lblemail")) {
            return std::nullopt;
        }
        if (highContrastOn()) {
            return GetSysColor(COLOR_HOTLIGHT);
        }
        return colorref(followed_ ? forms::followedLinkColour : forms::linkColour);
    }

    bool handleAppMessage(UINT message, LPARAM lParam) override {
        if (message != linkOpenedMessage) {
            return false;
        }
        showLinkFailure(platform_, lParam);
        return true;
    }

    HCURSOR pointer(HWND over) const override {
        return over == control("lblemail") ? hand_ : nullptr;
    }

    platform::Platform& platform_;
    HCURSOR hand_;
    AccessibleNames names_;
    // Red once the link was clicked, until the dialog is unloaded.
    bool followed_ = false;
};

}  // namespace

void showAboutDialog(HWND owner, platform::Platform& platform) {
    AboutForm form(platform);
    form.showModal(owner);
}

}  // namespace sumora::win32
