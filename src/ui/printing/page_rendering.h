#pragma once

#include "printing/recording_printer.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace velmora {

// Pen widths are printer pixels; pages are drawn as on a 600 dots-per-inch printer whatever
// the resolution of the device.
inline constexpr int kPrinterDotsPerInch = 600;

// Draws the recorded page on `device` (already begun by `painter`) over its whole paintable
// area, which stands for the printer's printable area.
void paintPage(QPainter& painter, const QPagedPaintDevice& device, const PrintRecording& page);

// A PDF document with one letter-size page per recording, in order, its paintable area the
// printable area the pages assume (kDefaultScaleWidth by kDefaultScaleHeight twips).
// Empty with `error` set when the document cannot be made.
QByteArray renderPdf(const std::vector<PrintRecording>& pages, QString* error);

} // namespace velmora
