#include "model/text_records.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
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
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    std::size_t digitCount = 0;
    bool seenNonZero = false;
    bool seenPoint = false;
    long long integerDigits = 0;
    long long fractionZeros = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            ++digitCount;
            if (!seenPoint) {
                if (seenNonZero || c != '0') {
                    ++integerDigits;
                }
            } else if (!seenNonZero && c == '0') {
                ++fractionZeros;
            }
            seenNonZero = seenNonZero || c != '0';
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digitCount == 0) {
        return false;
    }
    const std::size_t mantissaEnd = pos;
    long long exponent = 0;
    if (pos < text.size() &&
        (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentNegative = text[pos] == '-';
            ++pos;
        }
        const std::size_t exponentStart = pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            // Saturate: the exact size of an absurd exponent does not matter.
            exponent = std::min<long long>(exponent * 10 + (text[pos] - '0'), 1'000'000'000);
        }
        if (pos == exponentStart) {
            return false;
        }
        if (exponentNegative) {
            exponent = -exponent;
        }
    }
    if (pos != text.size()) {
        return false;
    }
    if (!seenNonZero) {
        value = negative ? -0.0f : 0.0f;
        return true;
    }
    // Decimal exponent of the first non-zero digit, to tell an underflow from an overflow.
    const long long leadingExponent =
        (integerDigits > 0 ? integerDigits - 1 : -fractionZeros - 1) + exponent;

    // from_chars wants no leading '+' and only 'e' for the exponent.
    std::string normal;
    normal.reserve(mantissaEnd - mantissaStart + 16);
    if (negative) {
        normal += '-';
    }
    normal += text.substr(mantissaStart, mantissaEnd - mantissaStart);
    normal += 'e';
    normal += std::to_string(exponent);
    float parsed = 0.0f;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), parsed);
    if (ec == std::errc{} && end == normal.data() + normal.size() && std::isfinite(parsed)) {
        value = parsed;
        return true;
    }
    if (ec == std::errc::result_out_of_range && leadingExponent < 0) {
        value = negative ? -0.0f : 0.0f;
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
