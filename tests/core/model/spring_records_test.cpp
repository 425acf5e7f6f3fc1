#include "model/extension_block.h"
#include "model/project_file.h"

#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::HasSubstr;

const std::string kMarker = "\"Velmora extension\",1\r\n";

VehicleData blockRead(const std::string& block, ExtensionNotes* notes = nullptr) {
    ExtensionBlockRead read = readExtensionBlock(block, 28);
    if (notes != nullptr) {
        *notes = read.notes;
    }
    return read.vehicle;
}

TEST(SpringRecords, EveryRecordReadsAndWritesBackByteForByte) {
    const std::string block = kMarker +
                              "\"vehicle_weight\",3200\r\n"
                              "\"front_weight_percent\",52.5\r\n"
                              "\"rear_roll_stiffness\",45000\r\n"
                              "\"rear_roll_center_height\",-1.5\r\n"
                              "\"spring\",\"right\",\"bottom arm\",10.5,6,0.25,9,20,0,450\r\n"
                              "\"spring\",\"left\",\"top arm\",10.5,6,0,9,20,0,\r\n"
                              "\"damper\",\"right\",\"bottom arm\",11,6,1,10,22,1\r\n"
                              "\"damper\",\"left\",\"top arm\",11,6,1,10,22,1\r\n"
                              "\"bar_link\",\"right\",\"top arm\",12,7,-2\r\n"
                              "\"bar_link\",\"left\",\"bottom arm\",12,7,1000\r\n"
                              "\"antiroll_bar\",1,0.5,40,10,\r\n"
                              "\"bumpsteer_reading\",\"left\",3,0.031\r\n"
                              "\"toe\",1\r\n";
    ExtensionNotes notes;
    const VehicleData read = blockRead(block, &notes);
    EXPECT_TRUE(notes.dropped.empty()) << notes.dropped.front();
    EXPECT_EQ(read.vehicleWeight, 3200.0f);
    EXPECT_EQ(read.frontWeightPercent, 52.5f);
    EXPECT_EQ(read.rearRollStiffness, 45000.0f);
    EXPECT_EQ(read.rearRollCenterHeight, -1.5f);
    const MountPoint arm{11, 6, 1};
    const MountPoint chassis{10, 22, 1};
    SpringData expected;
    expected.right = {StrutMount{ArmMember::Bottom, {10.5f, 6, 0.25f}, {9, 20, 0}, 450.0f},
                      StrutMount{ArmMember::Bottom, arm, chassis, std::nullopt},
                      BarLink{ArmMember::Top, {12, 7, -2}}};
    expected.left = {StrutMount{ArmMember::Top, {10.5f, 6, 0}, {9, 20, 0}, std::nullopt},
                     StrutMount{ArmMember::Top, arm, chassis, std::nullopt},
                     BarLink{ArmMember::Bottom, {12, 7, 1000}}};
    // A wall of the whole radius is a solid bar; no modulus means steel's.
    expected.bar = AntiRollBar{1, 0.5f, 40, 10, std::nullopt};
    EXPECT_EQ(read.springs, expected);
    EXPECT_EQ(writeExtensionBlock(read), block);

    // Given in another order, they are written in the block's own order.
    const std::string shuffled = kMarker + "\"antiroll_bar\",1,0,40,10,11500000\r\n"
                                           "\"bar_link\",\"left\",\"bottom arm\",1,2,3\r\n"
                                           "\"spring\",\"left\",\"top arm\",1,2,3,4,5,6,0\r\n"
                                           "\"front_weight_percent\",50\r\n";
    EXPECT_EQ(writeExtensionBlock(blockRead(shuffled)),
              kMarker + "\"front_weight_percent\",50\r\n"
                        "\"spring\",\"left\",\"top arm\",1,2,3,4,5,6,0\r\n"
                        "\"bar_link\",\"left\",\"bottom arm\",1,2,3\r\n"
                        "\"antiroll_bar\",1,0,40,10,11500000\r\n");

    // Springs alone make a block; a project with none of this data has none.
    VehicleData onlyBar;
    onlyBar.springs.bar = expected.bar;
    EXPECT_TRUE(onlyBar.hasBlock());
    EXPECT_EQ(writeExtensionBlock(onlyBar), kMarker + "\"antiroll_bar\",1,0.5,40,10,\r\n");
    EXPECT_EQ(writeExtensionBlock(VehicleData{}), "");
}

