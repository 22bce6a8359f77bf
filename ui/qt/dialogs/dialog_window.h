#pragma once

#include <QDialog>

namespace sumora::qt {

// Places a dialog that is not yet shown in the centre of its screen, rather than over its parent.
void placeInScreenCentre(QDialog& dialog);

// What OK does in both dialogs: close (ending the modal loop, after which the menu command
// discards the dialog), then give the focus back to the main window and repaint it.
void unloadAndReturnToMainWindow(QDialog& dialog);

}  // namespace sumora::qt
