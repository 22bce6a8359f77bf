#include "ui/qt/dialogs/control_builder.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/qt/dialogs/link_label.h"
#include "ui/qt/dialogs/picture_box.h"
#include "ui/qt/horizontal_rule.h"

namespace sumora::qt {

namespace {

void setBorder(QFrame& frame, forms::Border border) {
    switch (border) {
        case forms::Border::sunken:
            frame.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            break;
        case forms::Border::single:
            frame.setFrameStyle(QFrame::Box | QFrame::Plain);
            frame.setLineWidth(1);
            break;
        case forms::Border::none:
            break;
    }
}

QString resourceOf(forms::Picture picture) {
    switch (picture) {
        case forms::Picture::emblem:
            return QStringLiteral(":/pictures/emblem.bmp");
        case forms::Picture::banner:
            return QStringLiteral(":/pictures/banner.bmp");
        case forms::Picture::none:
            break;
    }
    return {};
}

QWidget* createWidget(const forms::Control& control, QWidget* container) {
    switch (control.kind) {
        case forms::Kind::picture: {
            auto* picture = new PictureBox(container);
            // A picture that is missing leaves the box empty.
            picture->setPixmap(QPixmap(resourceOf(control.picture)));
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            setBorder(*picture, control.border);
            return picture;
        }
        case forms::Kind::button:
            return new QPushButton(qtText(control.text), container);
        case forms::Kind::label:
        case forms::Kind::link: {
            auto* label = control.kind == forms::Kind::link ? new LinkLabel(container)
                                                            : new QLabel(container);
            label->setTextFormat(Qt::PlainText);
            label->setText(qtText(control.text));
            label->setAlignment(control.centred ? Qt::AlignHCenter | Qt::AlignTop
                                                : Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            setBorder(*label, control.border);
            return label;
        }
        case forms::Kind::line:
            return addHorizontalRule(container, control.x, control.y, control.w);
    }
    return nullptr;
}

void connectCommand(QWidget& window, QWidget& widget, forms::DialogCommand command,
                    const std::function<void(forms::DialogCommand)>& run) {
    const auto runCommand = [run, command] { run(command); };
    if (auto* link = qobject_cast<LinkLabel*>(&widget)) {
        QObject::connect(link, &LinkLabel::clicked, &window, runCommand);
    } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        button->setDefault(command == forms::DialogCommand::ok);
        QObject::connect(button, &QPushButton::clicked, &window, runCommand);
    }
}

}  // namespace

void buildWindow(QWidget& window, const forms::WindowAttributes& attributes,
                 std::span<const forms::Control> controls,
                 const std::function<void(forms::DialogCommand)>& run) {
    window.setObjectName(qtText(attributes.objectName));
    window.setWindowTitle(qtText(attributes.caption));
    window.setWindowFlags(
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
        Qt::WindowCloseButtonHint |
        (attributes.sizable ? Qt::WindowFlags() : Qt::MSWindowsFixedSizeDialogHint));
    window.setFont(qtFont(attributes.font));
    const QSize client(forms::pixels(attributes.clientWidth),
                       forms::pixels(attributes.clientHeight));
    if (attributes.sizable) {
        window.resize(client);
    } else {
        window.setFixedSize(client);
    }

    // Created in tab order, so the focus chain follows the tab indices.
    for (const forms::Control& control : controls) {
        QWidget* container = control.container.empty()
                                 ? &window
                                 : window.findChild<QWidget*>(qtText(control.container));
        QWidget* widget = createWidget(control, container);
        widget->setObjectName(qtText(control.objectName));
        if (control.command) {
            connectCommand(window, *widget, *control.command, run);
        }
        if (control.kind == forms::Kind::line) {
            continue;
        }
        if (control.kind != forms::Kind::picture) {
            widget->setFont(qtFont(control.font));
        }
        widget->setGeometry(forms::pixels(control.x), forms::pixels(control.y),
                            forms::pixels(control.w), forms::pixels(control.h));
    }
}

}  // namespace sumora::qt
