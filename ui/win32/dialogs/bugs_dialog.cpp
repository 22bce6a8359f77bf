#include "ui/win32/dialogs/bugs_dialog.h"

#include "ui/forms/dialog_controls.h"
#include "ui/win32/dialogs/dialog_form.h"

namespace sumora::win32 {

namespace {

class BugsForm final : public DialogForm {
public:
    BugsForm() : DialogForm(forms::bugsWindow, forms::bugsControls) {}

private:
    void run(forms::DialogCommand command) override {
        switch (command) {
            case forms::DialogCommand::ok:
                unload();
                break;
            case forms::DialogCommand::systemInfo:
            case forms::DialogCommand::emailLink:
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
