#include "chassis_pages/view3d_page.h"

#include "chassis_pages/page_title.h"
#include "chassis_pages/scene_painter.h"
#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/text_wrap.h"
#include "printing/page_region_canvas.h"

namespace velmora {
namespace {

constexpr double kViewLeft = 5, kViewTop = 7, kViewWidth = 90, kViewHeight = 67.5;
// The view is drawn as on a surface of this many pixels, the window's shape.
constexpr int kViewPixelsWide = 1200, kViewPixelsHigh = 900;
constexpr double kStateY = 77;
constexpr double kFileLineY = 128;
constexpr double kMessageStep = 2.25;
constexpr std::size_t kMessageLineLength = 100; // characters that fit across the page

std::string length(double inches) {
    return fixedLength(inches, 3) + " " + lengthUnitText();
}

} // namespace

std::string sceneStateText(const SceneState& at) {
    switch (at.motion) {
    case SceneMotion::Travel:
        return "Wheel travel " + length(at.travel);
    case SceneMotion::DiveRoll:
        return "Dive " + length(at.dive) + ", roll " + fixedText(at.roll, 3) + " deg";
    case SceneMotion::Rack:
        return "Rack " + length(at.rack);
    case SceneMotion::Ride:
        break;
    }
    return "Ride height";
}

void buildView3dPage(Printer& printer, const Scene3d& scene, const Camera3d& camera,
                     const std::string& stateLine, const std::string& fileCaption) {
    beginChassisPage(printer, "3-D View");
    PageRegionCanvas view(printer, kViewLeft, kViewTop, kViewWidth, kViewHeight);
    const Projection projection(camera, kViewPixelsWide, kViewPixelsHigh);
    drawScene(view, scene, projection, kViewPixelsWide, kViewPixelsHigh);
    printer.setCurrentPosition(kViewLeft, kStateY);
    printer.printText(stateLine + "; view from azimuth " + fixedText(camera.azimuth, 1) +
                      " deg, elevation " + fixedText(camera.elevation, 1) + " deg, " +
                      (camera.perspective ? "perspective" : "orthographic"));
    // Why the view is empty, in lines short enough for the page, above the file line.
    double y = kStateY + 2.5;
    for (const Message& m : scene.messages) {
        for (const std::string& line : wrappedLines(m.text, kMessageLineLength)) {
            if (y > kFileLineY - 2 * kMessageStep) {
                break;
            }
            printer.setCurrentPosition(kViewLeft, y);
            printer.printText(line);
            y += kMessageStep;
        }
    }
    printer.setCurrentPosition(0, kFileLineY);
    printer.printText(fileCaption);
    printer.endDoc();
}

Message view3dPrintFailure() {
    return Message{"Print", "The 3-D view could not be printed.", MessageIcon::Warning,
                   MessageButtons::Ok};
}

} // namespace velmora
