#pragma once

#include "analysis/graph_view.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "ui/analysis/big_graph_controls.h"

#include <QObject>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class ProportionalLayout;
class ReadingsTable;

// The graph window's bump steer gauge readings: a "Readings..." button, shown only with the
// bump steer curve, that opens a small table of travel and gauge reading rows for the side
// shown; the readings drawn as crosses over the curve and a column of the data table. OK
// stores the rows into the project's vehicle data; Cancel (or Escape) keeps nothing. With no
// readings the window draws exactly as without them.
class ReadingsPanel : public QObject {
    Q_OBJECT

public:
    ReadingsPanel(QWidget& window, ProportionalLayout& layout, const BigGraphControls& controls,
                  SuspensionState& state, MessageSink& messages);

    // After the curve and the 3-D check are drawn: the readings' crosses and the marker again;
    // the gauge legend keeps clear of the baseline's when `baselineShown`.
    void drawOver(const GraphView& view, bool baselineShown);
    // After the marker moved: the crosses where the old marker was erased, and the marker.
    void afterStep(const GraphView& view, bool baselineShown);
    // After the value columns are filled: the gauge column, shown only when it holds a value.
    void fillDataTable(const GraphView& view);

    // "Readings...": the frame with the rows of the side the window shows.
    void open();
    void accept();
    void cancel();

    QGroupBox* frame() const { return frmReadings_; }
    QTableWidget* table() const;

signals:
    // OK took readings other than the project's: both sides' readings as they should be now.
    // The window only shows them once the project holds them.
    void readingsAccepted(const std::vector<velmora::BumpSteerReading>& readings);

private:
    void buildFrame(QWidget& window);
    void addRow(const QString& travel = {}, const QString& reading = {});
    void removeRow();
    void draw(const GraphView& view, bool baselineShown);

    ProportionalLayout& layout_;
    const BigGraphControls& controls_;
    SuspensionState& state_;
    MessageSink& messages_;
    QPushButton* btnReadings_ = nullptr;
    QGroupBox* frmReadings_ = nullptr;
    QLabel* lblReadingsInfo_ = nullptr;
    ReadingsTable* tblReadings_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QLabel* lblDataGauge_ = nullptr;
    bool right_ = false; // the side the open frame edits
};

} // namespace velmora
