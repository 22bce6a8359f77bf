#include <QAction>
#include <QClipboard>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/colour.h"

namespace sumora::ui {
namespace {

using CopyTest = WindowTest;

TEST_F(CopyTest, ChordsAndContextMenusCopyTheWholeText) {
    play("2 ^ 4 8 click:cmdEq click:Mreplace focus:cmdNum0 2 ^ 1 0 2 3 click:cmdEq");
    const QString display = text("lblDisp");  // drawn elided
    ASSERT_GT(display.size(), 400);
    QClipboard* clipboard = QApplication::clipboard();
    for (const QKeyCombination chord : {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}) {
        clipboard->clear();
        QTest::keyClick(QApplication::focusWidget(), chord.key(), chord.keyboardModifiers());
        EXPECT_EQ(clipboard->text(), display);
    }
    EXPECT_EQ(text("lblDisp"), display);
    for (const auto& [field, want] : {std::pair{"lblDisp", display}, {"lblMem", text("lblMem")}}) {
        const QList<QAction*> menu = child<QLabel>(field)->actions();
        ASSERT_EQ(menu.size(), 1);
        EXPECT_EQ(menu.front()->text(), "Copy");
        menu.front()->trigger();
        EXPECT_EQ(clipboard->text(), want) << field;
    }
}

using ContrastTest = WindowTest;

TEST_F(ContrastTest, DisabledColouredKeysKeepTheirCaptionsReadable) {
    const auto rgb = [](const QColor& c) {
        return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                   static_cast<std::uint8_t>(c.blue())};
    };
    for (const char* name : {"cmdAC", "cmdPi"}) {
        QPushButton* key = child(name);
        EXPECT_EQ(key->palette().color(QPalette::Active, QPalette::ButtonText),
                  window->palette().color(QPalette::Active, QPalette::ButtonText));
        key->setEnabled(false);
        const QPalette colours = key->palette();
        EXPECT_GE(contrastRatio(rgb(colours.color(QPalette::Button)),
                                rgb(colours.color(QPalette::ButtonText))),
                  minimumTextContrast)
            << name;
    }
}

}  // namespace
}  // namespace sumora::ui
