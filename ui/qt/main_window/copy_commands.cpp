#include "ui/qt/main_window/copy_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "engine/calculator.h"
#include "ui/forms/main_window_controls.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

namespace {

QAction* copyAction(QWidget& owner, const QLabel& field) {
    auto* action = new QAction(qtText(forms::copyCaption), &owner);
    QObject::connect(action, &QAction::triggered, &owner,
                     [&field] { QGuiApplication::clipboard()->setText(field.text()); });
    return action;
}

QAction* pasteAction(QWidget& owner, Calculator& engine) {
    auto* action = new QAction(qtText(forms::pasteCaption), &owner);
    QObject::connect(action, &QAction::triggered, &owner, [&engine] {
        engine.paste(QGuiApplication::clipboard()->text().toStdString());
    });
    return action;
}

}  // namespace

void addCopyCommands(QWidget& window, QLabel& display, QLabel& memory) {
    for (QLabel* field : {&display, &memory}) {
        field->setContextMenuPolicy(Qt::ActionsContextMenu);
        field->addAction(copyAction(*field, *field));
    }
    QAction* chords = copyAction(window, display);
    chords->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    chords->setShortcutContext(Qt::WindowShortcut);
    window.addAction(chords);
}

void addPasteCommands(QWidget& window, QLabel& display, Calculator& engine) {
    display.addAction(pasteAction(display, engine));
    QAction* chords = pasteAction(window, engine);
    chords->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    chords->setShortcutContext(Qt::WindowShortcut);
    window.addAction(chords);
}

}  // namespace sumora::qt
