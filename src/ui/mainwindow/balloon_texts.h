#pragma once

#include <QString>

namespace velmora {

// The balloon shown when the mouse rests on a control, asked for by the control's name;
// empty when the control has none. Both sides' buttons share a text.
QString balloonText(const QString& controlName);

} // namespace velmora
