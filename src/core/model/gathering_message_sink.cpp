#include "model/gathering_message_sink.h"

#include <string>

namespace velmora {

GatheringMessageSink::GatheringMessageSink(MessageSink& target, std::size_t shownDirectly)
    : target_(target), shownDirectly_(shownDirectly) {}

GatheringMessageSink::~GatheringMessageSink() {
    finish();
}

MessageAnswer GatheringMessageSink::show(const Message& message) {
    if (message.buttons != MessageButtons::Ok || passed_ < shownDirectly_) {
        ++passed_;
        return target_.show(message);
    }
    gathered_.push_back(message);
    return MessageAnswer::Ok;
}

void GatheringMessageSink::finish() {
    if (gathered_.empty()) {
        return;
    }
    const Message summary = gatheredMessagesSummary(gathered_);
    gathered_.clear();
    target_.show(summary);
}

Message gatheredMessagesSummary(const std::vector<Message>& gathered) {
    Message summary;
    summary.title = gathered.front().title;
    summary.icon = gathered.front().icon;
    summary.buttons = MessageButtons::Ok;
    const std::string count = std::to_string(gathered.size());
    summary.text = gathered.size() == 1 ? "There is 1 more message like this one."
                                        : "There are " + count + " more messages like this one.";
    summary.text += "  Show Details lists them all.";
    for (const Message& message : gathered) {
        if (!summary.details.empty()) {
            summary.details += '\n';
        }
        if (message.title != summary.title) {
            summary.details += message.title + ": ";
        }
        summary.details += message.text;
    }
    return summary;
}

} // namespace velmora
