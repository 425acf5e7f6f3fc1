#include "model/gathering_message_sink.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

Message geometry(int position) {
    return Message{"Geometry Error", "At wheel position " + std::to_string(position),
                   MessageIcon::Warning};
}

TEST(GatheringMessageSink, ShowsAFewAndGathersTheRestIntoOne) {
    RecordingMessageSink shown;
    {
        GatheringMessageSink sink(shown, 3);
        for (int position = 1; position <= 44; ++position) {
            EXPECT_EQ(sink.show(geometry(position)), MessageAnswer::Ok);
        }
        EXPECT_EQ(shown.messages.size(), 3u); // the rest wait for the end of the run
    }
    ASSERT_EQ(shown.messages.size(), 4u);
    const Message& summary = shown.messages.back();
    EXPECT_EQ(summary.title, "Geometry Error");
    EXPECT_EQ(summary.icon, MessageIcon::Warning);
    EXPECT_NE(summary.text.find("41 more messages"), std::string::npos) << summary.text;
    // Nothing is lost: every gathered text is listed, in order, one a line.
    std::string expected;
    for (int position = 4; position <= 44; ++position) {
        expected += (position > 4 ? "\n" : "") + geometry(position).text;
    }
    EXPECT_EQ(summary.details, expected);
}

TEST(GatheringMessageSink, QuestionsAndShortRunsPassStraightThrough) {
    RecordingMessageSink shown;
    shown.answers = {MessageAnswer::Yes};
    GatheringMessageSink sink(shown, 0);
    const Message question{"Warning", "Save?", MessageIcon::Warning, MessageButtons::YesNoCancel};
    EXPECT_EQ(sink.show(question), MessageAnswer::Yes);
    sink.finish();
    EXPECT_EQ(shown.messages, std::vector<Message>{question}); // no empty summary

    RecordingMessageSink other;
    GatheringMessageSink one(other, 0);
    one.show(Message{"Data Error", "x"});
    one.show(Message{"Geometry Error", "y"});
    one.finish();
    one.finish(); // twice shows nothing more
    ASSERT_EQ(other.messages.size(), 1u);
    EXPECT_EQ(other.messages[0].details, "x\nGeometry Error: y");
}

} // namespace
} // namespace velmora
