#include "ui/qt/main_window/announcer.h"

#include <QAccessibleWidget>

namespace sumora::qt {

namespace {

QAccessibleInterface* notificationFor(const QString& /*className*/, QObject* object) {
    auto* announcer = dynamic_cast<Announcer*>(object);
    return announcer == nullptr ? nullptr
                                : new QAccessibleWidget(announcer, QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    (void)factoryInstalled;
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
    hide();
}

void Announcer::say(const QString& message) {
    setAccessibleName(message);
    // Each appearance is one announcement; hidden again, it is not in the way of a review of the
    // window.
    show();
    hide();
}

}  // namespace sumora::qt
