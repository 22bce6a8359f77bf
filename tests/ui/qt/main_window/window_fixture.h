#pragma once

#include <memory>
#include <string_view>

#include <gtest/gtest.h>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/platform/fake_platform.h"
#include "ui/qt/main_window/main_window.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

// The real window, shown and active, with a platform that answers message boxes at once.
class WindowTest : public testing::Test {
protected:
    void SetUp() override { open(); }

    // A fresh window, so that every case starts from the state a user meets at start-up.
    void open() {
        window = std::make_unique<MainWindow>(platform);
        window->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Widget = QPushButton>
    Widget* child(std::string_view name) const {
        auto* found = window->findChild<Widget*>(qtText(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString focusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    QString text(std::string_view label) const { return child<QLabel>(label)->text(); }

    // Steps, separated by blanks: a single character is typed on the focused widget; Enter (the
    // keypad's), Return, Space, Escape and Tab are those keys; keypad:STEP types STEP with the
    // keypad modifier; click:NAME and focus:NAME act on the named key.
    void play(std::string_view steps) {
        for (const QString& token : qtText(steps).split(' ', Qt::SkipEmptyParts)) {
            SCOPED_TRACE(token.toStdString());
            if (token.startsWith("click:")) {
                QTest::mouseClick(child(token.mid(6).toStdString()), Qt::LeftButton);
            } else if (token.startsWith("focus:")) {
                child(token.mid(6).toStdString())->setFocus(Qt::TabFocusReason);
            } else {
                static const QHash<QString, std::pair<Qt::Key, QString>> named{
                    {"Enter", {Qt::Key_Enter, "\r"}},
                    {"Return", {Qt::Key_Return, "\r"}},
                    {"Space", {Qt::Key_Space, " "}},
                    {"Escape", {Qt::Key_Escape, "\x1b"}},
                    {"Tab", {Qt::Key_Tab, "\t"}}};
                const bool keypad = token.startsWith("keypad:");
                const QString what = keypad ? token.mid(7) : token;
                const auto typed = static_cast<Qt::Key>(what.front().toUpper().unicode());
                const auto [key, text] = named.value(what, {typed, what});
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, text,
                                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
            }
        }
    }

    platform::FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

}  // namespace sumora::qt
