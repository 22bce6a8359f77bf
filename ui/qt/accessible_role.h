#pragma once

#include <QAccessibleWidget>

namespace sumora::qt {

// Has every widget of class `Widget` read by assistive technologies in the role `role` rather
// than the one Qt gives its base class. The widget's constructor calls it: Qt asks for a widget's
// accessible object only once something reads it.
template <typename Widget, QAccessible::Role role>
void readWidgetsInRole() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            auto* widget = dynamic_cast<Widget*>(object);
            return widget == nullptr ? nullptr : new QAccessibleWidget(widget, role);
        });
        return true;
    }();
    (void)installed;
}

}  // namespace sumora::qt
