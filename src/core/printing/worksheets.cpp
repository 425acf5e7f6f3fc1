#include "printing/worksheets.h"

#include "printing/text_pages.h"
#include "printing/worksheet_figures.h"

#include <array>

namespace velmora {
namespace {

constexpr std::array<const char*, kWorksheetCount> kTitles = {
    "Right Side Horizontal",
    "Right Side Vertical",
    "Right Side Fore/Aft",
    "Right Tie Rod Horizontal & Vertical",
    "Right Tie Rod Fore/Aft",
    "Left Side Horizontal",
    "Left Side Vertical",
    "Left Side Fore/Aft",
    "Left Tie Rod Horizontal & Vertical",
    "Left Tie Rod Fore/Aft",
};

bool isTieRodFrontPage(int page) {
    return page == 4 || page == 9;
}

} // namespace

std::string worksheetTitle(int page) {
    if (page < 1 || page > kWorksheetCount) {
        return {};
    }
    return kTitles[static_cast<std::size_t>(page - 1)];
}

void drawWorksheetFigure(Printer& printer, int page) {
    const bool left = page > 5;
    // The left side's front views are the right side's seen in a mirror.
    Sheet sheet(printer, left && (page == 6 || page == 7));
    switch (left ? page - 5 : page) {
    case 1:
        worksheet::drawHorizontalFigure(sheet);
        break;
    case 2:
        worksheet::drawVerticalFigure(sheet);
        break;
    case 3:
        worksheet::drawForeAftFigure(sheet, left ? 75 : 530);
        break;
    case 4:
        worksheet::drawTieRodFrontFigure(sheet, left);
        break;
    case 5:
        worksheet::drawTieRodTopFigure(sheet, left);
        break;
    default:
        break;
    }
}

void buildWorksheet(Printer& printer, int page) {
    printer.setDocumentName(worksheetTitle(page));
    printer.setScale(640, 850, 0, 0);
    printer.setPenWidth(1);
    drawWorksheetFigure(printer, page);
    printer.setCurrentPosition(isTieRodFrontPage(page) ? 200 : 250, 500);
    printer.printText(worksheetTitle(page));
    printer.endDoc();
}

Message worksheetPrintFailure() {
    return {"Error", "An error has occured while printing", MessageIcon::None, MessageButtons::Ok};
}

bool printGarageWorksheets(Printer& printer, MessageSink& sink) {
    for (int page = 1; page <= kWorksheetCount; ++page) {
        const bool ended = runPrintCommand(printer, sink, worksheetPrintFailure(),
                                           [&] { buildWorksheet(printer, page); });
        if (!ended) {
            return false;
        }
    }
    return true;
}

} // namespace velmora
