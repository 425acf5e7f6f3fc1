#include "model/extension_block.h"

#include "model/text_encoding.h"
#include "model/text_records.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <unordered_set>

namespace velmora {
namespace {

// A dropped record is quoted in its message, cut to this many characters.
constexpr std::size_t kQuotedRecordLength = 60;

struct Line {
    std::string_view text;
    std::size_t start = 0; // offset in the block's text
};

std::vector<Line> lines(std::string_view text) {
    std::vector<Line> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        out.push_back(Line{text.substr(start, end - start), start});
        // CR LF is one line end; a lone CR or LF is one as well.
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return out;
}

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The marker's words in any letters anywhere in the text: a block this version may not read.
bool mentionsMarker(std::string_view text) {
    const std::size_t n = kExtensionMarker.size();
    for (std::size_t at = 0; at + n <= text.size(); ++at) {
        std::size_t k = 0;
        while (k < n && lowered(text[at + k]) == lowered(kExtensionMarker[k])) {
            ++k;
        }
        if (k == n) {
            return true;
        }
    }
    return false;
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

std::string readingRecord(const BumpSteerReading& reading) {
    return quotedRecordText(kReadingKey) + "," +
           quotedRecordText(reading.right ? "right" : "left") + "," +
           recordNumberText(reading.travel) + "," + recordNumberText(reading.reading);
}

// Reads the records of one block into `vehicle`; each record either sets a value, adds a
// reading, is kept as unknown, or is refused with a reason. Each record costs the same
// whatever came before it.
class RecordReader {
public:
    explicit RecordReader(VehicleData& vehicle) : vehicle_(vehicle) {}

    // Empty when the record was taken (or kept), otherwise why it cannot be; the reason is
    // put into words only when `explain` asks for it, so that a million dropped records cost
    // no more than a million kept ones.
    std::string take(std::string_view line, bool explain) {
        explain_ = explain;
        const Fields parsed = fieldsOf(line);
        if (parsed.broken) {
            return why([] { return std::string("a quoted field has no closing quote"); });
        }
        if (parsed.fields.empty() || !parsed.fields[0].quoted || parsed.fields[0].text.empty()) {
            return why([] { return std::string("it does not begin with a quoted key"); });
        }
        const std::string_view key = parsed.fields[0].text;
        if (key == kReadingKey) {
            return takeReading(parsed.fields);
        }
        const std::optional<VehicleValue> which = knownKey(key);
        if (!which) {
            vehicle_.unknown.push_back(ExtensionRecord{std::string(key), std::string(line)});
            return {};
        }
        float value = 0;
        if (parsed.fields.size() != 2 || parsed.fields[1].quoted ||
            !parseRecordNumber(parsed.fields[1].text, value)) {
            return why([key] { return "\"" + std::string(key) + "\" needs one number"; });
        }
        if (!vehicleValueAllowed(*which, value)) {
            return why([&] { return vehicleValueProblem(*which, value); });
        }
        std::optional<float>& slot = vehicleValue(vehicle_, *which);
        if (slot) {
            return why([key] { return "\"" + std::string(key) + "\" was given before"; });
        }
        slot = value;
        return {};
    }

private:
    // A reading record: its key, the side and two numbers, travel and gauge reading.
    std::string takeReading(const std::vector<TextField>& fields) {
        const auto needs = [] {
            return "\"" + std::string(kReadingKey) +
                   "\" needs a side and two numbers, travel and reading";
        };
        if (fields.size() != 4 || !fields[1].quoted || fields[2].quoted || fields[3].quoted) {
            return why(needs);
        }
        BumpSteerReading reading;
        if (fields[1].text == "right") {
            reading.right = true;
        } else if (fields[1].text != "left") {
            return why([] {
                return std::string(
                    "the side of a bump steer reading must be \"left\" or \"right\"");
            });
        }
        if (!parseRecordNumber(fields[2].text, reading.travel) ||
            !parseRecordNumber(fields[3].text, reading.reading)) {
            return why(needs);
        }
        if (!(std::fabs(reading.travel) <= kReadingTravelLimit)) {
            return why([&] { return readingTravelProblem(reading.travel); });
        }
        if (!(std::fabs(reading.reading) <= kGaugeReadingLimit)) {
            return why([&] { return gaugeReadingProblem(reading.reading); });
        }
        std::size_t& count = reading.right ? rightCount_ : leftCount_;
        if (count == kMostReadingsPerSide) {
            return why([] {
                return "a side keeps at most " + std::to_string(kMostReadingsPerSide) + " readings";
            });
        }
        // Adding 0 makes -0 and 0 one travel, as == takes them.
        const std::uint64_t travelKey = (static_cast<std::uint64_t>(reading.right) << 32) |
                                        std::bit_cast<std::uint32_t>(reading.travel + 0.0f);
        if (!travels_.insert(travelKey).second) {
            return why([] {
                return std::string("a reading at this travel of that side was given before");
            });
        }
        ++count;
        vehicle_.readings.push_back(reading);
        return {};
    }

    template <class Words> std::string why(const Words& words) const {
        return explain_ ? words() : std::string("refused");
    }

    VehicleData& vehicle_;
    bool explain_ = true;
    std::unordered_set<std::uint64_t> travels_;
    std::size_t rightCount_ = 0;
    std::size_t leftCount_ = 0;
};

void noteDropped(ExtensionNotes& notes, int record, std::string_view line, const std::string& why) {
    if (notes.droppedCount++ < kNamedDroppedRecords) {
        notes.dropped.push_back("record " + std::to_string(record) + " (" +
                                quotedFileText(line, kQuotedRecordLength) +
                                "): " + quotedFileText(why, kQuotedRecordLength * 2));
    }
}

std::string ownBlock(const VehicleData& vehicle) {
    if (!vehicle.hasBlock()) {
        return {};
    }
    std::string text = vehicle.newerMarker.empty() ? quotedRecordText(kExtensionMarker) + "," +
                                                         std::to_string(kExtensionVersion)
                                                   : vehicle.newerMarker;
    text += "\r\n";
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

} // namespace

ExtensionBlockRead readExtensionBlock(std::string_view text, int firstRecord) {
    ExtensionBlockRead out;
    const std::vector<Line> all = lines(text);
    std::size_t i = 0;
    while (i < all.size() && blank(all[i].text)) {
        ++i;
    }
    if (i == all.size()) {
        return out;
    }
    const Fields marker = fieldsOf(all[i].text);
    if (marker.broken || marker.fields.empty() || !marker.fields[0].quoted ||
        marker.fields[0].text != kExtensionMarker) {
        // Not a block this version reads: kept as it is, so that a save loses none of it.
        out.vehicle.keptText = std::string(text);
        out.notes.unreadBlockKept = mentionsMarker(text);
        return out;
    }
    int record = firstRecord;
    float version = 0;
    const bool versionRead = marker.fields.size() == 2 &&
                             parseRecordNumber(marker.fields[1].text, version) && version >= 1 &&
                             version == std::floor(version);
    if (!versionRead) {
        // The records that follow are still read: they are each a key and its fields.
        noteDropped(out.notes, record, all[i].text,
                    "the block's version is not a whole number of 1 or more");
    }
    const bool newer = versionRead && version > static_cast<float>(kExtensionVersion);
    if (newer) {
        out.vehicle.newerMarker = std::string(all[i].text);
        out.notes.newerVersion = quotedFileText(marker.fields[1].text, 20);
    }
    RecordReader reader(out.vehicle);
    for (++i; i < all.size(); ++i) {
        const std::string_view line = all[i].text;
        if (blank(line)) {
            continue;
        }
        ++record;
        if (!newer && mentionsMarker(line)) {
            // A second block (one this version may not read) and all after it stay as written.
            out.vehicle.keptText = std::string(text.substr(all[i].start));
            out.notes.unreadBlockKept = true;
            break;
        }
        const bool named = !newer && out.notes.droppedCount < kNamedDroppedRecords;
        const std::string why = reader.take(line, named);
        if (why.empty()) {
            continue;
        }
        if (newer) {
            // What this version cannot read may be what the newer one wrote: kept unread.
            out.vehicle.unknown.push_back(ExtensionRecord{{}, std::string(line)});
        } else {
            noteDropped(out.notes, record, line, why);
        }
    }
    if (newer) {
        out.vehicle.newerAsRead = ownBlock(out.vehicle);
        out.vehicle.newerText = std::string(text);
    }
    return out;
}

std::string writeExtensionBlock(const VehicleData& vehicle) {
    std::string own = ownBlock(vehicle);
    if (!vehicle.newerText.empty() && own == vehicle.newerAsRead) {
        return vehicle.newerText;
    }
    return own;
}

std::optional<Message> extensionNotice(const ExtensionNotes& notes) {
    std::string text;
    const auto paragraph = [&text](const std::string& part) {
        text += (text.empty() ? "" : "\n\n") + part;
    };
    if (!notes.newerVersion.empty()) {
        paragraph("This file was written by a newer version of Velmora (its vehicle data block "
                  "is version " +
                  notes.newerVersion +
                  "). The values this version knows were read where they read cleanly; the "
                  "whole block is kept and saved as it was unless you change the vehicle data.");
    }
    if (notes.unreadBlockKept) {
        paragraph("The end of this file holds vehicle data that this version cannot read (its "
                  "block does not begin as this version writes it). It is kept as it is and "
                  "saved with the project.");
    }
    if (notes.droppedCount > 0) {
        std::string dropped = "Some vehicle data in this file could not be read and was left out; "
                              "the rest of the project was opened.";
        for (const std::string& line : notes.dropped) {
            dropped += "\n" + line;
        }
        if (const std::size_t more = notes.droppedCount - notes.dropped.size(); more > 0) {
            dropped += "\n... and " + std::to_string(more) +
                       (more == 1 ? " more record was" : " more records were") + " left out.";
        }
        paragraph(dropped);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    return Message{"Open", text, MessageIcon::Warning, MessageButtons::Ok};
}

} // namespace velmora
