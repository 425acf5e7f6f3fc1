#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace velmora {

// Where a window of `frame` size first appears: wholly on `screen`, beside the main window
// where there is room (right, left, below, above), else beside another open window, and never
// over an open window of the program while some place avoids them all. Failing that, the place
// that covers the least of them. A window larger than the screen starts at its top left.
QPoint placeBeside(QSize frame, const QRect& main, const std::vector<QRect>& open,
                   const QRect& screen);

// Shows `window` (raised and active); the first time, at the place placeBeside chooses
// beside `main` and the program's other visible windows, shrunk to the screen if need be.
void showBeside(QWidget& window, const QWidget& main);

} // namespace velmora
