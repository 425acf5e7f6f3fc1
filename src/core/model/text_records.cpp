#include "model/text_records.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "model/decimal_scan.h"
#include "model/number_text.h"

namespace velmora {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool isDelimiter(char c) {
    return c == ',' || isLineBreak(c);
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

FieldReader::FieldReader(std::string_view text) : text_(text) {}

std::size_t FieldReader::line() const {
    return 1 + static_cast<std::size_t>(std::count(text_.begin(), text_.begin() + pos_, '\n'));
}

void FieldReader::skipToDelimiter() {
    while (pos_ < text_.size() && !isDelimiter(text_[pos_])) {
        ++pos_;
    }
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        afterComma_ = true;
    } else {
        // A line break (left for the next field to skip) or the end of the text.
        afterComma_ = false;
    }
}

FieldStatus FieldReader::next(TextField& field) {
    if (afterComma_) {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
    } else {
        while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineBreak(text_[pos_]))) {
            ++pos_;
        }
        if (pos_ == text_.size()) {
            return FieldStatus::End;
        }
    }

    if (pos_ < text_.size() && text_[pos_] == '"') {
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            pos_ = text_.size();
            afterComma_ = false;
            return FieldStatus::UnclosedQuote;
        }
        field.text = text_.substr(pos_ + 1, close - pos_ - 1);
        field.quoted = true;
        pos_ = close + 1;
    } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isDelimiter(text_[pos_])) {
            ++pos_;
        }
        field.text = trimBlanks(text_.substr(start, pos_ - start));
        field.quoted = false;
    }
    skipToDelimiter();
    return FieldStatus::Field;
}

bool parseRecordNumber(std::string_view text, float& value) {
    text = trimBlanks(text);
    const std::optional<DecimalNumber> number = scanDecimal(text, 0, "EeDd");
    if (!number || number->end != text.size()) {
        return false;
    }
    if (number->allZeros) {
        value = number->negative ? -0.0f : 0.0f;
        return true;
    }
    // Read straight into a single: rounding through a double could differ by one unit.
    const std::string normal = normalDecimalText(*number);
    float parsed = 0.0f;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), parsed);
    if (ec == std::errc{} && end == normal.data() + normal.size() && std::isfinite(parsed)) {
        value = parsed;
        return true;
    }
    if (ec == std::errc::result_out_of_range && number->order < 0) {
        value = number->negative ? -0.0f : 0.0f;
        return true;
    }
    return false;
}

std::string recordNumberText(float value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    return shortestText(value);
}

std::string quotedRecordText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    for (const char c : text) {
        if (c == '"') {
            out += "''";
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

} // namespace velmora
