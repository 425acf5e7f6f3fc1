#include "model/extension_block.h"
#include "model/project_file.h"

#include <fstream>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::HasSubstr;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

SuspensionState withNotes() {
    SuspensionState state;
    for (int i = 1; i <= 26; ++i) {
        state.RightCoords[i] = static_cast<float>(i) + 0.5f;
        state.LeftCoords[i] = static_cast<float>(i) + 0.25f;
    }
    state.TrackType = "Road";
    state.Note_text = "two\r\nlines";
    return state;
}

ProjectFile readNative(const std::string& text) {
    const ProjectReadResult read = readProjectText(text, "car.kqw");
    EXPECT_TRUE(read.ok()) << read.error->detail;
    return read.ok() ? *read.project : ProjectFile{};
}

TEST(ExtensionBlock, RoundTripsTheValuesAndKeepsUnknownKeysAfterThem) {
    SuspensionState state = withNotes();
    const std::string plain = writeProjectText(state);
    state.Vehicle.wheelbase = 108.5f;
    state.Vehicle.cgHeight = 16.25f;
    state.Vehicle.frontBrakePercent = 62.0f;
    state.Vehicle.steeringRatio = 1.0f / 3.0f;
    const std::string text = writeProjectText(state);
    ASSERT_EQ(text.substr(0, plain.size()), plain) << "the 27 records come first, unchanged";
    EXPECT_EQ(text.substr(plain.size()),
              "\"Velmora extension\",1\r\n\"wheelbase\",108.5\r\n\"cg_height\",16.25\r\n"
              "\"front_brake_percent\",62\r\n\"steering_ratio\",0.33333334\r\n");
    EXPECT_EQ(readNative(text).vehicle, state.Vehicle);

    // A later version's records, before and among the known ones, come back after them.
    const std::string later = plain + "\"Velmora extension\",1\r\n\"toe_plates\", 3 ,\"x\"\r\n"
                                      "\"cg_height\",16\r\n\r\n\"ride\",\"soft\"\r\n";
    const ProjectFile read = readNative(later);
    EXPECT_TRUE(read.extension.dropped.empty());
    state.Vehicle = read.vehicle;
    state.Note_text = *read.notes;
    EXPECT_EQ(writeProjectText(state).substr(plain.size()),
              "\"Velmora extension\",1\r\n\"cg_height\",16\r\n\"toe_plates\", 3 ,\"x\"\r\n"
              "\"ride\",\"soft\"\r\n");
}

TEST(ExtensionBlock, BadRecordsAreDroppedAloneAndNamed) {
    const std::string plain = writeProjectText(withNotes());
    const struct {
        const char* record;
        const char* why;
    } bad[] = {
        {"\"wheelbase\",-3", "Wheelbase -3 must be"},
        {"\"cg_height\",0", "Centre of gravity height 0 must be"},
        {"\"front_brake_percent\",101", "from 0 to 100"},
        {"\"steering_ratio\",\"fast\"", "needs one number"},
        {"\"wheelbase\",100,5", "needs one number"},
        {"wheelbase,100", "quoted key"},
        {"\"wheelbase", "closing quote"},
    };
    for (const auto& c : bad) {
        const ProjectFile read =
            readNative(plain + "\"Velmora extension\",1\r\n" + c.record +
                       "\r\n\"cg_height\",15\r\n\"front_brake_percent\",60\r\n");
        SCOPED_TRACE(c.record);
        EXPECT_EQ(read.RightCoords, withNotes().RightCoords);
        EXPECT_EQ(read.notes, withNotes().Note_text);
        EXPECT_EQ(read.vehicle.frontBrakePercent, 60.0f);
        ASSERT_EQ(read.extension.dropped.size(), 1u);
        EXPECT_THAT(read.extension.dropped[0], HasSubstr("record 29"));
        EXPECT_THAT(read.extension.dropped[0], HasSubstr(c.why));
        const std::optional<Message> notice = openNotice(read);
        ASSERT_TRUE(notice);
        EXPECT_EQ(notice->title, "Open");
    }
    // A value given twice keeps the first.
    const ProjectFile twice = readNative(plain + "\"Velmora extension\",1\r\n\"wheelbase\",100\r\n"
                                                 "\"wheelbase\",90\r\n");
    EXPECT_EQ(twice.vehicle.wheelbase, 100.0f);
    EXPECT_THAT(twice.extension.dropped.at(0), HasSubstr("record 30"));
}

