#include "pictures/wizard_screens.h"

namespace velmora {

WizardScreen wizardScreen(PictureGroup group, PictureAxis axis) {
    // For the arms A is the rear pivot, B the front pivot, C the ball joint; for the misc
    // group A is the inner and B the outer tie rod joint.
    switch (group) {
    case PictureGroup::Top:
        switch (axis) {
        case PictureAxis::X:
            return {{WizardBox{2, "Distance from the rear pivot of the top A arm to the chassis "
                                  "centerline"},
                     WizardBox{1, "Distance from the front pivot of the top A arm to the chassis "
                                  "centerline"},
                     WizardBox{3, "Distance from the ball joint of the top A arm to the chassis "
                                  "centerline"}}};
        case PictureAxis::Y:
            return {{WizardBox{11, "Height of the rear pivot of the top arm when the car is "
                                   "resting on its tires"},
                     WizardBox{10, "Height of the front pivot of the top arm when the car is "
                                   "resting on its tires"},
                     WizardBox{12, "Height of the top ball joint when the car is resting on its "
                                   "tires"}}};
        case PictureAxis::Z:
            return {{WizardBox{20, "Distance from rear pivot of the top A arm to an arbitrary "
                                   "reference line in front of the car"},
                     WizardBox{19, "Distance from front pivot of the top A arm to an arbitrary "
                                   "reference line in front of the car"},
                     WizardBox{21, "Distance from the top ball joint to an arbitrary reference "
                                   "line in front of the car"}}};
        }
        break;
    case PictureGroup::Bottom:
        switch (axis) {
        case PictureAxis::X:
            return {{WizardBox{5, "Distance from the rear pivot of the bottom A arm to the "
                                  "chassis centerline"},
                     WizardBox{4, "Distance from the front pivot of the bottom A arm to the "
                                  "chassis centerline"},
                     WizardBox{6, "Distance from the ball joint of the bottom A arm to the "
                                  "chassis centerline"}}};
        case PictureAxis::Y:
            return {{WizardBox{14, "Height of the rear pivot of the bottom arm when the car is "
                                   "resting on its tires"},
                     WizardBox{13, "Height of the front pivot of the bottom arm when the car is "
                                   "resting on its tires"},
                     WizardBox{15, "Height of the bottom ball joint when the car is resting on "
                                   "its tires"}}};
        case PictureAxis::Z:
            return {{WizardBox{23, "Distance from rear pivot of the bottom A arm to an arbitrary "
                                   "reference line in front of the car"},
                     WizardBox{22, "Distance from front pivot of the bottom A arm to an "
                                   "arbitrary reference line in front of the car"},
                     WizardBox{24, "Distance from the bottom ball joint to an arbitrary "
                                   "reference line in front of the car"}}};
        }
        break;
    case PictureGroup::Misc:
        switch (axis) {
        case PictureAxis::X:
            return {{WizardBox{7, "Distance from the inner tie rod pivot to the chassis "
                                  "centerline"},
                     WizardBox{8, "Distance from the outer tie rod pivot to the chassis "
                                  "centerline"},
                     WizardBox{9, "Distance from the tire center to the chassis centerline"}}};
        case PictureAxis::Y:
            return {{WizardBox{16, "Height of the inner tie rod pivot when the car is resting "
                                   "on its tires"},
                     WizardBox{17, "Height of the outer tie rod pivot when the car is resting "
                                   "on its tires"},
                     WizardBox{18, "Height of the spindle when the car is resting on its "
                                   "tires"}}};
        case PictureAxis::Z:
            return {{WizardBox{25, "Distance from inner tie rod pivot to an arbitrary reference "
                                   "line in front of the car"},
                     WizardBox{26, "Distance from outer tie rod pivot to an arbitrary reference "
                                   "line in front of the car"},
                     std::nullopt}};
        }
        break;
    case PictureGroup::Table:
        break;
    }
    return {};
}

} // namespace velmora
