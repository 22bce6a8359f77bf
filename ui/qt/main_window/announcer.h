#pragma once

#include <QWidget>

namespace sumora::qt {

// A word to screen readers that leaves the focus where it is. Orca reads neither the name changes
// of a label nor those of anything but the focused object. Since Qt 6.8 an announcement event
// says it, and newer Orca (48 on Debian 13) speaks those. Orca 43 (Debian 12, with Qt 6.4) speaks
// a notification when one appears, so with an older Qt this is an invisible notification that
// appears and hides again for each message, named by the message.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* parent);

    void say(const QString& message);
};

}  // namespace sumora::qt
