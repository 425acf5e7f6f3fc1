#pragma once

#include "model/length_unit.h"

#include <string>
#include <string_view>

// The unit lengths are typed and shown in, and the one formatter and parser of lengths.
//
// The unit is one setting of the running program (the desktop's preference, the command line's
// --units), like the locale: only texts read it, never the arithmetic of a pass, and nothing
// stored changes with it (files and passes keep inches). Threading it through every caption,
// page and message as a parameter would add an argument nobody's arithmetic reads.
namespace velmora {

LengthUnit displayUnit();
void setDisplayUnit(LengthUnit unit);

// Sets the display unit for its lifetime, then puts the previous one back (a command line
// run, a test, a printout made in another unit).
class ScopedDisplayUnit {
public:
    explicit ScopedDisplayUnit(LengthUnit unit);
    ~ScopedDisplayUnit();
    ScopedDisplayUnit(const ScopedDisplayUnit&) = delete;
    ScopedDisplayUnit& operator=(const ScopedDisplayUnit&) = delete;

private:
    LengthUnit previous_;
};

inline bool showsMillimetres() {
    return displayUnit() == LengthUnit::Millimetres;
}

// "in" or "mm": the unit as a caption names it ("Wheelbase (in)").
std::string lengthUnitText();
// "Inches" or "Millimetres": a table heading.
std::string lengthHeading();
// "inches" or "mm": a sentence's word after a number ("3 inches of bump travel").
std::string lengthWord();

// A length in inches in the display unit.
double shownLength(double inches);
// A length typed in the display unit, in inches (double) and as the single a project keeps.
double typedLength(double typed);
float typedStoredLength(double typed);

// A length box's text as the project keeps it, in inches: the coordinate table's whole-text
// rule (nothing for a text that is not one number); and the wizard's and travel boxes' leading
// number (0 when none).
std::optional<float> storedLength(std::string_view text);
float readLengthBox(std::string_view text);
// A stored length as a coordinate cell shows it (inches: six characters; millimetres: one
// decimal with a blank for the sign, " 312.4"), empty for 0; and as a wizard or travel box
// shows it (the shortest text that reads back to it).
std::string lengthCellText(float inches);
std::string lengthBoxText(float inches);

// Millimetres keep one decimal fewer than inches: a table's 2 become 1, a page's 3 become 2.
int shownDecimals(int inchDecimals);
// A length with the decimals it has in inches, converted: fixedText in the display unit.
std::string fixedLength(double inches, int inchDecimals);
// A stored single as the shortest text that reads back to it in the display unit ("3" in,
// "76.2" mm); "0" for 0.
std::string shortestLength(float inches);
// The general format the captions use (thousandths in inches, hundredths in millimetres).
std::string captionLength(double inches);

// A line of advice worded in inches, as the display unit reads it: unchanged in inches; in
// millimetres its numbers of inches are converted ("1/8 inch" -> "3 mm", "the first inch of"
// -> "the first 25 mm of") and nothing else of the wording changes.
std::string shownAdvice(std::string_view inchLine);

} // namespace velmora
