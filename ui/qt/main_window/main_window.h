#pragma once

// The main window: a thin shell around the engine.
//
// The window is built from the control tables (ui/forms/main_window_controls.h): one loop creates,
// places and wires the keys, another the labels, a third the menus. A click on a key calls the
// engine's click handler for it; a character typed on a digit, operator, point or equals key goes
// to the engine's key-press handler, which moves the focus and calls a click handler itself. The
// engine writes back through WidgetView: label texts, enabled keys, focus and message boxes (the
// latter through the platform). Enter and Space press the focused key; no key is a default key.

#include <QMainWindow>

#include "engine/calculator.h"
#include "platform/platform.h"
#include "ui/qt/main_window/menu_commands.h"
#include "ui/qt/main_window/widget_view.h"

namespace sumora::qt {

class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(platform::Platform& platform);

    const Calculator& engine() const { return engine_; }

    // Shows the window centred on its screen.
    void showCentred();

private:
    void buildKeys(QWidget* client);
    void buildLabels(QWidget* client);
    static void buildLines(QWidget* client);
    void buildMenus();

    KeyButtons keys_{};
    Labels labels_{};
    Announcer* announcer_ = nullptr;
    WidgetView view_;
    Calculator engine_;
    MenuCommands menuCommands_;
};

}  // namespace sumora::qt
