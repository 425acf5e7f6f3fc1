#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// Bump steer measured on the car: at a wheel travel, the toe change read on a gauge held
// against the wheel, in inches over the gauge's length. Kept with the project, one reading a
// record, each for one side.
namespace velmora {

struct BumpSteerReading {
    bool right = false; // the side it was measured on
    float travel = 0;   // inches, bump positive
    float reading = 0;  // inches over the gauge length, toe out positive
    bool operator==(const BumpSteerReading&) const = default;
};

// The gauge length when the project does not set one, inches.
inline constexpr float kDefaultGaugeLength = 12.0f;

// Limits of a reading that can be kept: no car travels further, no gauge reads more.
inline constexpr float kReadingTravelLimit = 24.0f;
inline constexpr float kGaugeReadingLimit = 12.0f;
// Most readings one side keeps: a gauge read every hundredth of an inch over the whole travel
// is fewer. A file's readings beyond it are left out with a message; a table with more is
// refused.
inline constexpr std::size_t kMostReadingsPerSide = 1000;

// Why `travel` or `reading` cannot be kept, naming the value, or empty when it can.
std::string readingTravelProblem(double travel);
std::string gaugeReadingProblem(double reading);

// The toe change the reading shows, in degrees with the bump steer curve's sign (toe out
// positive): atan(reading / gauge length).
double readingDegrees(float reading, float gaugeLength);

// The readings of one side, in the order kept.
std::vector<BumpSteerReading> readingsOfSide(const std::vector<BumpSteerReading>& all, bool right);

// `all` with the readings of one side replaced by `side` (the other side's keep their order).
std::vector<BumpSteerReading> withSideReadings(const std::vector<BumpSteerReading>& all, bool right,
                                               const std::vector<BumpSteerReading>& side);

// The rows of the readings table as typed, in the display unit: travel and gauge reading texts. A
// row with both cells empty is passed over; otherwise both must be numbers a reading can take, and
// no travel may come twice. The first row that cannot be taken is refused with a reason that names
// the row and the text; the readings taken are sorted from full bump down.
using ReadingRow = std::pair<std::string, std::string>;
std::variant<std::vector<BumpSteerReading>, std::string>
acceptedReadings(const std::vector<ReadingRow>& rows, bool right);

} // namespace velmora
