#pragma once

#include "printing/worksheet_sheet.h"

// The figures of the right side's worksheets; the left side's come from the same figures,
// mirrored, moved or with their rod ends swapped.
namespace velmora::worksheet {

// Front view of both arms and the tire with the horizontal dimensions from the centreline.
void drawHorizontalFigure(Sheet& sheet);
// Front view of both arms and the spindle end with the heights above the ground line.
void drawVerticalFigure(Sheet& sheet);
// Side view of the wheel, both arms and the spindle, dimensioned from a vertical reference
// line at `referenceX` (530 on the right side, 75 on the left).
void drawForeAftFigure(Sheet& sheet, double referenceX);
// Front view of the tie rod. The right side has the outer joint at the left end and the
// inner eye at the right end; `swapped` exchanges them and moves the centreline to the left.
void drawTieRodFrontFigure(Sheet& sheet, bool swapped);
// The tie rod from above, eye at the left and clevis at the right (`swapped`: the other way
// round), dimensioned from a reference line below it.
void drawTieRodTopFigure(Sheet& sheet, bool swapped);

} // namespace velmora::worksheet
