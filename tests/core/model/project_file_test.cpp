#include "model/project_file.h"

#include <random>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::HasSubstr;

// A complete car: distinct values on both sides, some that have no short decimal form.
SuspensionState sampleState() {
    SuspensionState state;
    for (int i = 1; i <= 26; ++i) {
        state.RightCoords[i] = 5.0f + static_cast<float>(i) * 0.75f;
        state.LeftCoords[i] = 4.0f + static_cast<float>(i) / 3.0f;
    }
    state.RightCoords[1] = 12.5f;
    state.LeftCoords[1] = 12.25f;
    state.RightCoords[2] = -0.5f;
    state.LeftCoords[2] = 1e-8f;
    state.CarStyle = "Ford";
    state.TrackType = "Asphalt";
    state.Note_text = "Line one\r\nZweite Zeile: \xC3\xBC\xE2\x80\x94 \xC2\xBC in\r\nA 5\" spacer";
    return state;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    return lines;
}

TEST(WriteProject, WritesTwentySevenCrLfRecords) {
    SuspensionState state;
    state.RightCoords[1] = 12.5f;
    state.LeftCoords[1] = 12.25f;
    state.RightCoords[26] = 19.5f;
    state.LeftCoords[26] = -0.75f;
    state.CarStyle = "GM";
    state.TrackType = "Dirt";
    state.Note_text = "";
    const std::string text = writeProjectText(state);
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0], "12.5,12.25,,");
    EXPECT_EQ(lines[1], "0,0,,");
    EXPECT_EQ(lines[25], "19.5,-0.75,\"GM\",\"Dirt\"");
    EXPECT_EQ(lines[26], "\"\"");
}

TEST(WriteProject, NotesLineBreaksAreWrittenAsCrLf) {
    // The notes box hands back LF; a file read with CR LF notes must save byte for byte.
    SuspensionState state;
    state.Note_text = "one\ntwo\r\nthree\n\nlone\rcr\n";
    const std::string text = writeProjectText(state);
    EXPECT_NE(text.find("\"one\r\ntwo\r\nthree\r\n\r\nlone\rcr\r\n\"\r\n"), std::string::npos);
    EXPECT_EQ(notesWithRecordLineEnds("a\nb"), "a\r\nb");
    EXPECT_EQ(notesWithRecordLineEnds("\n"), "\r\n");
    EXPECT_EQ(notesWithRecordLineEnds("a\r\nb"), "a\r\nb");
}

TEST(WriteProject, UnchosenTrackTypeIsWrittenEmptyAndReopensAsDirt) {
    SuspensionState state;
    const std::string text = writeProjectText(state);
    EXPECT_EQ(linesOf(text)[25], "0,0,\"GM\",\"\"");
    const ProjectReadResult result = readProjectText(text, "a.kqw");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(trackChoiceFor(*result.project), TrackChoice::Dirt);
}

TEST(WriteProject, NotesWithLineBreaksAndQuotesStayOneField) {
    const SuspensionState state = sampleState();
    const std::string text = writeProjectText(state);
    EXPECT_THAT(text, testing::EndsWith("\r\nA 5'' spacer\"\r\n"));
}

TEST(ProjectRoundTrip, RestoresEverythingSaved) {
    const SuspensionState state = sampleState();
    const ProjectReadResult result = readProjectText(writeProjectText(state), "/tmp/car.kqw");
    ASSERT_TRUE(result.ok()) << result.error->detail;
    const ProjectFile& project = *result.project;
    EXPECT_EQ(project.format, ProjectFormat::Native);
    EXPECT_EQ(project.RightCoords, state.RightCoords);
    EXPECT_EQ(project.LeftCoords, state.LeftCoords);
    EXPECT_EQ(project.CarStyle, "Ford");
    EXPECT_EQ(project.TrackType, "Asphalt");
    // The double quote was stored as two single quotes and stays so.
    EXPECT_EQ(project.notes,
              "Line one\r\nZweite Zeile: \xC3\xBC\xE2\x80\x94 \xC2\xBC in\r\nA 5'' spacer");

    SuspensionState opened;
    applyProjectData(opened, project);
    EXPECT_EQ(opened.RightCoords, state.RightCoords);
    EXPECT_EQ(opened.LeftCoords, state.LeftCoords);
    EXPECT_EQ(opened.CarStyle, "Ford");
    EXPECT_EQ(opened.Note_text, *project.notes);
}

