#pragma once

#include "geometry/static_geometry.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <ostream>
#include <vector>

namespace velmora::cli {

void printProjectSection(std::ostream& out, const SuspensionState& state);
void printStaticSection(std::ostream& out, const StaticCaptions& captions,
                        const std::vector<Message>& messages);
void printCurveSection(std::ostream& out, const SuspensionState& state,
                       const std::vector<Message>& messages);
void printSuggestionSection(std::ostream& out, const SuspensionState& state);

} // namespace velmora::cli
