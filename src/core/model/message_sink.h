#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

enum class MessageIcon { None, Warning, Exclamation, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What a pass's message reports, so that callers and tests can tell the results apart without
// reading the English, which may be reworded. Messages that are not a pass's result (files,
// questions, the coordinate table's checks) carry None.
enum class Outcome {
    None,
    // The classic sweep
    SweepTopsOut,
    SweepBottomsOut,
    SweepTieRodBinds,
    SweepDataError,
    // The 3-D solution, also where dive and roll and the readings use it
    RigidCannotSolve,
    RigidLocks,
    RigidDoesNotSettle,
    // Steering: a side that cannot be steered, then a wheel that stops on the way
    SteeringSideIncomplete,
    SteeringCannotSteer,
    SteeringTieRodInLine,
    SteeringStopsUnsettled,
    SteeringStopsAtToggle,
    SteeringStopsAt90Degrees,
    // Anti-dive
    AntiDiveAbovePatch,
    AntiDiveNoArmLines,
    // The bump steer readings
    ReadingOutsideTravel,
    ReadingBesideUnreached,
    // Sensitivity
    SensitivityCoordinateEmptied,
};

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
    Outcome outcome = Outcome::None; // never shown: the text says it to the user

    bool operator==(const Message&) const = default;

    // The message as the pass that builds it marks it.
    Message with(Outcome code) && {
        outcome = code;
        return std::move(*this);
    }
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
