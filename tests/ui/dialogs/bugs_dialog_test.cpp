#include "ui/dialogs/bugs_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>

namespace sumora::dialogs {
namespace {

const QString notice = "Please forward any error or bug to me";

TEST(BugsDialogTest, EveryOpeningShowsTheNotice) {
    QWidget mainWindow;
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        BugsDialog dialog(&mainWindow);
        auto* label = dialog.findChild<QLabel*>("lblBugs");
        EXPECT_EQ(label->text(), notice);
        label->setText("changed");
    }
}

TEST(BugsDialogTest, ResizingMovesNothing) {
    QWidget mainWindow;
    BugsDialog dialog(&mainWindow);
    dialog.show();
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>();
    QList<QRect> before;
    for (const QWidget* control : controls) {
        before.append(control->geometry());
    }

    dialog.resize(200, 150);

    for (qsizetype i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i]->geometry(), before[i]) << controls[i]->objectName().toStdString();
    }
}

}  // namespace
}  // namespace sumora::dialogs
