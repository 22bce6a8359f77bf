#include "ui/qt/main_window/widget_view.h"

#include <QApplication>
#include <QStringList>

#include "ui/qt/main_window/announcer.h"
#include "ui/qt/main_window/field_label.h"
#include "ui/qt/main_window/key_button.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

WidgetView::WidgetView(const KeyButtons& keys, const Labels& labels, Announcer* const& announcer,
                       platform::Platform& platform)
    : keys_(keys), labels_(labels), announcer_(announcer), platform_(platform) {}

std::string WidgetView::text(Label which) const {
    return label(which).text().toStdString();
}

void WidgetView::setText(Label which, std::string_view text) {
    label(which).showText(qtText(text));
}

void WidgetView::announce(std::span<const Label> labels) {
    // One message, so that the second text does not cut the first one short.
    QStringList texts;
    for (Label which : labels) {
        texts << label(which).text();
    }
    announcer_->say(texts.join(u", "));
}

std::string WidgetView::caption(Key which) const {
    return key(which).text().toStdString();
}

bool WidgetView::isEnabled(Key which) const {
    return key(which).isEnabled();
}

void WidgetView::setEnabled(Key which, bool enabled) {
    key(which).setEnabled(enabled);
}

void WidgetView::setFocus(Key which) {
    // The engine moves the focus for typed keys; a keyboard reason lets every style show where
    // Enter and Space will act.
    key(which).setFocus(Qt::ShortcutFocusReason);
}

void WidgetView::showCriticalMessage(std::string_view prompt, std::string_view title) {
    platform_.messageBox(prompt, platform::MessageStyle::critical, title);
}

void WidgetView::beep() {
    QApplication::beep();
}

KeyButton& WidgetView::key(Key which) const {
    return *keys_[static_cast<std::size_t>(which)];
}

FieldLabel& WidgetView::label(Label which) const {
    return *labels_[static_cast<std::size_t>(which)];
}

}  // namespace sumora::qt
