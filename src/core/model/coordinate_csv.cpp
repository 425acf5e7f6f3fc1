#include "model/coordinate_csv.h"

#include "model/coordinate_rows.h"
#include "model/typed_number.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

namespace velmora {
namespace {

constexpr std::size_t kFields = 6;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string lineName(std::size_t line) {
    return "line " + std::to_string(line);
}

// The fields of one line; a quoted field may hold commas and doubled quotes.
std::optional<std::vector<std::string>> splitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"' && trimmed(fields.back()).empty()) {
            fields.back().clear();
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    for (std::string& field : fields) {
        field = trimmed(field);
    }
    return fields;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A value of a row: empty is not entered; otherwise a number in `unit` a single can hold.
std::optional<float> readValue(const std::string& text, LengthUnit unit, std::string& problem,
                               const std::string& where) {
    if (text.empty()) {
        return 0.0f;
    }
    const TypedNumber typed = readTypedNumber(text);
    if (!typed.ok()) {
        problem = where + ": " + typed.problem;
        if (text.find(',') != std::string::npos) {
            problem += " (a decimal comma: write the number with a point)";
        }
        return std::nullopt;
    }
    const float stored = storedInches(typed.value, unit);
    if (!std::isfinite(stored) || (stored == 0.0f && typed.value != 0.0)) {
        problem = where + ": " + quotedTyped(text) + " " + std::string(unitName(unit)) +
                  " is beyond what a project holds";
        return std::nullopt;
    }
    return stored;
}

} // namespace

std::string coordinatesCsv(const CoordinateSet& right, const CoordinateSet& left, LengthUnit unit) {
    std::string text(kCoordinatesCsvHeader);
    text += '\n';
    for (int row = 1; row <= kCoordinateRows; ++row) {
        for (int axis = 0; axis < 3; ++axis) {
            const int box = coordinateIndexOf(row, axis);
            if (box == 0) {
                continue;
            }
            text += std::to_string(box) + ',' + coordinateRowName(row) + ',' +
                    coordinateAxisName(box) + ',' + exactLengthText(right[box], unit) + ',' +
                    exactLengthText(left[box], unit) + ',' + std::string(unitName(unit)) + '\n';
        }
    }
    return text;
}

CsvReadResult readCoordinatesCsv(std::string_view text) {
    CsvReadResult result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    CsvCoordinates read;
    std::array<std::size_t, 27> lineOfBox{};
    bool headerSeen = false;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (trimmed(line).empty()) {
            continue;
        }
        const std::string where = lineName(lineNumber);
        const auto fields = splitFields(line);
        if (!fields) {
            result.problem = where + ": a quoted field is not closed";
            return result;
        }
        if (!headerSeen) {
            std::string header;
            for (const std::string& field : *fields) {
                header += (header.empty() ? "" : ",") + lowered(field);
            }
            if (header != kCoordinatesCsvHeader) {
                result.problem = where + ": the first line must be the header \"" +
                                 std::string(kCoordinatesCsvHeader) + "\"";
                return result;
            }
            headerSeen = true;
            continue;
        }
        if (fields->size() != kFields) {
            result.problem =
                where + ": " + std::to_string(fields->size()) + " fields where the header has 6";
            if (fields->size() > kFields) {
                result.problem += " (a decimal comma? write 12.5, not 12,5)";
            }
            return result;
        }
        const TypedNumber box = readTypedNumber((*fields)[0], {.whole = true});
        if (!box.ok() || box.value < CoordinateSet::kFirst || box.value > CoordinateSet::kLast) {
            result.problem =
                where + ", box: " + quotedTyped((*fields)[0]) + " is not a box number from 1 to 26";
            return result;
        }
        const int index = static_cast<int>(box.value);
        if (lineOfBox[static_cast<std::size_t>(index)] != 0) {
            result.problem = where + ", box: box " + std::to_string(index) +
                             " is given twice (also on " +
                             lineName(lineOfBox[static_cast<std::size_t>(index)]) + ")";
            return result;
        }
        lineOfBox[static_cast<std::size_t>(index)] = lineNumber;
        const std::optional<LengthUnit> unit = lengthUnitNamed((*fields)[5]);
        if (!unit) {
            result.problem = where + ", unit: " + quotedTyped((*fields)[5]) + " is not in or mm";
            return result;
        }
        const std::optional<float> right =
            readValue((*fields)[3], *unit, result.problem, where + ", right");
        if (!right) {
            return result;
        }
        const std::optional<float> left =
            readValue((*fields)[4], *unit, result.problem, where + ", left");
        if (!left) {
            return result;
        }
        read.right[index] = *right;
        read.left[index] = *left;
    }
    if (!headerSeen) {
        result.problem =
            "the file is empty: no header \"" + std::string(kCoordinatesCsvHeader) + "\"";
        return result;
    }
    result.coordinates = read;
    return result;
}

CsvReadResult readCoordinatesCsvFile(const std::string& path) {
    // A coordinates file is a few kilobytes; anything far larger is not one.
    constexpr std::uintmax_t kMostBytes = 1u << 20;
    CsvReadResult result;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        result.problem = path + " is not a file that can be read";
        return result;
    }
    if (std::filesystem::file_size(path, ec) > kMostBytes || ec) {
        result.problem = path + " is too large for a coordinates file";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(kMostBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || !in.eof()) {
        result.problem =
            path + (in.bad() ? " cannot be read" : " is too large for a coordinates file");
        return result;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    result = readCoordinatesCsv(text);
    if (!result.coordinates) {
        result.problem = path + ": " + result.problem;
    }
    return result;
}

} // namespace velmora
