#include "geometry/coordinate_checks.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A plausible left front corner as typed into the table.
CoordinateBoxTexts plausibleTable() {
    CoordinateBoxTexts texts;
    const char* values[] = {
        "",                                                             // unused index 0
        "10", "10.5", "21",    "8",  "8.5", "23",   "9",  "22",   "25", // X 1..9
        "16", "16.5", "17.25", "8",  "8.5", "6",    "9",  "9.5",  "12", // Y 10..18
        "20", "32",   "26",    "20", "32",  "26.5", "30", "30.5",       // Z 19..26
    };
    for (std::size_t i = 0; i <= 26; ++i) {
        texts[i] = values[i];
    }
    return texts;
}

TEST(CoordinateChecks, PlausibleTablePassesAndStoresAll26Values) {
    const CoordinateTableResult result = readCoordinateTable(plausibleTable());
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.message(), std::nullopt);

    CoordinateSet target;
    EXPECT_TRUE(applyCoordinateTable(result, target));
    EXPECT_EQ(target[1], 10.0f);
    EXPECT_EQ(target[12], 17.25f);
    EXPECT_EQ(target[26], 30.5f);
    EXPECT_TRUE(isComplete(target));
}

TEST(CoordinateChecks, EqualityFailsEachCheck) {
    const struct {
        int index;
        const char* text;
        CoordinateCheck expected;
    } cases[] = {
        {12, "6", CoordinateCheck::BallJointHeights},          // top ball joint = bottom
        {13, "24", CoordinateCheck::PivotHeights},             // (24 + 8.5) / 2 = (16 + 16.5) / 2
        {3, "10.25", CoordinateCheck::TopBallJointOutboard},   // = (10 + 10.5) / 2
        {6, "8.25", CoordinateCheck::BottomBallJointOutboard}, // = (8 + 8.5) / 2
    };
    for (const auto& c : cases) {
        CoordinateBoxTexts texts = plausibleTable();
        texts[static_cast<std::size_t>(c.index)] = c.text;
        EXPECT_EQ(firstFailedCheck(texts), c.expected) << "box " << c.index;
    }
    CoordinateBoxTexts pivots = plausibleTable();
    pivots[10] = "8"; // mean 12.25 against the bottom arm's 8.25 still holds
    EXPECT_EQ(firstFailedCheck(pivots), std::nullopt);
    pivots[10] = "0";
    pivots[11] = "16.5"; // (0 + 16.5) / 2 = 8.25 = (8 + 8.5) / 2
    EXPECT_EQ(firstFailedCheck(pivots), CoordinateCheck::PivotHeights);
}

TEST(CoordinateChecks, FirstFailingCheckWinsAndNothingIsStored) {
    CoordinateBoxTexts texts = plausibleTable();
    texts[3] = "1"; // check 3 fails
    texts[12] = ""; // an empty box counts as 0: check 1 fails first
    const CoordinateTableResult result = readCoordinateTable(texts);
    ASSERT_FALSE(result.accepted());
    EXPECT_EQ(result.failedCheck, CoordinateCheck::BallJointHeights);

    CoordinateSet target;
    target[1] = 99.0f;
    EXPECT_FALSE(applyCoordinateTable(result, target));
    EXPECT_EQ(target[1], 99.0f);
}

TEST(CoordinateChecks, MessagesAreExact) {
    const Message first = impossibleCombinationMessage(CoordinateCheck::BallJointHeights);
    EXPECT_EQ(first.title, "Impossible Combination");
    EXPECT_EQ(first.icon, MessageIcon::None);
    EXPECT_EQ(first.buttons, MessageButtons::Ok);
    EXPECT_EQ(first.text, "Your lower ball joint must be lower than your upper ball joint.  "
                          "Please enter correct information");
    EXPECT_EQ(impossibleCombinationMessage(CoordinateCheck::PivotHeights).text,
              "Your lower control arm pivot must be lower than your upper control arm pivot.  "
              "Please enter correct information");
    EXPECT_EQ(impossibleCombinationMessage(CoordinateCheck::TopBallJointOutboard).text,
              "Your upper ball joint must be outboard of your upper control arm pivot.  "
              "Please enter correct information");
    EXPECT_EQ(impossibleCombinationMessage(CoordinateCheck::BottomBallJointOutboard).text,
              "Your lower ball joint must be outboard of your lower control arm pivot.  "
              "Please enter correct information");

    const Message missing = missingDataMessage();
    EXPECT_EQ(missing.title, "Missing data");
    EXPECT_EQ(missing.icon, MessageIcon::Warning);
    EXPECT_EQ(missing.text, "You are missing some coordinates.  Go back and look for an empty box "
                            "in the XYZ coordinate table.");
}

TEST(CoordinateChecks, EmptyBoxStoresTheBoxesBeforeItAndKeepsTheRest) {
    CoordinateBoxTexts texts = plausibleTable();
    texts[20] = "";
    const CoordinateTableResult result = readCoordinateTable(texts);
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.firstFailure, 20);
    EXPECT_EQ(result.message(), missingDataMessage());

    CoordinateSet target;
    for (int i = 1; i <= 26; ++i) {
        target[i] = -1.0f;
    }
    EXPECT_TRUE(applyCoordinateTable(result, target));
    EXPECT_EQ(target[19], 20.0f);
    EXPECT_EQ(target[20], -1.0f);
    EXPECT_EQ(target[26], -1.0f);
}

TEST(CoordinateChecks, TrailingLettersPassTheChecksButFailTheCopy) {
    CoordinateBoxTexts texts = plausibleTable();
    texts[12] = "17.25in"; // checked as 17.25
    const CoordinateTableResult result = readCoordinateTable(texts);
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.firstFailure, 12);
    EXPECT_EQ(result.values[11], 16.5f);
}

TEST(CoordinateChecks, ShownSixCharacterTextsAreStoredBack) {
    CoordinateBoxTexts texts = plausibleTable();
    texts[12] = " 17.25";
    texts[2] = " 10.50";
    const CoordinateTableResult result = readCoordinateTable(texts);
    ASSERT_TRUE(result.complete());
    EXPECT_EQ(result.values[12], 17.25f);
    EXPECT_EQ(result.values[2], 10.5f);
}

} // namespace
} // namespace velmora
