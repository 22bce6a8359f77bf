#pragma once

class QLabel;
class QWidget;

namespace sumora {
class Calculator;
}

namespace sumora::qt {

// Ctrl+C and Ctrl+Insert anywhere in `window` copy the display's whole text to the clipboard, and
// the context menu of the display and of the memory field copies that field's text. The keys let
// these chords pass, so nothing else acts on them.
void addCopyCommands(QWidget& window, QLabel& display, QLabel& memory);

// Ctrl+V and Shift+Insert anywhere in `window`, and the display's context menu after "Copy", hand
// the clipboard's text to the engine, which enters it as a number or refuses it.
void addPasteCommands(QWidget& window, QLabel& display, Calculator& engine);

}  // namespace sumora::qt
