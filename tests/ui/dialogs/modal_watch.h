#pragma once

#include <functional>

#include <QWidget>

namespace sumora::dialogs {

// Runs `whileOpen` on the first modal window that opens from now on, then closes that window if
// it is still open, so that a test of a modal command cannot hang. Returns whether one opened
// within two seconds; call it around the command: expectModal([]{...}, [&]{ command(); }).
bool expectModal(const std::function<void(QWidget&)>& whileOpen,
                 const std::function<void()>& command);

}  // namespace sumora::dialogs