TEST(ProjectRoundTrip, EverySingleSurvivesExactly) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> wide(-1000.0f, 1000.0f);
    SuspensionState state;
    for (int round = 0; round < 50; ++round) {
        for (int i = 1; i <= 26; ++i) {
            state.RightCoords[i] = wide(random);
            state.LeftCoords[i] = wide(random) / 7.0f;
        }
        const ProjectReadResult result = readProjectText(writeProjectText(state), "x.kqw");
        ASSERT_TRUE(result.ok());
        ASSERT_EQ(result.project->RightCoords, state.RightCoords);
        ASSERT_EQ(result.project->LeftCoords, state.LeftCoords);
    }
}

// A native file of 27 records around the given first records; the rest are filled in.
std::string nativeText(const std::string& head, int headRecords, const std::string& tail) {
    std::string text = head;
    for (int i = headRecords + 1; i <= 25; ++i) {
        text += std::to_string(i) + "," + std::to_string(i + 100) + ",,\r\n";
    }
    return text + tail;
}

TEST(ReadProject, AcceptsTheNumberFormsOfOtherWriters) {
    const std::string text = nativeText(".5,-.5,,\n1E-08,1.5e3,,\n  \"2.25\" , 7 ,x,y\n", 3,
                                        "26,126,\"GM\",\"Road\"\n\"n\"\n");
    const ProjectReadResult result = readProjectText(text, "a.kqw");
    ASSERT_TRUE(result.ok()) << result.error->detail;
    const ProjectFile& p = *result.project;
    EXPECT_EQ(p.RightCoords[1], 0.5f);
    EXPECT_EQ(p.LeftCoords[1], -0.5f);
    EXPECT_EQ(p.RightCoords[2], 1e-8f);
    EXPECT_EQ(p.LeftCoords[2], 1500.0f);
    EXPECT_EQ(p.RightCoords[3], 2.25f);
    EXPECT_EQ(p.LeftCoords[3], 7.0f);
    EXPECT_EQ(p.RightCoords[25], 25.0f);
    EXPECT_EQ(p.LeftCoords[26], 126.0f);
    EXPECT_EQ(p.notes, "n");
}

TEST(ReadProject, EmptyNumberFieldReadsAsNotEntered) {
    const ProjectReadResult result =
        readProjectText(nativeText(",4,,\r\n", 1, "1,2,\"GM\",\"Dirt\"\r\n\"\"\r\n"), "a.kqw");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.project->RightCoords[1], 0.0f);
    EXPECT_EQ(result.project->LeftCoords[1], 4.0f);
}

std::string legacyText(const std::string& style, const std::string& flag) {
    return nativeText("", 0, "1,2," + style + "," + flag + "\r\n");
}

struct FlagCase {
    const char* field;
    bool asphalt;
};

class LegacyAsphaltFlag : public testing::TestWithParam<FlagCase> {};

