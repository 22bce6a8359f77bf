#include "ui/qt/main_window/announcer.h"

#include <QAccessible>

#include "ui/qt/accessible_role.h"

namespace sumora::qt {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    readWidgetsInRole<Announcer, QAccessible::Notification>();
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
    hide();
}

void Announcer::say(const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Newer Orca drops an appearance that is undone before it reads it, so a notification that
    // shows and hides again would go unheard there. The event carries the message itself.
    QAccessibleAnnouncementEvent announcement(this, message);
    QAccessible::updateAccessibility(&announcement);
#else
    // Each appearance is one announcement, read by the name; hidden again, it is not in the way of
    // a review of the window.
    setAccessibleName(message);
    show();
    hide();
#endif
}

}  // namespace sumora::qt
