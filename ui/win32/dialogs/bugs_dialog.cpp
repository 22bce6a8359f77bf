#include "ui/win32/dialogs/bugs_dialog.h"

#include "ui/forms/dialog_controls.h"
#include "ui/win32/dialogs/dialog_form.h"

namespace sumora::win32 {

namespace {

class BugsForm final : public DialogForm {
public:
    BugsForm() : DialogForm(dialogs::bugsWindow, dialogs::bugsControls, "cmdOK") {}

private:
    void load() override {
        SetWindowTextW(control("lblBugs"), L"Please forward any error or bug to me");
    }

    void clicked(std::string_view objectName) override {
        if (objectName == "cmdOK") {
            unload();
        }
    }
};

}  // namespace

void showBugsDialog(HWND owner) {
    BugsForm form;
    form.showModal(owner);
}

}  // namespace sumora::win32
