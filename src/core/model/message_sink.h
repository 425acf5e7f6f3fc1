#pragma once

#include <deque>
#include <string>
#include <vector>

namespace velmora {

enum class MessageIcon { None, Warning, Exclamation, Information };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const Message&) const = default;
};

// Where core code reports what the user must read. The desktop program shows a modal box,
// the command-line program and the tests record.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

// Keeps every message; answers questions from a queue (Ok/Cancel when it runs dry).
class RecordingMessageSink : public MessageSink {
public:
    MessageAnswer show(const Message& message) override {
        messages.push_back(message);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
};

} // namespace velmora
