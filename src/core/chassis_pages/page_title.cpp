#include "chassis_pages/page_title.h"

namespace velmora {

void printChassisPageTitle(Printer& printer, const std::string& title) {
    printer.setDocumentName(title);
    printer.setScale(143, 200, -20, 0);
    printer.setCurrentPosition(30, 0);
    printer.printText(title);
}

} // namespace velmora
