#include "ui/qt/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

namespace {

QMessageBox::Icon iconOf(platform::MessageStyle style) {
    switch (style) {
        case platform::MessageStyle::critical:
            return QMessageBox::Critical;
        case platform::MessageStyle::information:
            return QMessageBox::Information;
        case platform::MessageStyle::okOnly:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void showMessageBox(std::string_view prompt, platform::MessageStyle style, std::string_view title) {
    QMessageBox box(iconOf(style), qtText(title), qtText(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace sumora::qt