TEST(SpringRecords, ABadRecordIsDroppedAloneWithAReasonNamingTheValue) {
    // The right spring comes first in every case: a record after it is dropped or taken alone.
    const std::string first = "\"spring\",\"right\",\"bottom arm\",10,6,0,9,20,0,400\r\n";
    const struct {
        const char* record;
        const char* why;
    } cases[] = {
        {"\"spring\",\"left\",\"bottom arm\",10,6,0,9,20,0",
         "\"spring\" needs 10 fields: side, arm, arm mount, chassis mount and rate (may be empty) "
         "(it has 9)"},
        {"\"damper\",\"left\",\"bottom arm\",10,6,0,9,20,0,1", "\"damper\" needs 9 fields"},
        {"\"bar_link\",\"left\",\"top arm\",1,2", "\"bar_link\" needs 6 fields"},
        {"\"antiroll_bar\",1,0,40,10", "\"antiroll_bar\" needs 6 fields"},
        {"\"damper\",\"middle\",\"bottom arm\",1,2,3,4,5,6",
         "the side \"middle\" must be \"right\" or \"left\""},
        {"\"damper\",left,\"bottom arm\",1,2,3,4,5,6", "the side left must be"},
        {"\"bar_link\",\"left\",\"lower arm\",1,2,3",
         "the arm \"lower arm\" must be \"bottom arm\" or \"top arm\""},
        {"\"spring\",\"left\",\"top arm\",1,abc,3,4,5,6,", "the spring's arm mount Y abc is not a "
                                                           "number"},
        {"\"damper\",\"left\",\"top arm\",1,2,3,4,5,", "the damper's chassis mount Z is empty"},
        {"\"bar_link\",\"left\",\"top arm\",1,\"2\",3", "the bar link's mount Y \"2\" is not a "
                                                        "number"},
        {"\"damper\",\"left\",\"top arm\",1,2,3,4,5,1000.5",
         "the damper's chassis mount Z 1000.5 must be from -1000 to 1000 in"},
        {"\"bar_link\",\"left\",\"top arm\",-1001,2,3",
         "the bar link's mount X -1001 must be from -1000 to 1000 in"},
        {"\"spring\",\"left\",\"top arm\",1,2,3,1,2,3,", "the spring's two mounts are the same "
                                                         "point"},
        {"\"damper\",\"left\",\"top arm\",1,2,3,1,2,3", "the damper's two mounts are the same"},
        {"\"spring\",\"left\",\"top arm\",1,2,3,4,5,6,-1",
         "the spring's rate -1 must be from 0 to 1000000 lb/in"},
        {"\"spring\",\"left\",\"top arm\",1,2,3,4,5,6,1000001", "rate 1000001 must be"},
        {"\"antiroll_bar\",0,0,40,10,",
         "the bar's diameter 0 must be more than 0 and at most 100 in"},
        {"\"antiroll_bar\",100.5,0,40,10,", "the bar's diameter 100.5 must be"},
        {"\"antiroll_bar\",1,-0.1,40,10,", "the bar's wall -0.1 may not be negative"},
        {"\"antiroll_bar\",1,0.6,40,10,", "the bar's wall 0.6 is thicker than its radius 0.5"},
        {"\"antiroll_bar\",1,0,0,10,", "the bar's active length 0 must be more than 0 and at "
                                       "most 1000 in"},
        {"\"antiroll_bar\",1,0,40,1001,", "the bar's arm length 1001 must be"},
        {"\"antiroll_bar\",1,0,40,10,0", "the bar's shear modulus 0 must be more than 0 and at "
                                         "most 1E+09 psi"},
        {"\"antiroll_bar\",1,0,40,10,2e9", "the bar's shear modulus 2E+09 must be"},
        {"\"antiroll_bar\",1,0,40,10,steel", "the bar's shear modulus steel is not a number"},
        {"\"spring\",\"right\",\"top arm\",1,2,3,4,5,6,", "the right side's spring was given "
                                                          "before"},
        {"\"antiroll_bar\",1,0,40,10,\r\n\"antiroll_bar\",2,0,40,10,",
         "the anti-roll bar was given before"},
        {"\"bar_link\",\"left\",\"top arm\",1,2,3\r\n\"bar_link\",\"left\",\"top arm\",1,2,4",
         "the left side's bar link was given before"},
        {"\"vehicle_weight\",0", "Vehicle weight 0 must be from 1 to 100000 lb"},
        {"\"front_weight_percent\",100.5", "Front weight share 100.5 must be from 0 to 100 %"},
        {"\"rear_roll_stiffness\",-1", "Rear roll stiffness -1 must be from 0 to 100000000 "
                                       "lb-in/deg"},
        {"\"rear_roll_center_height\",-101",
         "Rear roll centre height -101 must be from -100 to 1000 in"},
    };
    const StrutMount kept{ArmMember::Bottom, {10, 6, 0}, {9, 20, 0}, 400.0f};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        ExtensionNotes notes;
        const VehicleData read = blockRead(kMarker + first + c.record + "\r\n", &notes);
        ASSERT_EQ(notes.dropped.size(), 1u);
        EXPECT_THAT(notes.dropped[0], HasSubstr(c.why));
        EXPECT_EQ(read.springs.right.spring, kept);
    }
}

} // namespace
} // namespace velmora
