#include "chassis_pages/page_title.h"

namespace velmora {

void printChassisPageTitle(Printer& printer, const std::string& title) {
    printer.setDocumentName(title);
    printer.setScale(143, 200, -20, 0);
    printer.setCurrentPosition(30, 0);
    printer.printText(title);
}

void beginChassisPage(Printer& printer, const std::string& title) {
    printChassisPageTitle(printer, title);
    printer.setScale(kChassisPageWidth, kChassisPageHeight, 0, 0);
    Font font = printer.font();
    font.size = 9;
    font.bold = false;
    printer.setFont(font);
}

} // namespace velmora
