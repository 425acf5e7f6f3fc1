#pragma once

#include "model/message_sink.h"

#include <cstddef>
#include <vector>

namespace velmora {

// Stands between a long run of reports (a sweep over a wide travel range can report at
// every position) and a sink that stops the user at each message. The first few messages
// pass straight through; the rest are kept and handed on by finish() as one message whose
// details list every one of them, so nothing is lost and the user clicks a handful of boxes
// at most. Questions always pass through: they need their own answer.
class GatheringMessageSink : public MessageSink {
public:
    GatheringMessageSink(MessageSink& target, std::size_t shownDirectly);
    ~GatheringMessageSink() override;

    GatheringMessageSink(const GatheringMessageSink&) = delete;
    GatheringMessageSink& operator=(const GatheringMessageSink&) = delete;

    MessageAnswer show(const Message& message) override;

    // Hands the gathered messages on as one; nothing when none were gathered. The
    // destructor calls it too.
    void finish();

    const std::vector<Message>& gathered() const { return gathered_; }

private:
    MessageSink& target_;
    std::size_t shownDirectly_;
    std::size_t passed_ = 0;
    std::vector<Message> gathered_;
};

// The one message that stands for the gathered ones.
Message gatheredMessagesSummary(const std::vector<Message>& gathered);

} // namespace velmora
