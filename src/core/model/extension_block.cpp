#include "model/extension_block.h"

#include "model/text_encoding.h"
#include "model/text_records.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
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

constexpr std::string_view kSpringKey = "spring";
constexpr std::string_view kDamperKey = "damper";
constexpr std::string_view kBarLinkKey = "bar_link";
constexpr std::string_view kBarKey = "antiroll_bar";

std::string_view sideText(bool right) {
    return right ? "right" : "left";
}

std::string_view memberText(ArmMember arm) {
    return arm == ArmMember::Top ? "top arm" : "bottom arm";
}

std::string pointFields(const MountPoint& point) {
    return recordNumberText(point.x) + "," + recordNumberText(point.y) + "," +
           recordNumberText(point.z);
}

// A number not known is an empty field.
std::string optionalField(const std::optional<float>& value) {
    return value ? recordNumberText(*value) : std::string();
}

std::string strutRecord(std::string_view key, bool right, const StrutMount& mount) {
    std::string text = quotedRecordText(key) + "," + quotedRecordText(sideText(right)) + "," +
                       quotedRecordText(memberText(mount.arm)) + "," + pointFields(mount.onArm) +
                       "," + pointFields(mount.onChassis);
    if (key == kSpringKey) {
        text += "," + optionalField(mount.rate);
    }
    return text;
}

std::string barLinkRecord(bool right, const BarLink& link) {
    return quotedRecordText(kBarLinkKey) + "," + quotedRecordText(sideText(right)) + "," +
           quotedRecordText(memberText(link.arm)) + "," + pointFields(link.point);
}

std::string barRecord(const AntiRollBar& bar) {
    return quotedRecordText(kBarKey) + "," + recordNumberText(bar.diameter) + "," +
           recordNumberText(bar.wall) + "," + recordNumberText(bar.activeLength) + "," +
           recordNumberText(bar.armLength) + "," + optionalField(bar.shearModulus);
}

