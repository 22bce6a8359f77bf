#include "ui/win32/dialogs/bugs_dialog.h"

#include "ui/forms/dialog_controls.h"
#include "ui/win32/dialogs/dialog_form.h"

namespace sumora::win32 {

void showBugsDialog(HWND owner) {
    // OK is its one command.
    DialogForm form(forms::bugsWindow, forms::bugsControls);
    form.showModal(owner);
}

}  // namespace sumora::win32
