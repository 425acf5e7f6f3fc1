#include "model/shown_length.h"

#include "model/number_text.h"

#include <array>
#include <atomic>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace velmora {
namespace {

std::atomic<LengthUnit> theUnit{LengthUnit::Inches};

// Advice phrases whose inch is a unit of a rate, not a measured length: the rate is restated
// per 25 mm (a round figure close to an inch) with its number scaled to match.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kRatePhrases{{
    {"first inch of", "first 25 mm of"},
    {"one inch of", "25 mm of"},
    {"per inch of", "per 25 mm of"},
    {"Shoot for .030 or less", "Shoot for .75 or less"},
    {"Shoot for .100 or less", "Shoot for 2.5 or less"},
}};

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A shop's millimetres: to the nearest half, without a trailing ".0" ("1/8" -> "3").
std::string shopMillimetres(double inches) {
    const double halves = std::round(inches * kMillimetresPerInch * 2.0);
    std::string text = fixedText(halves / 2.0, 1);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) {
        text.resize(text.size() - 2);
    }
    return text;
}

// The number that ends just before `end` in `text`: "1 3/16", "1/8", ".030", "2"; its start
// and value, or a start of `end` when there is none.
std::pair<std::size_t, double> numberBefore(const std::string& text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 &&
           (isDigit(text[start - 1]) || text[start - 1] == '.' || text[start - 1] == '/')) {
        --start;
    }
    if (start == end) {
        return {end, 0};
    }
    std::string token = text.substr(start, end - start);
    double value = 0;
    const auto slash = token.find('/');
    if (slash == std::string::npos) {
        value = std::strtod(token.c_str(), nullptr);
    } else {
        const double denominator = std::strtod(token.c_str() + slash + 1, nullptr);
        value = denominator > 0 ? std::strtod(token.c_str(), nullptr) / denominator : 0;
        // A whole number in front of the fraction: "1 3/16".
        std::size_t wholeStart = start;
        if (wholeStart >= 2 && text[wholeStart - 1] == ' ' && isDigit(text[wholeStart - 2])) {
            wholeStart -= 1;
            while (wholeStart > 0 && isDigit(text[wholeStart - 1])) {
                --wholeStart;
            }
            value += std::strtod(text.c_str() + wholeStart, nullptr);
            start = wholeStart;
        }
    }
    return {start, value};
}

// Replaces "<number> in", "<number> inch" and "<number> inches" by the number in millimetres.
// " in" counts only where it ends the text or a clause, so "2 in the corners" stays.
std::string convertInchNumbers(std::string text) {
    constexpr std::array<std::string_view, 3> kWords{" inches", " inch", " in"};
    std::size_t at = 0;
    while (at < text.size()) {
        bool replaced = false;
        for (std::string_view word : kWords) {
            if (text.compare(at, word.size(), word) != 0) {
                continue;
            }
            const std::size_t after = at + word.size();
            const bool endsWord =
                after == text.size() || !std::isalpha(static_cast<unsigned char>(text[after]));
            const bool clauseEnd = after == text.size() ||
                                   std::string_view(",.;:)").find(text[after]) != std::string::npos;
            if (!endsWord || (word == " in" && !clauseEnd)) {
                continue;
            }
            const auto [start, value] = numberBefore(text, at);
            if (start == at) {
                continue;
            }
            const std::string mm = shopMillimetres(value) + " mm";
            text.replace(start, after - start, mm);
            at = start + mm.size();
            replaced = true;
            break;
        }
        if (!replaced) {
            ++at;
        }
    }
    return text;
}

} // namespace

LengthUnit displayUnit() {
    return theUnit.load(std::memory_order_relaxed);
}

void setDisplayUnit(LengthUnit unit) {
    theUnit.store(unit, std::memory_order_relaxed);
}

ScopedDisplayUnit::ScopedDisplayUnit(LengthUnit unit) : previous_(displayUnit()) {
    setDisplayUnit(unit);
}

ScopedDisplayUnit::~ScopedDisplayUnit() {
    setDisplayUnit(previous_);
}

std::string lengthUnitText() {
    return std::string(unitName(displayUnit()));
}

std::string lengthHeading() {
    return showsMillimetres() ? "Millimetres" : "Inches";
}

std::string lengthWord() {
    return showsMillimetres() ? "mm" : "inches";
}

double shownLength(double inches) {
    return lengthIn(inches, displayUnit());
}

double typedLength(double typed) {
    return showsMillimetres() ? typed / kMillimetresPerInch : typed;
}

float typedStoredLength(double typed) {
    return storedInches(typed, displayUnit());
}

int shownDecimals(int inchDecimals) {
    return showsMillimetres() && inchDecimals > 0 ? inchDecimals - 1 : inchDecimals;
}

std::string fixedLength(double inches, int inchDecimals) {
    return fixedText(shownLength(inches), shownDecimals(inchDecimals));
}

std::string shortestLength(float inches) {
    if (inches == 0.0f) {
        return "0";
    }
    return exactLengthText(inches, displayUnit());
}

std::string captionLength(double inches) {
    if (!showsMillimetres()) {
        return captionText16(inches);
    }
    const double mm = std::nearbyint(shownLength(inches) * 100.0) / 100.0;
    return generalText(mm == 0.0 ? 0.0 : mm);
}

std::string shownAdvice(std::string_view inchLine) {
    std::string line(inchLine);
    if (!showsMillimetres()) {
        return line;
    }
    for (const auto& [from, to] : kRatePhrases) {
        replaceAll(line, from, to);
    }
    return convertInchNumbers(std::move(line));
}

} // namespace velmora