// A field as a reason quotes it: a quoted one in its quotes.
std::string shownField(const TextField& field) {
    const std::string text = quotedFileText(field.text, 20);
    return field.quoted ? "\"" + text + "\"" : text;
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
        if (key == kSpringKey || key == kDamperKey) {
            return takeStrut(parsed.fields, key == kSpringKey);
        }
        if (key == kBarLinkKey) {
            return takeBarLink(parsed.fields);
        }
        if (key == kBarKey) {
            return takeBar(parsed.fields);
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

    // The fields a record of `key` has; `what` names them after the key.
    std::string fieldCount(const std::vector<TextField>& fields, std::string_view key,
                           std::size_t count, const char* what) const {
        if (fields.size() == count) {
            return {};
        }
        return why([&] {
            return "\"" + std::string(key) + "\" needs " + std::to_string(count) +
                   " fields: " + what + " (it has " + std::to_string(fields.size()) + ")";
        });
    }

    // The side and the arm of a spring, damper or bar link record (fields 1 and 2).
    std::string sideAndArm(const std::vector<TextField>& fields, bool& right,
                           ArmMember& arm) const {
        const TextField& side = fields[1];
        if (!side.quoted || (side.text != "right" && side.text != "left")) {
            return why(
                [&] { return "the side " + shownField(side) + " must be \"right\" or \"left\""; });
        }
        right = side.text == "right";
        const TextField& member = fields[2];
        if (!member.quoted || (member.text != "bottom arm" && member.text != "top arm")) {
            return why([&] {
                return "the arm " + shownField(member) + " must be \"bottom arm\" or \"top arm\"";
            });
        }
        arm = member.text == "top arm" ? ArmMember::Top : ArmMember::Bottom;
        return {};
    }

    // A number field; `name` says what it is ("the spring's rate").
    std::string number(const TextField& field, const std::string& name, float& value) const {
        if (!field.quoted && parseRecordNumber(field.text, value)) {
            return {};
        }
        return why([&] {
            return field.text.empty() && !field.quoted
                       ? name + " is empty"
                       : name + " " + shownField(field) + " is not a number";
        });
    }

    // A number field that may be empty (not known).
    std::string optionalNumber(const TextField& field, const std::string& name,
                               std::optional<float>& value) const {
        if (!field.quoted && blank(field.text)) {
            value.reset();
            return {};
        }
        float read = 0;
        std::string problem = number(field, name, read);
        if (problem.empty()) {
            value = read;
        }
        return problem;
    }

    std::string point(const std::vector<TextField>& fields, std::size_t first,
                      const std::string& name, MountPoint& point) const {
        const char* const axes[] = {" X", " Y", " Z"};
        float* const values[] = {&point.x, &point.y, &point.z};
        for (std::size_t k = 0; k < 3; ++k) {
            if (std::string problem = number(fields[first + k], name + axes[k], *values[k]);
                !problem.empty()) {
                return problem;
            }
        }
        return {};
    }

    // The words of a problem function, kept only when they are asked for.
    std::string checked(std::string problem) const {
        return problem.empty() || explain_ ? problem : std::string("refused");
    }

    std::string takeStrut(const std::vector<TextField>& fields, bool isSpring) {
        const std::string_view key = isSpring ? kSpringKey : kDamperKey;
        const std::string piece = isSpring ? "the spring's" : "the damper's";
        std::string problem =
            fieldCount(fields, key, isSpring ? 10 : 9,
                       isSpring ? "side, arm, arm mount, chassis mount and rate (may be empty)"
                                : "side, arm, arm mount and chassis mount");
        bool right = false;
        StrutMount mount;
        if (problem.empty()) {
            problem = sideAndArm(fields, right, mount.arm);
        }
        if (problem.empty()) {
            problem = point(fields, 3, piece + " arm mount", mount.onArm);
        }
        if (problem.empty()) {
            problem = point(fields, 6, piece + " chassis mount", mount.onChassis);
        }
        if (problem.empty() && isSpring) {
            problem = optionalNumber(fields[9], "the spring's rate", mount.rate);
        }
        if (problem.empty()) {
            problem = checked(strutMountProblem(mount, isSpring));
        }
        if (!problem.empty()) {
            return problem;
        }
        std::optional<StrutMount>& slot =
            isSpring ? vehicle_.springs.side(right).spring : vehicle_.springs.side(right).damper;
        if (slot) {
            return why([&] {
                return "the " + std::string(sideText(right)) + " side's " +
                       (isSpring ? "spring" : "damper") + " was given before";
            });
        }
        slot = mount;
        return {};
    }

    std::string takeBarLink(const std::vector<TextField>& fields) {
        std::string problem = fieldCount(fields, kBarLinkKey, 6, "side, arm and its mount");
        bool right = false;
        BarLink link;
        if (problem.empty()) {
            problem = sideAndArm(fields, right, link.arm);
        }
        if (problem.empty()) {
            problem = point(fields, 3, "the bar link's mount", link.point);
        }
        if (problem.empty()) {
            problem = checked(barLinkProblem(link));
        }
        if (!problem.empty()) {
            return problem;
        }
        std::optional<BarLink>& slot = vehicle_.springs.side(right).barLink;
        if (slot) {
            return why([&] {
                return "the " + std::string(sideText(right)) + " side's bar link was given before";
            });
        }
        slot = link;
        return {};
    }

    std::string takeBar(const std::vector<TextField>& fields) {
        std::string problem =
            fieldCount(fields, kBarKey, 6,
                       "diameter, wall, active length, arm length, shear modulus (may be empty)");
        AntiRollBar bar;
        const struct {
            const char* name;
            float* value;
        } sizes[] = {{"the bar's diameter", &bar.diameter},
                     {"the bar's wall", &bar.wall},
                     {"the bar's active length", &bar.activeLength},
                     {"the bar's arm length", &bar.armLength}};
        for (std::size_t k = 0; k < std::size(sizes) && problem.empty(); ++k) {
            problem = number(fields[1 + k], sizes[k].name, *sizes[k].value);
        }
        if (problem.empty()) {
            problem = optionalNumber(fields[5], "the bar's shear modulus", bar.shearModulus);
        }
        if (problem.empty()) {
            problem = checked(antiRollBarProblem(bar));
        }
        if (!problem.empty()) {
            return problem;
        }
        if (vehicle_.springs.bar) {
            return why([] { return std::string("the anti-roll bar was given before"); });
        }
        vehicle_.springs.bar = bar;
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
    const SpringData& springs = vehicle.springs;
    for (const bool right : {true, false}) {
        if (const std::optional<StrutMount>& spring = springs.side(right).spring) {
            text += strutRecord(kSpringKey, right, *spring) + "\r\n";
        }
    }
    for (const bool right : {true, false}) {
        if (const std::optional<StrutMount>& damper = springs.side(right).damper) {
            text += strutRecord(kDamperKey, right, *damper) + "\r\n";
        }
    }
    for (const bool right : {true, false}) {
        if (const std::optional<BarLink>& link = springs.side(right).barLink) {
            text += barLinkRecord(right, *link) + "\r\n";
        }
    }
    if (springs.bar) {
        text += barRecord(*springs.bar) + "\r\n";
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
