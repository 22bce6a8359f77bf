#include "modal_watch.h"

#include <QApplication>
#include <QTimer>

namespace sumora::dialogs {

bool expectModal(const std::function<void(QWidget&)>& whileOpen,
                 const std::function<void()>& command) {
    bool opened = false;
    QTimer poll;
    poll.setInterval(5);
    int ticks = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr) {
            opened = true;
            poll.stop();
            whileOpen(*modal);
            if (QApplication::activeModalWidget() == modal) {
                modal->close();
            }
        } else if (++ticks > 400) {
            poll.stop();
        }
    });
    poll.start();
    command();
    poll.stop();
    return opened;
}

}  // namespace sumora::dialogs
