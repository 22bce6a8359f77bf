#include "ui/win32/dialogs/bugs_dialog.h"

#include "ui/forms/dialog_controls.h"
#include "ui/win32/dialogs/dialog_form.h"

namespace sumora::win32 {

namespace {

class BugsForm final : public DialogForm {
public:
    BugsForm() : DialogForm(dialogs::bugsWindow, dialogs::bugsControls) {}

private:
    void run(ui::DialogCommand command) override {
        switch (command) {
            case ui::DialogCommand::ok:
                unload();
                break;
            case ui::DialogCommand::systemInfo:
            case ui::DialogCommand::emailLink:
                // Not in this dialog.
                break;
        }
    }
};

}  // namespace

void showBugsDialog(HWND owner) {
    BugsForm form;
    form.showModal(owner);
}

}  // namespace sumora::win32