TEST(ExtensionBlock, OnlyNativeReadingsTakeItAndPlainFilesStayByteForByte) {
    const std::string block = "\"Velmora extension\",1\r\n\"wheelbase\",100\r\n";
    const std::string plain = writeProjectText(withNotes());
    const ProjectReadResult legacy = readProjectText(plain + block, "car.kqp");
    ASSERT_TRUE(legacy.ok());
    EXPECT_FALSE(legacy.project->vehicle.hasBlock());
    const ProjectReadResult marked = readProjectText("\"TEST\"," + plain + block, "car.txt");
    ASSERT_TRUE(marked.ok());
    EXPECT_FALSE(marked.project->vehicle.hasBlock());
    // Text after the notes that is no block is no vehicle data.
    EXPECT_FALSE(readNative(plain + "\"something else\",1\r\n").vehicle.hasBlock());

    for (const char* name :
         {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw", "formula-road-course.kqw"}) {
        const std::string original =
            fileText(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
        SuspensionState state;
        applyProjectData(state, readNative(original));
        state.TrackType = readNative(original).TrackType;
        EXPECT_EQ(writeProjectText(state), original) << name;
    }
}

std::string resaved(const std::string& text) {
    const ProjectFile read = readNative(text);
    SuspensionState state;
    applyProjectData(state, read);
    state.TrackType = read.TrackType;
    return writeProjectText(state);
}

TEST(ExtensionBlock, TextThisVersionCannotReadIsSavedByteForByte) {
    const std::string plain = writeProjectText(withNotes());
    const std::string block = "\"Velmora extension\",1\r\n\"wheelbase\",100\r\n";
    const struct {
        std::string tail;
        bool toldOnOpen;
    } cases[] = {
        {"\xEF\xBB\xBF" + block, true},
        {"junk line\n" + block, true},
        {"\"VELMORA EXTENSION\",1\r\n\"wheelbase\",100", true},
        {"\"something else\",1\r\n\x1A", false},
        // A second block inside the first is kept from its marker on.
        {block + "\"velmora Extension\",1\n\"cg_height\",\"x\"\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail);
        const std::string text = plain + c.tail;
        EXPECT_EQ(resaved(text), text);
        EXPECT_EQ(openNotice(readNative(text)).has_value(), c.toldOnOpen);
    }
}

TEST(ExtensionBlock, ANewerBlockIsKeptWholeAndItsKnownValuesUsed) {
    const std::string plain = writeProjectText(withNotes());
    const std::string text = plain + "\"Velmora extension\", 2\r\n\"toe\",1\r\n"
                                     "\"wheelbase\",-1\r\n\r\n\"cg_height\",15\n\"wheelbase\",100";
    const ProjectFile read = readNative(text);
    EXPECT_EQ(read.vehicle.cgHeight, 15.0f);
    EXPECT_EQ(read.vehicle.wheelbase, 100.0f);
    EXPECT_TRUE(read.extension.dropped.empty());
    const std::optional<Message> notice = openNotice(read);
    ASSERT_TRUE(notice);
    EXPECT_THAT(notice->text, HasSubstr("newer version of Velmora (its vehicle data block is "
                                        "version 2)"));
    EXPECT_EQ(resaved(text), text);

    // A changed value rewrites the known records and keeps every other line as it was.
    SuspensionState state = withNotes();
    applyProjectData(state, read);
    state.Vehicle.cgHeight = 16.0f;
    EXPECT_EQ(writeProjectText(state).substr(plain.size()),
              "\"Velmora extension\", 2\r\n\"wheelbase\",100\r\n\"cg_height\",16\r\n"
              "\"toe\",1\r\n\"wheelbase\",-1\r\n");
}

TEST(ExtensionBlock, AMillionBadRecordsGiveABoundedNoticeAndReadingsReadLinearly) {
    const std::string plain = writeProjectText(withNotes());
    std::string text = plain + "\"Velmora extension\",1\r\n";
    for (int i = 0; i < 200000; ++i) {
        text += "\"wheelbase\",-1\r\n";
    }
    text += "\"bad\x01\xFF\",\"\r\n";
    for (int i = 0; i < 3000; ++i) {
        text += "\"bumpsteer_reading\",\"left\"," + std::to_string(i * 0.005) + ",0\r\n";
    }
    const ProjectFile read = readNative(text);
    EXPECT_EQ(read.extension.droppedCount, 200001u + 2000u);
    ASSERT_EQ(read.extension.dropped.size(), kNamedDroppedRecords);
    EXPECT_EQ(read.vehicle.readings.size(), kMostReadingsPerSide);
    const std::optional<Message> notice = openNotice(read);
    ASSERT_TRUE(notice);
    EXPECT_LT(notice->text.size(), 2000u);
    EXPECT_THAT(notice->text, HasSubstr("\n... and 201991 more records were left out."));

    // The named lines quote control bytes and broken UTF-8 escaped.
    const ProjectFile odd = readNative(plain + "\"Velmora extension\",1\r\n\"x\x01\xFF");
    ASSERT_EQ(odd.extension.dropped.size(), 1u);
    EXPECT_THAT(odd.extension.dropped[0], HasSubstr("(\"x\\x01\\xFF)"));
}

} // namespace
} // namespace velmora
