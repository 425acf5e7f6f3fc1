#pragma once

#include "model/message_sink.h"

namespace velmora {

// The messages of the sweep; t is the travel of the failing wheel position. All carry the
// warning icon and an OK button.
Message topsOutMessage(float t);
Message bottomsOutMessage(float t);
Message tieRodBindsMessage(float t);
Message dataErrorMessage();

} // namespace velmora
