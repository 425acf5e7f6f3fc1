#include "model/extension_block.h"

#include "model/text_records.h"

#include <cmath>
#include <variant>

namespace velmora {
namespace {

// A dropped record is quoted in its message, cut to this many characters.
constexpr std::size_t kQuotedRecordLength = 60;

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        out.push_back(text.substr(start, end - start));
        // CR LF is one line end; a lone CR or LF is one as well.
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return out;
}

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

struct Fields {
    std::vector<TextField> fields;
    bool broken = false; // a quote without its closing quote
};

Fields fieldsOf(std::string_view line) {
    Fields out;
    FieldReader reader(line);
    TextField field;
    for (;;) {
        const FieldStatus status = reader.next(field);
        if (status == FieldStatus::End) {
            break;
        }
        if (status == FieldStatus::UnclosedQuote) {
            out.broken = true;
            break;
        }
        out.fields.push_back(field);
    }
    return out;
}

std::optional<VehicleValue> knownKey(std::string_view key) {
    for (VehicleValue which : kVehicleValues) {
        if (vehicleKey(which) == key) {
            return which;
        }
    }
    return std::nullopt;
}

constexpr std::string_view kReadingKey = "bumpsteer_reading";

// A reading record: its key, the side and two numbers, travel and gauge reading.
std::variant<BumpSteerReading, std::string> readingOf(const std::vector<TextField>& fields,
                                                      const std::vector<BumpSteerReading>& before) {
    const std::string needs =
        "\"" + std::string(kReadingKey) + "\" needs a side and two numbers, travel and reading";
    if (fields.size() != 4 || !fields[1].quoted || fields[2].quoted || fields[3].quoted) {
        return needs;
    }
    BumpSteerReading reading;
    if (fields[1].text == "right") {
        reading.right = true;
    } else if (fields[1].text != "left") {
        return std::string("the side of a bump steer reading must be \"left\" or \"right\"");
    }
    if (!parseRecordNumber(fields[2].text, reading.travel) ||
        !parseRecordNumber(fields[3].text, reading.reading)) {
        return needs;
    }
    if (std::string problem = readingTravelProblem(reading.travel); !problem.empty()) {
        return problem;
    }
    if (std::string problem = gaugeReadingProblem(reading.reading); !problem.empty()) {
        return problem;
    }
    for (const BumpSteerReading& r : before) {
        if (r.right == reading.right && r.travel == reading.travel) {
            return std::string("a reading at this travel of that side was given before");
        }
    }
    return reading;
}

std::string readingRecord(const BumpSteerReading& reading) {
    return quotedRecordText(kReadingKey) + "," +
           quotedRecordText(reading.right ? "right" : "left") + "," +
           recordNumberText(reading.travel) + "," + recordNumberText(reading.reading);
}

std::string droppedLine(int record, std::string_view line, const std::string& why) {
    std::string quoted(line.substr(0, kQuotedRecordLength));
    if (line.size() > kQuotedRecordLength) {
        quoted += "...";
    }
    return "record " + std::to_string(record) + " (" + quoted + "): " + why;
}

} // namespace

ExtensionBlockRead readExtensionBlock(std::string_view text, int firstRecord) {
    ExtensionBlockRead out;
    const std::vector<std::string_view> all = lines(text);
    std::size_t i = 0;
    while (i < all.size() && blank(all[i])) {
        ++i;
    }
    if (i == all.size()) {
        return out;
    }
    const Fields marker = fieldsOf(all[i]);
    if (marker.broken || marker.fields.empty() || !marker.fields[0].quoted ||
        marker.fields[0].text != kExtensionMarker) {
        return out; // not a block: trailing text, ignored as before
    }
    int record = firstRecord;
    float version = 0;
    if (marker.fields.size() != 2 || !parseRecordNumber(marker.fields[1].text, version) ||
        !(version >= 1) || version != std::floor(version)) {
        // The records that follow are still read: they are each a key and its fields.
        out.dropped.push_back(droppedLine(record, all[i],
                                          "the block's version is not a whole "
                                          "number of 1 or more"));
    }
    for (++i; i < all.size(); ++i) {
        if (blank(all[i])) {
            continue;
        }
        ++record;
        const std::string_view line = all[i];
        const Fields parsed = fieldsOf(line);
        if (parsed.broken) {
            out.dropped.push_back(droppedLine(record, line, "a quoted field has no closing quote"));
            continue;
        }
        if (parsed.fields.empty() || !parsed.fields[0].quoted || parsed.fields[0].text.empty()) {
            out.dropped.push_back(droppedLine(record, line, "it does not begin with a quoted key"));
            continue;
        }
        const std::string key(parsed.fields[0].text);
        if (key == kReadingKey) {
            auto reading = readingOf(parsed.fields, out.vehicle.readings);
            if (const std::string* why = std::get_if<std::string>(&reading)) {
                out.dropped.push_back(droppedLine(record, line, *why));
            } else {
                out.vehicle.readings.push_back(std::get<BumpSteerReading>(reading));
            }
            continue;
        }
        const std::optional<VehicleValue> which = knownKey(key);
        if (!which) {
            out.vehicle.unknown.push_back(ExtensionRecord{key, std::string(line)});
            continue;
        }
        float value = 0;
        if (parsed.fields.size() != 2 || parsed.fields[1].quoted ||
            !parseRecordNumber(parsed.fields[1].text, value)) {
            out.dropped.push_back(droppedLine(record, line, "\"" + key + "\" needs one number"));
            continue;
        }
        if (const std::string problem = vehicleValueProblem(*which, value); !problem.empty()) {
            out.dropped.push_back(droppedLine(record, line, problem));
            continue;
        }
        std::optional<float>& slot = vehicleValue(out.vehicle, *which);
        if (slot) {
            out.dropped.push_back(droppedLine(record, line, "\"" + key + "\" was given before"));
            continue;
        }
        slot = value;
    }
    return out;
}

std::string writeExtensionBlock(const VehicleData& vehicle) {
    if (!vehicle.hasBlock()) {
        return {};
    }
    std::string text =
        quotedRecordText(kExtensionMarker) + "," + std::to_string(kExtensionVersion) + "\r\n";
    for (VehicleValue which : kVehicleValues) {
        if (const std::optional<float>& value = vehicleValue(vehicle, which)) {
            text += quotedRecordText(vehicleKey(which)) + "," + recordNumberText(*value) + "\r\n";
        }
    }
    for (const BumpSteerReading& reading : vehicle.readings) {
        text += readingRecord(reading) + "\r\n";
    }
    for (const ExtensionRecord& record : vehicle.unknown) {
        text += record.line + "\r\n";
    }
    return text;
}

Message extensionDroppedMessage(const std::vector<std::string>& dropped) {
    std::string text = "Some vehicle data in this file could not be read and was left out; the "
                       "rest of the project was opened.";
    for (const std::string& line : dropped) {
        text += "\n" + line;
    }
    return Message{"Open", text, MessageIcon::Warning, MessageButtons::Ok};
}

} // namespace velmora
