#include "printing/text_pages.h"

#include "model/coordinate_rows.h"
#include "model/entry_text.h"
#include "model/shown_length.h"

#include <string_view>
#include <vector>

namespace velmora {
namespace {

// Blanks between each row's caption and its first box, as the page has always set them.
constexpr int kCaptionGaps[kCoordinateRows] = {8, 9, 10, 8, 9, 10, 9, 8, 8, 5};

Font withSize(const Printer& printer, double size, bool bold) {
    Font font = printer.font();
    font.size = size;
    font.bold = bold;
    return font;
}

} // namespace

CoordinateBoxTexts coordinateTableTexts(const CoordinateSet& coords) {
    CoordinateBoxTexts texts;
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        // In the display unit, as the boxes show them.
        texts[static_cast<std::size_t>(i)] =
            coordinateCellText(static_cast<float>(shownLength(coords[i])));
    }
    return texts;
}

void buildCoordinatePage(Printer& printer, bool rightActive, const CoordinateBoxTexts& boxes,
                         const std::string& fileCaption) {
    using I = PrintItem;
    const auto value = [&boxes](int box) {
        return I::Text(coordinatePrintText(boxes[static_cast<std::size_t>(box)]));
    };
    const char* title =
        rightActive ? "Right Side Suspension Coordinates" : "Left Side Suspension Coordinates";
    printer.setDocumentName(title);
    printer.setFont(withSize(printer, 18, true));
    printer.printText(title);
    printer.printEmptyLine();
    printer.printEmptyLine();
    printer.print(
        {I::Spaces(15), I::Text("X"), I::Spaces(15), I::Text("Y"), I::Spaces(15), I::Text("Z")});
    printer.printEmptyLine();

    std::string_view group; // a heading, then its rows, then a blank line
    for (int row = 1; row <= kCoordinateRows; ++row) {
        const CoordinateRow& r = kCoordinateTable[static_cast<std::size_t>(row - 1)];
        if (group != r.group) {
            if (!group.empty()) {
                printer.printEmptyLine();
            }
            group = r.group;
            printer.setFont(withSize(printer, 15, true));
            printer.printText(r.group);
            printer.setFont(withSize(printer, 12, false));
        }
        std::vector<PrintItem> items{I::Spaces(5), I::Text(r.caption),
                                     I::Spaces(kCaptionGaps[row - 1])};
        for (const int box : r.index) {
            if (box == 0) {
                continue;
            }
            if (items.size() > 3) {
                items.push_back(I::Spaces(20));
            }
            items.push_back(value(box));
        }
        printer.print(items);
    }
    printer.printEmptyLine();

    printer.print({I::Text("File:"), I::Spaces(1), I::Text(fileCaption)});
    printer.endDoc();
}

void buildStaticPage(Printer& printer, const StaticCaptions& captions) {
    const auto line = [&](std::string text) { printer.printText(text); };
    const SideStaticCaptions& left = captions.left;
    const SideStaticCaptions& right = captions.right;
    printer.setDocumentName("Static Geometry");
    line("\tSTATIC GEOMETRY\t\t\tLEFT\tRIGHT");
    line("\tSTEERING AXIS INCLINATION\t" + left.sai + "\t" + right.sai);
    line("\tSCRUB RADIUS\t\t\t" + left.scrubRadius + "\t" + right.scrubRadius);
    line("\tCASTER ANGLE\t\t\t" + left.caster + "\t" + right.caster);
    line("\tCASTER TRAIL LENGTH\t\t" + left.casterTrail + "\t" + right.casterTrail);
    printer.printEmptyLine();
    line("\tROLL CENTER HEIGHT\t" + captions.rollCenterHeight);
    line("\tROLL CENTER OFFSET\t" + captions.rollCenterOffset);
    printer.endDoc();
}

Message coordinatePrintFailure() {
    return {"Error",
            "An error has occured while trying to print your vehicles suspension coordinates.  "
            "If this problem persists call Norvale at (800)-555-0199.",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

Message staticPrintFailure() {
    return {"Error",
            "An error has occured while trying to print the static geometry.  If this problem "
            "persists call Norvale at (800)-555-0199.",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

Message graphPrintFailure() {
    return {"Error",
            "An error has occured while trying to print the graph.  If this problem persists "
            "call Norvale at (800)-555-0199.",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

} // namespace velmora