TEST_P(LegacyAsphaltFlag, IsALogicalValue) {
    const ProjectReadResult result =
        readProjectText(legacyText("\"GM\"", GetParam().field), "a.kqp");
    ASSERT_TRUE(result.ok()) << GetParam().field;
    EXPECT_EQ(result.project->format, ProjectFormat::Legacy);
    EXPECT_EQ(result.project->asphaltFlag, GetParam().asphalt) << GetParam().field;
    EXPECT_EQ(trackChoiceFor(*result.project),
              GetParam().asphalt ? TrackChoice::Asphalt : TrackChoice::Dirt);
    EXPECT_FALSE(result.project->notes.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LegacyAsphaltFlag,
    testing::Values(FlagCase{"#TRUE#", true}, FlagCase{"#true#", true}, FlagCase{"True", true},
                    FlagCase{"TRUE", true}, FlagCase{"\"true\"", true}, FlagCase{"-1", true},
                    FlagCase{"-1.0", true}, FlagCase{"\"-1\"", true}, FlagCase{"1", true},
                    FlagCase{"#FALSE#", false}, FlagCase{"False", false}, FlagCase{"0", false},
                    FlagCase{"", false}, FlagCase{"\"Asphalt\"", false}, FlagCase{"yes", false}));

TEST(ReadProject, LegacyFileReadsQuotedNumbersAndItsStyle) {
    const std::string text = nativeText("\"12.5\",\".25\",0,0\r\n", 1, "\"1\",2,Ford,0\r\n");
    const ProjectReadResult result = readProjectText(text, "OLD.KQP");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.project->RightCoords[1], 12.5f);
    EXPECT_EQ(result.project->LeftCoords[1], 0.25f);
    EXPECT_EQ(result.project->CarStyle, "Ford");
}

TEST(ReadProject, FormatFollowsThePathSuffixInAnyCase) {
    const std::string text = writeProjectText(sampleState());
    for (const char* path : {"car.kqw", "CAR.KQW", "c:\\racing\\Car.Kqw"}) {
        const ProjectReadResult result = readProjectText(text, path);
        ASSERT_TRUE(result.ok()) << path;
        EXPECT_EQ(result.project->format, ProjectFormat::Native) << path;
        EXPECT_TRUE(result.project->notes.has_value()) << path;
        EXPECT_EQ(trackChoiceFor(*result.project), TrackChoice::Asphalt) << path;
    }
}

TEST(ReadProject, NativeFileUnderAnotherPathIsReadByTheLegacyRules) {
    const SuspensionState state = sampleState();
    for (const char* path : {"car", "car.kqp", "kq", "", "car.kqw.bak"}) {
        const ProjectReadResult result = readProjectText(writeProjectText(state), path);
        ASSERT_TRUE(result.ok()) << path;
        EXPECT_EQ(result.project->format, ProjectFormat::Legacy);
        EXPECT_EQ(result.project->RightCoords, state.RightCoords);
        EXPECT_EQ(result.project->CarStyle, "Ford");
        EXPECT_FALSE(result.project->notes.has_value());
        // The track type text "Asphalt" is not a true logical value.
        EXPECT_EQ(trackChoiceFor(*result.project), TrackChoice::Dirt);
    }
}

TEST(ReadProject, FileMarkedTestIsNativeAfterTheMark) {
    const std::string records = writeProjectText(sampleState());
    for (const std::string& mark : {std::string("\"TEST\"\r\n"), std::string("TEST,")}) {
        for (const char* path : {"t.kqw", "t.kqp", "t"}) {
            const ProjectReadResult result = readProjectText(mark + records, path);
            ASSERT_TRUE(result.ok()) << path;
            EXPECT_EQ(result.project->format, ProjectFormat::MarkedTest);
            EXPECT_EQ(result.project->RightCoords, sampleState().RightCoords);
            EXPECT_EQ(result.project->TrackType, "Asphalt");
            EXPECT_TRUE(result.project->notes.has_value());
        }
    }
    // The mark is case-sensitive: "test" is just a field that is not a number.
    const ProjectReadResult lower = readProjectText("\"test\"\r\n" + records, "t.kqw");
    ASSERT_FALSE(lower.ok());
    EXPECT_EQ(lower.error->kind, ProjectErrorKind::NotANumber);
}

