#include "model/bump_steer_reading.h"
#include "model/curve_at_travel.h"
#include "model/project_file.h"
#include "model/shown_length.h"

#include <cmath>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::HasSubstr;

TEST(BumpSteerReadings, AreOneRecordEachAndComeBackFromTheFile) {
    SuspensionState state;
    const std::string plain = writeProjectText(state);
    state.Vehicle.readings = {{false, 3, 0.031f}, {true, -1.5f, -0.0625f}};
    state.Vehicle.unknown = {{"later", "\"later\",1"}};
    const std::string text = writeProjectText(state);
    ASSERT_EQ(text.substr(0, plain.size()), plain);
    EXPECT_EQ(text.substr(plain.size()), "\"Velmora extension\",1\r\n"
                                         "\"bumpsteer_reading\",\"left\",3,0.031\r\n"
                                         "\"bumpsteer_reading\",\"right\",-1.5,-0.0625\r\n"
                                         "\"later\",1\r\n");
    const ProjectReadResult read = readProjectText(text, "car.kqw");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.project->vehicle, state.Vehicle);
    EXPECT_TRUE(read.project->extension.dropped.empty());
}

TEST(BumpSteerReadings, BadRecordsAreDroppedAloneAndNamed) {
    const std::string plain = writeProjectText(SuspensionState{});
    const struct {
        const char* record;
        const char* why;
    } bad[] = {
        {"\"bumpsteer_reading\",\"middle\",1,0.01", "\"left\" or \"right\""},
        {"\"bumpsteer_reading\",left,1,0.01", "needs a side and two numbers"},
        {"\"bumpsteer_reading\",\"left\",1", "needs a side and two numbers"},
        {"\"bumpsteer_reading\",\"left\",1,\"0.01\"", "needs a side and two numbers"},
        {"\"bumpsteer_reading\",\"left\",25,0.01", "travel must be"},
        {"\"bumpsteer_reading\",\"left\",1,13", "gauge reading must be"},
        {"\"bumpsteer_reading\",\"left\",2,0.5", "given before"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.record);
        const ProjectReadResult read = readProjectText(
            plain + "\"Velmora extension\",1\r\n\"bumpsteer_reading\",\"left\",2,0.02\r\n" +
                c.record + "\r\n\"bumpsteer_reading\",\"right\",2,0.5\r\n",
            "car.kqw");
        ASSERT_TRUE(read.ok());
        const VehicleData& v = read.project->vehicle;
        EXPECT_EQ(v.readings, (std::vector<BumpSteerReading>{{false, 2, 0.02f}, {true, 2, 0.5f}}));
        ASSERT_EQ(read.project->extension.dropped.size(), 1u);
        EXPECT_THAT(read.project->extension.dropped[0], HasSubstr("record 30"));
        EXPECT_THAT(read.project->extension.dropped[0], HasSubstr(c.why));
    }
}

TEST(BumpSteerReadings, TableRowsAreTakenSortedOrRefusedByRowAndText) {
    const auto ok = acceptedReadings({{"-1", "-0.01"}, {" ", ""}, {"2", ".02"}}, true);
    ASSERT_TRUE(std::holds_alternative<std::vector<BumpSteerReading>>(ok));
    EXPECT_EQ(std::get<std::vector<BumpSteerReading>>(ok),
              (std::vector<BumpSteerReading>{{true, 2, 0.02f}, {true, -1, -0.01f}}));

    // Typed in millimetres, a reading is kept as the nearest inches.
    {
        ScopedDisplayUnit mm(LengthUnit::Millimetres);
        const auto typed = acceptedReadings({{"25.4", "0.8"}}, true);
        ASSERT_TRUE(std::holds_alternative<std::vector<BumpSteerReading>>(typed));
        EXPECT_EQ(
            std::get<std::vector<BumpSteerReading>>(typed),
            (std::vector<BumpSteerReading>{{true, 1, storedInches(0.8, LengthUnit::Millimetres)}}));
    }

    constexpr LengthUnit in = LengthUnit::Inches;
    constexpr LengthUnit mm = LengthUnit::Millimetres;
    const struct {
        LengthUnit unit;
        std::vector<ReadingRow> rows;
        const char* says;
    } refused[] = {
        {in, {{"1", "0.01"}, {"abc", "0.01"}}, "Row 2: \"abc\" is not a travel in inches."},
        {in, {{"1", "0.01x"}}, "Row 1: \"0.01x\" is not a gauge reading in inches."},
        {in, {{"1", ""}}, "Row 1: the gauge reading is empty."},
        {in,
         {{"30", "0.01"}},
         "Row 1: \"30\": the travel must be a number of inches from -24 to 24."},
        {in,
         {{"1", "0.01"}, {"2", "0"}, {"1.0", "0.02"}},
         "Row 3: a reading at 1 in is already in row 1."},
        {mm, {{"1x", "0.2"}}, "Row 1: \"1x\" is not a travel in mm."},
        {mm,
         {{"25", "400"}},
         "Row 1: \"400\": the gauge reading must be a number of mm from -304.8 to 304.8."},
        {mm, {{"50.8", "1"}, {"50.80", "2"}}, "Row 2: a reading at 50.8 mm is already in row 1."},
    };
    for (const auto& c : refused) {
        ScopedDisplayUnit unit(c.unit);
        const auto result = acceptedReadings(c.rows, false);
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.says;
        EXPECT_EQ(std::get<std::string>(result), c.says);
    }
}

TEST(BumpSteerReadings, DegreesAndTheCurveBetweenPositions) {
    EXPECT_NEAR(readingDegrees(0.031f, 12), 0.14801, 1e-5);
    EXPECT_NEAR(readingDegrees(-0.031f, 24), -0.07401, 1e-5) << "toe in is negative";
    EXPECT_EQ(readingDegrees(0, 12), 0);

    // Five positions 2, 1, 0, -1, -2 with a gap the sweep did not reach at -2.
    Curve curve{};
    curve[1] = 0.4f;
    curve[2] = 0.1f;
    curve[3] = 0;
    curve[4] = -0.2f;
    curve[5] = std::nanf("");
    const struct {
        double travel;
        std::optional<double> value;
    } cases[] = {{2, 0.4f},
                 {1, 0.1f},
                 {1.5, (0.4f + 0.1f) / 2.0},
                 {-0.25, -0.05f},
                 {2.01, std::nullopt},
                 {-1.5, std::nullopt},
                 {-1, -0.2f}};
    for (const auto& c : cases) {
        const std::optional<double> got = curveAtTravel(curve, 2, 1, 5, c.travel);
        ASSERT_EQ(got.has_value(), c.value.has_value()) << c.travel;
        if (got) {
            EXPECT_NEAR(*got, *c.value, 1e-7) << c.travel;
        }
    }
}

} // namespace
} // namespace velmora
