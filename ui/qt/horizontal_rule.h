#pragma once

#include <QWidget>

#include "ui/forms/layout_units.h"

namespace sumora::qt {

// A horizontal rule of the windows: one logical pixel thick, in the window-text colour, `length`
// twips long from (`x`, `y`). A filled strip rather than a drawn line, so that the rule stays
// whole at any scale factor.
inline QWidget* addHorizontalRule(QWidget* parent, int x, int y, int length) {
    auto* rule = new QWidget(parent);
    QPalette ink = rule->palette();
    ink.setBrush(QPalette::Window, ink.windowText());
    rule->setPalette(ink);
    rule->setAutoFillBackground(true);
    rule->setGeometry(forms::pixels(x), forms::pixels(y), forms::pixels(length), 1);
    return rule;
}

}  // namespace sumora::qt