TEST(ReadProject, NotesInWindows1252AreDecoded) {
    const std::string text =
        nativeText("", 0, "1,2,\"GM\",\"Dirt\"\r\n\"Caf\xE9 \x93tight\x94\r\nok\"\r\n");
    const ProjectReadResult result = readProjectText(text, "a.kqw");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.project->notes, "Caf\xC3\xA9 \xE2\x80\x9Ctight\xE2\x80\x9D\r\nok");
}

struct BrokenCase {
    const char* name;
    std::string text;
    std::string path;
    ProjectErrorKind kind;
    int record;
};

class BrokenProject : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenProject, GivesATypedError) {
    const BrokenCase& c = GetParam();
    const ProjectReadResult result = readProjectText(c.text, c.path);
    ASSERT_FALSE(result.ok());
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->kind, c.kind);
    EXPECT_EQ(result.error->record, c.record);
    EXPECT_FALSE(result.error->detail.empty());
}

const std::string kRecords1To25 = nativeText("", 0, "");

INSTANTIATE_TEST_SUITE_P(
    Inputs, BrokenProject,
    testing::Values(
        BrokenCase{"Empty", "", "a.kqw", ProjectErrorKind::Empty, 0},
        BrokenCase{"OnlyLineBreaks", "\r\n \r\n", "a.kqw", ProjectErrorKind::Empty, 0},
        BrokenCase{"CutAfterRecord10", nativeText("", 0, "").substr(0, 91), "a.kqw",
                   ProjectErrorKind::TooFewRecords, 11},
        BrokenCase{"NativeWithoutNotes", kRecords1To25 + "1,2,\"GM\",\"Dirt\"\r\n", "a.kqw",
                   ProjectErrorKind::TooFewRecords, 27},
        BrokenCase{"LegacyWithoutFlag", kRecords1To25 + "1,2,\"GM\"\r\n", "a.kqp",
                   ProjectErrorKind::TooFewRecords, 26},
        BrokenCase{"WordForFirstValue", "abc" + kRecords1To25, "a.kqw",
                   ProjectErrorKind::NotANumber, 1},
        BrokenCase{"WordInRecord5",
                   nativeText("1,2,,\r\n2,3,,\r\n3,4,,\r\n4,5,,\r\n5,five,,\r\n", 5, ""), "a.kqp",
                   ProjectErrorKind::NotANumber, 5},
        BrokenCase{"NumberTooLargeForASingle", "1E39,1,,\r\n", "a.kqw",
                   ProjectErrorKind::NotANumber, 1},
        BrokenCase{"NotesNeverClosed", kRecords1To25 + "1,2,\"GM\",\"Dirt\"\r\n\"notes\r\n",
                   "a.kqw", ProjectErrorKind::UnclosedQuote, 27},
        BrokenCase{"QuoteNeverClosedAtStart", "\"12.5,12.25,,\r\n", "a.kqw",
                   ProjectErrorKind::UnclosedQuote, 1},
        BrokenCase{"BinaryJunk", std::string("\x7F\x45\x4C\x46\x02\x01\x01\x00\x00\xFF", 10),
                   "a.kqw", ProjectErrorKind::NotANumber, 1},
        BrokenCase{"Huge", std::string(kMaxProjectFileBytes + 1, '1'), "a.kqw",
                   ProjectErrorKind::TooLarge, 0}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

TEST(ReadProject, RandomBytesNeverCrash) {
    std::mt19937 random(1234);
    const std::string valid = writeProjectText(sampleState());
    const std::string alphabet = "0123456789.,-+eE\"\r\n \tTESTx#\xC3\xFF";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        if (round % 2 == 0) {
            const int length = round % 300;
            for (int i = 0; i < length; ++i) {
                text.push_back(round % 4 == 0 ? static_cast<char>(anyByte(random))
                                              : alphabet[static_cast<std::size_t>(pick(random))]);
            }
        } else {
            text = valid;
            std::uniform_int_distribution<std::size_t> where(0, text.size() - 1);
            for (int i = 0; i < 1 + round % 5; ++i) {
                text[where(random)] = alphabet[static_cast<std::size_t>(pick(random))];
            }
        }
        for (const char* path : {"a.kqw", "a.kqp"}) {
            const ProjectReadResult result = readProjectText(text, path);
            ASSERT_NE(result.project.has_value(), result.error.has_value());
        }
    }
}

TEST(OpenChoices, TrackTypeOfNativeFiles) {
    ProjectFile project;
    const std::vector<std::pair<std::string, TrackChoice>> cases = {
        {"Asphalt", TrackChoice::Asphalt}, {"Dirt", TrackChoice::Dirt},
        {"", TrackChoice::Dirt},           {"Road", TrackChoice::Road},
        {"asphalt", TrackChoice::Road},    {"Oval", TrackChoice::Road}};
    for (const auto& [text, choice] : cases) {
        project.TrackType = text;
        for (ProjectFormat format : {ProjectFormat::Native, ProjectFormat::MarkedTest}) {
            project.format = format;
            EXPECT_EQ(trackChoiceFor(project), choice) << text;
        }
    }
}

TEST(OpenChoices, CarStyleByExactNameElseGmForDosFiles) {
    struct Case {
        const char* style;
        const char* path;
        CarStyleChoice choice;
    };
    for (const Case& c :
         {Case{"GM", "a.kqw", CarStyleChoice::GM}, Case{"Ford", "a.kqp", CarStyleChoice::Ford},
          Case{"formula", "a", CarStyleChoice::Formula},
          Case{"Formula", "a.kqw", CarStyleChoice::None}, Case{"gm", "a", CarStyleChoice::None},
          Case{"Chevy", "a.kqp", CarStyleChoice::GM}, Case{"", "A.KQP", CarStyleChoice::GM},
          Case{"Formula", "a.kqp", CarStyleChoice::GM}}) {
        ProjectFile project;
        project.CarStyle = c.style;
        EXPECT_EQ(carStyleChoiceFor(project, c.path), c.choice) << c.style << " " << c.path;
        // The Formula car's rules follow the text read, whatever the car had before.
        SuspensionState state;
        state.FormulaCar = true;
        applyProjectData(state, project);
        EXPECT_EQ(state.FormulaCar, carStyleChoiceOf(c.style) == CarStyleChoice::Formula)
            << c.style;
    }
    EXPECT_EQ(carStyleText(CarStyleChoice::Formula), "formula");
    EXPECT_EQ(carStyleText(CarStyleChoice::None), "");
    EXPECT_EQ(trackTypeText(TrackChoice::Road), "Road");
}

TEST(SavePath, GetsTheNativeExtensionOnlyWithoutOne) {
    EXPECT_EQ(withNativeExtension("/home/joe/car"), "/home/joe/car.kqw");
    EXPECT_EQ(withNativeExtension("/home/joe.d/car"), "/home/joe.d/car.kqw");
    EXPECT_EQ(withNativeExtension("c:\\cars.old\\car"), "c:\\cars.old\\car.kqw");
    EXPECT_EQ(withNativeExtension("/home/joe/car.kqw"), "/home/joe/car.kqw");
    EXPECT_EQ(withNativeExtension("/home/joe/car.txt"), "/home/joe/car.txt");
    EXPECT_EQ(withNativeExtension("car"), "car.kqw");
}

TEST(Messages, OpenAndSaveErrors) {
    const Message open = openErrorMessage();
    EXPECT_EQ(open.title, "Error");
    EXPECT_EQ(open.text, "An error has occured while opening this file.  Please check that the "
                         "file is a valid Tarsyn data file.");
    EXPECT_EQ(open.icon, MessageIcon::Warning);
    EXPECT_EQ(open.buttons, MessageButtons::Ok);
    const Message save = saveErrorMessage();
    EXPECT_EQ(save.title, "Error");
    EXPECT_EQ(save.text, "An error has occured while saving this file.");
    EXPECT_EQ(save.icon, MessageIcon::Warning);
}

} // namespace
} // namespace velmora
