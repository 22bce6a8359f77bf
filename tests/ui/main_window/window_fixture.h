#pragma once

#include <memory>
#include <string_view>

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "platform/fake_platform.h"
#include "ui/main_window/main_window.h"

namespace sumora::ui {

// The real window, shown and active, with a platform that answers message boxes at once.
class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(platform);
        window->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Widget = QPushButton>
    Widget* child(std::string_view name) const {
        auto* found = window->findChild<Widget*>(QString::fromUtf8(name.data(), name.size()));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString focusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    // Steps, separated by blanks: a single character is typed; Enter, Space, Escape and Tab are
    // those keys; kp:, shift:, ctrl: and altgr: add modifiers; click:NAME and focus:NAME act on
    // the named key.
    void play(std::string_view steps) {
        const QStringList tokens =
            QString::fromUtf8(steps.data(), static_cast<qsizetype>(steps.size()))
                .split(' ', Qt::SkipEmptyParts);
        for (const QString& token : tokens) {
            SCOPED_TRACE(token.toStdString());
            const qsizetype colon = token.indexOf(':');
            const QString verb = colon > 0 ? token.left(colon) : QString();
            const QString what = colon > 0 ? token.mid(colon + 1) : token;
            if (verb == "click") {
                QTest::mouseClick(child(what.toStdString()), Qt::LeftButton);
            } else if (verb == "focus") {
                child(what.toStdString())->setFocus(Qt::TabFocusReason);
            } else {
                press(what, modifiersOf(verb));
            }
        }
    }

    static Qt::KeyboardModifiers modifiersOf(const QString& verb) {
        if (verb == "kp") {
            return Qt::KeypadModifier;
        }
        if (verb == "shift") {
            return Qt::ShiftModifier;
        }
        if (verb == "ctrl") {
            return Qt::ControlModifier;
        }
        if (verb == "altgr") {
            return Qt::ControlModifier | Qt::AltModifier;
        }
        return Qt::NoModifier;
    }

    static void press(const QString& what, Qt::KeyboardModifiers modifiers) {
        struct Named {
            const char* name;
            Qt::Key key;
            const char* text;
        };
        static const Named named[] = {{"Enter", Qt::Key_Enter, "\r"},
                                      {"Space", Qt::Key_Space, " "},
                                      {"Escape", Qt::Key_Escape, "\x1b"},
                                      {"Tab", Qt::Key_Tab, "\t"}};
        Qt::Key key = static_cast<Qt::Key>(what.front().toUpper().unicode());
        QString text = what;
        for (const Named& n : named) {
            if (what == n.name) {
                key = n.key;
                text = n.text;
            }
        }
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, text, modifiers);
    }

    QString text(std::string_view label) const { return child<QLabel>(label)->text(); }

    platform::FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

}  // namespace sumora::ui
