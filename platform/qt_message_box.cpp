#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace sumora::platform {

namespace {

QMessageBox::Icon iconOf(MessageStyle style) {
    switch (style) {
        case MessageStyle::critical:
            return QMessageBox::Critical;
        case MessageStyle::information:
            return QMessageBox::Information;
        case MessageStyle::okOnly:
            break;
    }
    return QMessageBox::NoIcon;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void showQtMessageBox(std::string_view prompt, MessageStyle style, std::string_view title) {
    QMessageBox box(iconOf(style), fromUtf8(title), fromUtf8(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace sumora::platform
