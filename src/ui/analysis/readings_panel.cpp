#include "ui/analysis/readings_panel.h"

#include "analysis/graph_drawing.h"
#include "analysis/model_overlay.h"
#include "analysis/readings_overlay.h"
#include "model/bump_steer_reading.h"
#include "model/shown_length.h"
#include "ui/analysis/data_table_columns.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/frame_keys.h"
#include "ui/widgets/proportional_layout.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace velmora {

// The table of rows; OK takes a cell that is still being edited as typed.
class ReadingsTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    void commitEditing() {
        // The open editor lies on the viewport. Editors already closed wait there hidden for
        // their deletion and belong to no cell any more: the view would warn about each.
        if (state() != EditingState) {
            return;
        }
        for (QWidget* child : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isHidden()) {
                commitData(child);
            }
        }
    }
};

namespace {

// Design rectangles, twips: the button above "Show Data" and the frame over the suspension
// picture.
const QRect kButton(3840, 5400, 1095, 375);
const QRect kFrame(120, 360, 3855, 4380);

GraphPlot plotOf(const GraphView& view) {
    return GraphPlot{&view.PlotX(), &view.PlotY(), view.NumPoints(), view.rightActive()};
}

bool showsBumpSteer(const GraphView& view) {
    return shownGraph(view.flags()) == GraphKind::BumpSteer;
}

QPushButton* addButton(QWidget& parent, ProportionalLayout& layout, const char* name,
                       const char* text, const QRect& design) {
    auto* button = new QPushButton(QString::fromLatin1(text), &parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    layout.add(button, design);
    return button;
}

QString cellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QString();
}

} // namespace

ReadingsPanel::ReadingsPanel(QWidget& window, ProportionalLayout& layout,
                             const BigGraphControls& controls, SuspensionState& state,
                             MessageSink& messages)
    : QObject(&window), layout_(layout), controls_(controls), state_(state), messages_(messages) {
    btnReadings_ = addButton(window, layout_, "btnReadings", "Readings...", kButton);
    btnReadings_->setToolTip(QStringLiteral("Type the bump steer measured with a gauge"));
    btnReadings_->hide();
    connect(btnReadings_, &QPushButton::clicked, this, &ReadingsPanel::open);
    buildFrame(window);

    lblDataGauge_ = new QLabel(controls_.frmDataTable);
    lblDataGauge_->setObjectName(QStringLiteral("lblDataGauge"));
    lblDataGauge_->setFont(controls_.lblDataMeas->font());
    lblDataGauge_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout_.add(lblDataGauge_, dataTablePlan({}).gauge);
    lblDataGauge_->hide();
}

void ReadingsPanel::buildFrame(QWidget& window) {
    frmReadings_ = new QGroupBox(QStringLiteral("Bump Steer Readings"), &window);
    frmReadings_->setObjectName(QStringLiteral("frmReadings"));
    frmReadings_->setAutoFillBackground(true); // it lies over the suspension picture
    layout_.add(frmReadings_, kFrame);
    frmReadings_->hide();

    lblReadingsInfo_ = new QLabel(frmReadings_);
    lblReadingsInfo_->setObjectName(QStringLiteral("lblReadingsInfo"));
    lblReadingsInfo_->setWordWrap(true);
    lblReadingsInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout_.add(lblReadingsInfo_, QRect(120, 240, 3615, 600));

    tblReadings_ = new ReadingsTable(0, 2, frmReadings_);
    tblReadings_->setObjectName(QStringLiteral("tblReadings"));
    tblReadings_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblReadings_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblReadings_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    layout_.add(tblReadings_, QRect(120, 900, 3615, 2700));

    // Four equal buttons across the frame's width, 65 twips apart.
    QPushButton* add =
        addButton(*frmReadings_, layout_, "btnReadingAdd", "Add", QRect(120, 3720, 855, 375));
    QPushButton* remove = addButton(*frmReadings_, layout_, "btnReadingRemove", "Remove",
                                    QRect(1040, 3720, 855, 375));
    btnOK_ = addButton(*frmReadings_, layout_, "btnReadingsOK", "OK", QRect(1960, 3720, 855, 375));
    btnCancel_ =
        addButton(*frmReadings_, layout_, "btnReadingsCan", "Cancel", QRect(2880, 3720, 855, 375));
    connect(add, &QPushButton::clicked, this, [this] {
        addRow();
        tblReadings_->setCurrentCell(tblReadings_->rowCount() - 1, 0);
        tblReadings_->setFocus(Qt::OtherFocusReason);
    });
    connect(remove, &QPushButton::clicked, this, &ReadingsPanel::removeRow);
    connect(btnOK_, &QPushButton::clicked, this, &ReadingsPanel::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &ReadingsPanel::cancel);
    new FrameKeys(*frmReadings_, *btnCancel_);
}

