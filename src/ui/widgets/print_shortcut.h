#pragma once

class QAbstractButton;
class QWidget;

namespace velmora {

// The platform's print key (Ctrl+P) anywhere in `window` presses its Print button while the
// button can be pressed; the button's own caption and mnemonic stay as they are.
void addPrintShortcut(QWidget& window, QAbstractButton& print);

} // namespace velmora
