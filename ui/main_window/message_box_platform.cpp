#include "ui/main_window/message_box_platform.h"

#include <QApplication>
#include <QMessageBox>

namespace sumora::ui {

namespace {

QMessageBox::Icon iconFor(MessageStyle style) {
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

void MessageBoxPlatform::messageBox(std::string_view prompt, MessageStyle style,
                                    std::string_view title) {
    QMessageBox box(iconFor(style), fromUtf8(title), fromUtf8(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

long MessageBoxPlatform::regOpenKeyEx(platform::RegKey, const std::string&, std::uint32_t,
                                      std::uint32_t, platform::RegKey&) {
    return platform::errorFileNotFound;
}

long MessageBoxPlatform::regQueryValueEx(platform::RegKey, const std::string&, std::uint32_t&,
                                         unsigned char*, std::uint32_t&) {
    return platform::errorFileNotFound;
}

long MessageBoxPlatform::regCloseKey(platform::RegKey) {
    return platform::errorSuccess;
}

std::intptr_t MessageBoxPlatform::shellOpen(const std::string&) {
    return 0;
}

bool MessageBoxPlatform::startProgram(const std::string&) {
    return false;
}

std::string MessageBoxPlatform::findFile(const std::string&) {
    return {};
}

}  // namespace sumora::ui