QTableWidget* ReadingsPanel::table() const {
    return tblReadings_;
}

void ReadingsPanel::addRow(const QString& travel, const QString& reading) {
    const int row = tblReadings_->rowCount();
    tblReadings_->insertRow(row);
    tblReadings_->setItem(row, 0, new QTableWidgetItem(travel));
    tblReadings_->setItem(row, 1, new QTableWidgetItem(reading));
}

void ReadingsPanel::removeRow() {
    const int row = tblReadings_->currentRow();
    if (row >= 0) {
        tblReadings_->removeRow(row);
    } else if (tblReadings_->rowCount() > 0) {
        tblReadings_->removeRow(tblReadings_->rowCount() - 1);
    }
}

void ReadingsPanel::open() {
    right_ = state_.Right_Active;
    const float gauge = state_.Vehicle.gaugeLengthOrDefault();
    // Typed and shown in the display unit, which may have changed since the frame last opened.
    const std::string unit = lengthUnitText();
    tblReadings_->setHorizontalHeaderLabels({QString::fromStdString("Travel (" + unit + ")"),
                                             QString::fromStdString("Gauge (" + unit + ")")});
    lblReadingsInfo_->setText(QString::fromStdString(
        std::string(right_ ? "Right" : "Left") + " side. Travel: " + lengthWord() +
        ", bump +.\nGauge: " + lengthWord() + " over " + shortestLength(gauge) + " " + unit +
        ", toe out +."));
    tblReadings_->setRowCount(0);
    for (const BumpSteerReading& r : readingsOfSide(state_.Vehicle.readings, right_)) {
        addRow(QString::fromStdString(shortestLength(r.travel)),
               QString::fromStdString(shortestLength(r.reading)));
    }
    if (tblReadings_->rowCount() == 0) {
        addRow();
    }
    frmReadings_->show();
    frmReadings_->raise();
    tblReadings_->setCurrentCell(0, 0);
    tblReadings_->setFocus(Qt::OtherFocusReason);
}

void ReadingsPanel::accept() {
    tblReadings_->commitEditing();
    std::vector<ReadingRow> rows;
    for (int row = 0; row < tblReadings_->rowCount(); ++row) {
        rows.emplace_back(cellText(*tblReadings_, row, 0).toStdString(),
                          cellText(*tblReadings_, row, 1).toStdString());
    }
    auto accepted = acceptedReadings(rows, right_);
    if (const std::string* why = std::get_if<std::string>(&accepted)) {
        // The frame stays open with what was typed, so it can be corrected.
        messages_.show(
            Message{"Bump Steer Readings", *why, MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    frmReadings_->hide();
    const auto& side = std::get<std::vector<BumpSteerReading>>(accepted);
    const std::vector<BumpSteerReading> all =
        withSideReadings(state_.Vehicle.readings, right_, side);
    if (all != state_.Vehicle.readings) {
        emit readingsAccepted(all);
    }
}

void ReadingsPanel::cancel() {
    frmReadings_->hide();
}

void ReadingsPanel::draw(const GraphView& view, bool baselineShown) {
    const std::vector<ReadingPoint> points =
        readingPlot(view, readingsOfSide(state_.Vehicle.readings, view.rightActive()),
                    state_.Vehicle.gaugeLengthOrDefault());
    drawReadingPoints(controls_.picGraph->canvas(), points, plotOf(view), view.CurPos(),
                      baselineShown);
}

void ReadingsPanel::drawOver(const GraphView& view, bool baselineShown) {
    const bool bumpSteer = showsBumpSteer(view);
    btnReadings_->setVisible(bumpSteer);
    if (!bumpSteer) {
        frmReadings_->hide();
    }
    draw(view, baselineShown);
}

void ReadingsPanel::afterStep(const GraphView& view, bool baselineShown) {
    draw(view, baselineShown);
}

void ReadingsPanel::fillDataTable(const GraphView& view) {
    const std::vector<std::string> values =
        readingTableValues(view, readingsOfSide(state_.Vehicle.readings, view.rightActive()),
                           state_.Vehicle.gaugeLengthOrDefault());
    const bool any =
        std::any_of(values.begin(), values.end(), [](const std::string& v) { return !v.empty(); });
    lblDataGauge_->setVisible(any);
    if (!any) {
        return;
    }
    lblDataGauge_->setText(
        QString::fromStdString(signedColumnCaption(view.flags(), kReadingTableHeading, values)));
    lblDataGauge_->raise();
}

} // namespace velmora
