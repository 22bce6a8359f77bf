#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "platform/posix_platform.h"
#include "ui/qt/main_window/display_check.h"
#include "ui/qt/main_window/main_window.h"
#include "ui/qt/message_box.h"

namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Qt ends the process with abort() when its windowing plugin cannot reach the display. While the
// application object is made, that one fatal message becomes a plain line and a failure status,
// and the plugin's chatter on the way there is dropped.
void startUpMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        std::fputs((sumora::qt::unreachableDisplay() + "\n").c_str(), stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const auto missing =
            sumora::qt::missingDisplay({environment("DISPLAY"), environment("WAYLAND_DISPLAY"),
                                        environment("QT_QPA_PLATFORM")})) {
        std::fputs((*missing + "\n").c_str(), stderr);
        return EXIT_FAILURE;
    }

    // Command-line arguments change nothing, Qt's own options included.
    int qtArgc = argc > 0 ? 1 : 0;
    qInstallMessageHandler(startUpMessages);
    QApplication application(qtArgc, argv);
    qInstallMessageHandler(nullptr);
    // Lets a desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SUMORA_APP_ID));

    sumora::platform::PosixPlatform platform(
        sumora::qt::showMessageBox,
        sumora::platform::PosixRegistry(sumora::platform::systemInfoToolCandidates()));
    sumora::qt::MainWindow window(platform);
    window.showCentred();
    return QApplication::exec();
}
