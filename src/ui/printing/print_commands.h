#pragma once

#include "model/message_sink.h"
#include "printing/graph_page.h"
#include "printing/text_pages.h"
#include "ui/printing/printer_device.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

// The program's print commands: each builds its pages and sends them to the default
// printer, or saves them as PDF files where there is none, and tells the user where.
namespace velmora {

struct PrintServices {
    PrinterDevice& device;
    MessageSink& messages;
    // Where pages go as PDF files when there is no printer.
    QString printoutFolder;
};

// "Velmora printouts" in the user's documents folder.
QString defaultPrintoutFolder();

// The coordinate table's "Print": the texts its 26 boxes show (index 1..26) and the file
// label's caption. Returns whether the page was ended.
bool printCoordinatePage(const PrintServices& services, bool rightActive,
                         const CoordinateBoxTexts& boxes, const std::string& fileCaption);
// The static-geometry frame's "Print": the captions the frame shows.
bool printStaticPage(const PrintServices& services, const StaticCaptions& captions);
// The graph window's "Print"; `generateSuggestions` refreshes and returns the window's list.
bool printGraphPage(const PrintServices& services, const GraphPageInputs& inputs,
                    const std::function<std::vector<std::string>()>& generateSuggestions);
// Any other window's "Print": `build` puts its pages on the printer; a failure shows
// `failure`. Returns whether the pages were ended.
bool printPages(const PrintServices& services, const Message& failure,
                const std::function<void(Printer&)>& build);
// "Print Garage Worksheets": the ten worksheets. Returns whether all ten were ended.
bool printWorksheetPages(const PrintServices& services);

// The one message after a command that saved pages as files (nothing when it saved none).
std::optional<Message> savedPagesMessage(const QStringList& files);

} // namespace velmora
