#include "geometry/coordinate_checks.h"

#include "model/entry_text.h"
#include "model/shown_length.h"

namespace velmora {
namespace {

constexpr const char* kImpossibleTitle = "Impossible Combination";

} // namespace

Message impossibleCombinationMessage(CoordinateCheck check) {
    Message message;
    message.title = kImpossibleTitle;
    switch (check) {
    case CoordinateCheck::BallJointHeights:
        message.text = "Your lower ball joint must be lower than your upper ball joint.  Please "
                       "enter correct information";
        break;
    case CoordinateCheck::PivotHeights:
        message.text = "Your lower control arm pivot must be lower than your upper control arm "
                       "pivot.  Please enter correct information";
        break;
    case CoordinateCheck::TopBallJointOutboard:
        message.text = "Your upper ball joint must be outboard of your upper control arm pivot.  "
                       "Please enter correct information";
        break;
    case CoordinateCheck::BottomBallJointOutboard:
        message.text = "Your lower ball joint must be outboard of your lower control arm pivot.  "
                       "Please enter correct information";
        break;
    }
    return message;
}

Message missingDataMessage() {
    Message message;
    message.title = "Missing data";
    message.text = "You are missing some coordinates.  Go back and look for an empty box in the "
                   "XYZ coordinate table.";
    message.icon = MessageIcon::Warning;
    return message;
}

std::optional<CoordinateCheck> firstFailedCheck(const CoordinateBoxTexts& texts) {
    const auto v = [&texts](int index) {
        return leadingNumber(texts[static_cast<std::size_t>(index)]);
    };
    // Each condition must hold strictly: equal heights or positions fail.
    if (!(v(12) > v(15))) {
        return CoordinateCheck::BallJointHeights;
    }
    if (!((v(10) + v(11)) / 2 > (v(13) + v(14)) / 2)) {
        return CoordinateCheck::PivotHeights;
    }
    if (!(v(3) > (v(1) + v(2)) / 2)) {
        return CoordinateCheck::TopBallJointOutboard;
    }
    if (!(v(6) > (v(4) + v(5)) / 2)) {
        return CoordinateCheck::BottomBallJointOutboard;
    }
    return std::nullopt;
}

std::optional<Message> CoordinateTableResult::message() const {
    if (failedCheck) {
        return impossibleCombinationMessage(*failedCheck);
    }
    if (firstFailure != 0) {
        return missingDataMessage();
    }
    return std::nullopt;
}

CoordinateTableResult readCoordinateTable(const CoordinateBoxTexts& texts) {
    CoordinateTableResult result;
    result.failedCheck = firstFailedCheck(texts);
    if (result.failedCheck) {
        return result;
    }
    for (int index = CoordinateSet::kFirst; index <= CoordinateSet::kLast; ++index) {
        const auto value = storedLength(texts[static_cast<std::size_t>(index)]);
        if (!value) {
            result.firstFailure = index;
            break;
        }
        result.values[index] = *value;
    }
    return result;
}

bool applyCoordinateTable(const CoordinateTableResult& result, CoordinateSet& target) {
    if (!result.accepted()) {
        return false;
    }
    const int last = result.firstFailure == 0 ? CoordinateSet::kLast : result.firstFailure - 1;
    for (int index = CoordinateSet::kFirst; index <= last; ++index) {
        target[index] = result.values[index];
    }
    return true;
}

} // namespace velmora
