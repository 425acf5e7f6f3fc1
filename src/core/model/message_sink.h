#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

enum class MessageIcon { None, Warning, Exclamation, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
    Message() = default;
    Message(std::string title_, std::string text_, MessageIcon icon_ = MessageIcon::None,
            MessageButtons buttons_ = MessageButtons::Ok, std::string details_ = {})
        : title(std::move(title_)), text(std::move(text_)), icon(icon_), buttons(buttons_),
          details(std::move(details_)) {}

    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // Longer text the user may unfold (a list of gathered messages); usually empty.
    std::string details;

    bool operator==(const Message&) const = default;
};

// Where core code reports what the user must read. The desktop program shows a modal box,
// the command-line program and the tests record.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

// Keeps every message; answers questions from a queue (Ok, No or Cancel when it runs dry:
// the answer that changes nothing).
class RecordingMessageSink : public MessageSink {
public:
    MessageAnswer show(const Message& message) override {
        messages.push_back(message);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (message.buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            break;
        }
        return MessageAnswer::Cancel;
    }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
};

} // namespace velmora
