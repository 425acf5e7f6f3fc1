#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// What a user typed as a number, on the command line or into a number box of the analysis
// windows, read by the project reader's decimal scanner: an optional sign, digits with at most
// one period and an optional exponent ("12", "-.5", "2.5e-3"). Hexadecimal, "inf", "nan", a
// number with anything around it, and a number that cannot be held (too large, or not 0 but
// too small to be told from 0) are refused, each with a reason that quotes the text.
namespace velmora {

struct TypedNumberForm {
    bool blanksAround = false; // a box may have blanks around its number; an option may not
    bool single = false;       // the value is kept as a single (a project value)
    bool whole = false;        // a count: no fraction
};

struct TypedNumber {
    double value = 0;
    std::string problem; // empty when the text was taken: "\"abc\" is not a number"
    bool ok() const { return problem.empty(); }
};

TypedNumber readTypedNumber(std::string_view text, TypedNumberForm form = {});

// The text as a message quotes it, between double quotes, control characters escaped.
std::string quotedTyped(std::string_view text);

// "Rack travel 13 is outside -12 to 12 in": `name` and the value as typed (its shortest text
// when nothing was typed), the range and its unit (none for a count).
std::string outsideRange(std::string_view name, std::string_view typed, double value, double low,
                         double high, std::string_view unit);
// The same for a length whose value and range are in inches: all given in the display unit.
std::string outsideLengthRange(std::string_view name, std::string_view typed, double inches,
                               double low, double high);

// An options type's IsValid: true when every problem is empty; otherwise `why` (if given)
// takes the first one. `why` is emptied when all are.
bool noProblem(std::initializer_list<std::string> problems, std::string* why);

} // namespace velmora
