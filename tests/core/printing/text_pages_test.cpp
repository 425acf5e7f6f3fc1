#include "printing/text_pages.h"

#include "core/printing/print_test_support.h"
#include "printing/recording_printer.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::printedLines;

CoordinateBoxTexts boxesWith(std::initializer_list<std::pair<int, const char*>> texts) {
    CoordinateBoxTexts boxes;
    for (const auto& [index, text] : texts) {
        boxes[static_cast<std::size_t>(index)] = text;
    }
    return boxes;
}

TEST(CoordinatePageTest, RowsCarryTheSixCharacterValueTextsOfTheBoxes) {
    RecordingPrinter printer;
    const CoordinateBoxTexts boxes = boxesWith({{1, "12.5"},
                                                {10, "3"},
                                                {19, "-4.25"},
                                                {4, "0.5"},
                                                {13, "123.456"},
                                                {22, "7x"},
                                                {6, "abc"}});
    buildCoordinatePage(printer, true, boxes, "C:\\cars\\late.kqw");
    const std::vector<std::string> lines = printedLines(printer.operations());
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[6],
              "     Front Pivot         12.50                     3.000                    -4.249");
    EXPECT_EQ(lines[11],
              "     Front Pivot         .5000                     123.4                     7.000");
    // A text that does not start with a number, or no text at all, counts as 0.
    EXPECT_EQ(lines[13].substr(25, 6), lines[13].substr(51, 6));
    EXPECT_EQ(lines[13].substr(5, 10), "Ball Joint");
}

TEST(CoordinatePageTest, LayoutIsTheSameForBothSidesApartFromTheTitle) {
    RecordingPrinter right;
    RecordingPrinter left;
    const CoordinateBoxTexts boxes = boxesWith({{9, "31"}, {18, "13.25"}});
    buildCoordinatePage(right, true, boxes, "");
    buildCoordinatePage(left, false, boxes, "");
    std::vector<std::string> r = printedLines(right.operations());
    std::vector<std::string> l = printedLines(left.operations());
    EXPECT_EQ(r.front(), "Right Side Suspension Coordinates");
    EXPECT_EQ(l.front(), "Left Side Suspension Coordinates");
    r.front() = l.front();
    EXPECT_EQ(r, l);

    EXPECT_EQ(r[3],
              std::string(15, ' ') + "X" + std::string(15, ' ') + "Y" + std::string(15, ' ') + "Z");
    EXPECT_EQ(r[19], "Misc.");
    EXPECT_EQ(r[20], "     Tire Center         31.00");
    EXPECT_EQ(r[21], "     Spindle Height      13.25");
    // An empty file caption still prints "File:" and one space.
    EXPECT_EQ(r.back(), "File: ");
    EXPECT_TRUE(testing::is<printop::EndDoc>(right.operations().back()));
}

TEST(CoordinatePageTest, HeadingsAreBoldAndRowsPlainInTheFaceThePrinterHas) {
    RecordingPrinter printer;
    buildCoordinatePage(printer, false, {}, "x");
    std::vector<std::pair<double, bool>> fonts;
    for (const PrintOp& op : printer.operations()) {
        if (const auto* change = std::get_if<printop::Font>(&op)) {
            EXPECT_EQ(change->font.face, defaultPrinterFont().face);
            fonts.emplace_back(change->font.size, change->font.bold);
        }
    }
    const std::vector<std::pair<double, bool>> expected = {{18, true},  {15, true},  {12, false},
                                                           {15, true},  {12, false}, {15, true},
                                                           {12, false}, {15, true},  {12, false}};
    EXPECT_EQ(fonts, expected);
}

TEST(StaticPageTest, EachLineIsOneStatementWithTheTabsThatLineUpTheColumns) {
    RecordingPrinter printer;
    const StaticCaptions captions = {
        {"9.1", "2.75", "4", "1.5"}, {"8.235", "2.5", "3", "1.25"}, "3.125", ""};
    buildStaticPage(printer, captions);
    const std::vector<std::string> expected = {
        "\tSTATIC GEOMETRY\t\t\tLEFT\tRIGHT",
        "\tSTEERING AXIS INCLINATION\t8.235\t9.1",
        "\tSCRUB RADIUS\t\t\t2.5\t2.75",
        "\tCASTER ANGLE\t\t\t3\t4",
        "\tCASTER TRAIL LENGTH\t\t1.25\t1.5",
        "",
        "\tROLL CENTER HEIGHT\t3.125",
        "\tROLL CENTER OFFSET\t", // a cleared caption prints nothing
    };
    EXPECT_EQ(printedLines(printer.operations()), expected);
    for (const PrintOp& op : printer.operations()) {
        EXPECT_FALSE(testing::is<printop::Font>(op)) << "the static page keeps the printer's font";
    }
}

// With tab stops every eight characters of a fixed-pitch face, the values of every side
// row start at the same stop as "LEFT" and "RIGHT".
TEST(StaticPageTest, ValueColumnsMeetAtTheSameTabStops) {
    RecordingPrinter printer;
    buildStaticPage(printer, {});
    const auto columnOfSecondLastTab = [](const std::string& line) {
        int column = 0;
        std::vector<int> stops;
        for (const char ch : line) {
            if (ch == '\t') {
                column = (column / 8 + 1) * 8;
                stops.push_back(column);
            } else {
                ++column;
            }
        }
        return stops.size() >= 2 ? stops[stops.size() - 2] : -1;
    };
    const std::vector<std::string> lines = printedLines(printer.operations());
    for (std::size_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(columnOfSecondLastTab(lines[i] + "x"), columnOfSecondLastTab(lines[0]))
            << lines[i];
    }
}

TEST(PrintCommandTest, FailureShowsTheMessageAndDiscardsTheJob) {
    testing::FailingPrinter printer(1);
    RecordingMessageSink sink;
    const bool ended = runPrintCommand(printer, sink, coordinatePrintFailure(), [&] {
        printer.printText("half a page");
        printer.line(0, 0, 1, 1);
        printer.endDoc();
    });
    EXPECT_FALSE(ended);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(sink.messages[0].text,
              "An error has occured while trying to print your vehicles suspension "
              "coordinates.  If this problem persists call Norvale at (800)-555-0199.");
    EXPECT_TRUE(testing::is<printop::KillDoc>(printer.operations().back()));
    EXPECT_TRUE(endedJobs(printer.operations()).empty());
}

} // namespace
} // namespace velmora
