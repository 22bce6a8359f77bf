#include "ui/qt/main_window/widget_view.h"

#include <QApplication>

#include "ui/qt/main_window/field_label.h"
#include "ui/qt/main_window/key_button.h"

namespace sumora::ui {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

WidgetView::WidgetView(const KeyButtons& keys, const Labels& labels, platform::Platform& platform)
    : keys_(keys), labels_(labels), platform_(platform) {}

std::string WidgetView::text(Label which) const {
    return label(which).text().toStdString();
}

void WidgetView::setText(Label which, std::string_view text) {
    label(which).showText(fromUtf8(text));
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

void WidgetView::showMessage(std::string_view prompt, MessageStyle style, std::string_view title) {
    platform_.messageBox(prompt, style, title);
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

}  // namespace sumora::ui
