#include "printing/text_pages.h"

#include "model/entry_text.h"

namespace velmora {
namespace {

struct CoordinateRow {
    const char* label;
    int gap; // blanks between the label and the X text
    int x, y, z;
};

struct CoordinateGroup {
    const char* heading;
    CoordinateRow rows[3];
};

constexpr CoordinateGroup kArmGroups[] = {
    {"Top Arm",
     {{"Front Pivot", 8, 1, 10, 19}, {"Rear Pivot", 9, 2, 11, 20}, {"Ball Joint", 10, 3, 12, 21}}},
    {"Bottom Arm",
     {{"Front Pivot", 8, 4, 13, 22}, {"Rear Pivot", 9, 5, 14, 23}, {"Ball Joint", 10, 6, 15, 24}}},
    {"Tie Rod",
     {{"Inner Joint", 9, 7, 16, 25}, {"Outer Joint", 8, 8, 17, 26}, {nullptr, 0, 0, 0, 0}}},
};

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
        texts[static_cast<std::size_t>(i)] = coordinateCellText(coords[i]);
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

    for (const CoordinateGroup& group : kArmGroups) {
        printer.setFont(withSize(printer, 15, true));
        printer.printText(group.heading);
        printer.setFont(withSize(printer, 12, false));
        for (const CoordinateRow& row : group.rows) {
            if (row.label == nullptr) {
                continue;
            }
            printer.print({I::Spaces(5), I::Text(row.label), I::Spaces(row.gap), value(row.x),
                           I::Spaces(20), value(row.y), I::Spaces(20), value(row.z)});
        }
        printer.printEmptyLine();
    }

    printer.setFont(withSize(printer, 15, true));
    printer.printText("Misc.");
    printer.setFont(withSize(printer, 12, false));
    printer.print({I::Spaces(5), I::Text("Tire Center"), I::Spaces(8), value(9)});
    printer.print({I::Spaces(5), I::Text("Spindle Height"), I::Spaces(5), value(18)});
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
