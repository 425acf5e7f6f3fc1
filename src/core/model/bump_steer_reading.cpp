#include "model/bump_steer_reading.h"

#include "model/entry_text.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {
namespace {

bool blankText(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::string limitText(float limit) {
    return shortestText(limit);
}

// Why a typed length beyond +-limit inches cannot be kept, in the unit it was typed in.
std::string typedRangeProblem(const char* what, float limit) {
    return "the " + std::string(what) + " must be a number of " + lengthWord() + " from -" +
           shortestLength(limit) + " to " + shortestLength(limit);
}

// One cell of a row, typed in the display unit: the inches it holds, or why not.
std::variant<float, std::string> cellValue(const std::string& text, std::size_t row,
                                           const char* what, float limit) {
    const std::string prefix = "Row " + std::to_string(row) + ": ";
    if (blankText(text)) {
        return prefix + "the " + what + " is empty.";
    }
    const std::optional<float> value = storedLength(text);
    if (!value) {
        return prefix + "\"" + text + "\" is not a " + what + " in " + lengthWord() + ".";
    }
    if (!std::isfinite(*value) || std::fabs(*value) > limit) {
        return prefix + "\"" + text + "\": " + typedRangeProblem(what, limit) + ".";
    }
    return *value;
}

} // namespace

std::string readingTravelProblem(double travel) {
    if (!std::isfinite(travel) || std::fabs(travel) > kReadingTravelLimit) {
        return "the travel must be a number of inches from -" + limitText(kReadingTravelLimit) +
               " to " + limitText(kReadingTravelLimit);
    }
    return {};
}

std::string gaugeReadingProblem(double reading) {
    if (!std::isfinite(reading) || std::fabs(reading) > kGaugeReadingLimit) {
        return "the gauge reading must be a number of inches from -" +
               limitText(kGaugeReadingLimit) + " to " + limitText(kGaugeReadingLimit);
    }
    return {};
}

double readingDegrees(float reading, float gaugeLength) {
    return std::atan(static_cast<double>(reading) / static_cast<double>(gaugeLength)) * 180.0 /
           std::numbers::pi;
}

std::vector<BumpSteerReading> readingsOfSide(const std::vector<BumpSteerReading>& all, bool right) {
    std::vector<BumpSteerReading> side;
    std::copy_if(all.begin(), all.end(), std::back_inserter(side),
                 [right](const BumpSteerReading& r) { return r.right == right; });
    return side;
}

std::vector<BumpSteerReading> withSideReadings(const std::vector<BumpSteerReading>& all, bool right,
                                               const std::vector<BumpSteerReading>& side) {
    std::vector<BumpSteerReading> out = readingsOfSide(all, !right);
    out.insert(out.end(), side.begin(), side.end());
    return out;
}

std::variant<std::vector<BumpSteerReading>, std::string>
acceptedReadings(const std::vector<ReadingRow>& rows, bool right) {
    std::vector<BumpSteerReading> readings;
    std::vector<std::size_t> rowOf;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t row = i + 1;
        const auto& [travelText, readingText] = rows[i];
        if (blankText(travelText) && blankText(readingText)) {
            continue;
        }
        auto travel = cellValue(travelText, row, "travel", kReadingTravelLimit);
        if (auto* why = std::get_if<std::string>(&travel)) {
            return *why;
        }
        auto reading = cellValue(readingText, row, "gauge reading", kGaugeReadingLimit);
        if (auto* why = std::get_if<std::string>(&reading)) {
            return *why;
        }
        const float t = std::get<float>(travel);
        if (readings.size() == kMostReadingsPerSide) {
            return "Row " + std::to_string(row) + ": a side keeps at most " +
                   std::to_string(kMostReadingsPerSide) + " readings.";
        }
        for (std::size_t k = 0; k < readings.size(); ++k) {
            if (readings[k].travel == t) {
                return "Row " + std::to_string(row) + ": a reading at " + shortestLength(t) + " " +
                       lengthUnitText() + " is already in row " + std::to_string(rowOf[k]) + ".";
            }
        }
        readings.push_back({right, t, std::get<float>(reading)});
        rowOf.push_back(row);
    }
    std::stable_sort(
        readings.begin(), readings.end(),
        [](const BumpSteerReading& a, const BumpSteerReading& b) { return a.travel > b.travel; });
    return readings;
}

} // namespace velmora
