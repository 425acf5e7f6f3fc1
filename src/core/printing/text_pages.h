#pragma once

#include "geometry/static_report.h"
#include "model/coordinate_box_texts.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "printing/printer.h"

#include <string>

// The two text pages of the main window: the coordinates of the side shown in the table and
// the static geometry of both sides. Both print what the user sees, not the stored numbers.
namespace velmora {

// The texts the table shows when it opens on a side: each stored value as its table cell.
CoordinateBoxTexts coordinateTableTexts(const CoordinateSet& coords);

// The coordinate page, ended with endDoc. Throws PrintFailure when the printer fails.
void buildCoordinatePage(Printer& printer, bool rightActive, const CoordinateBoxTexts& boxes,
                         const std::string& fileCaption);

// The static-geometry page from the captions the frame shows (an empty caption prints as
// nothing). Sets no font. Ended with endDoc.
void buildStaticPage(Printer& printer, const StaticCaptions& captions);

// The messages a failed page shows.
Message coordinatePrintFailure();
Message staticPrintFailure();
Message graphPrintFailure();

// Runs `build` as one print command: when the printer fails, shows `failure`, discards the
// job with killDoc (a failure of killDoc itself is ignored: the job is lost either way) and
// returns false. Nothing half-built is ever ended.
template <class Build>
bool runPrintCommand(Printer& printer, MessageSink& sink, const Message& failure, Build&& build) {
    try {
        build();
        return true;
    } catch (const PrintFailure&) {
        sink.show(failure);
        try {
            printer.killDoc();
        } catch (const PrintFailure&) {
        }
        return false;
    }
}

} // namespace velmora
