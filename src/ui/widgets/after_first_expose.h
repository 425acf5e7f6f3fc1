#pragma once

#include <functional>

class QWidget;

namespace velmora {

// Runs `then` once, from the event loop, just after `window` first appears on screen (its
// first expose): work the window's first appearance need not wait for.
void afterFirstExpose(QWidget& window, std::function<void()> then);

} // namespace velmora
