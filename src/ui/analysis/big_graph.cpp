#include "ui/analysis/big_graph.h"

#include "analysis/graph_drawing.h"
#include "analysis/graph_window_views.h"
#include "analysis/model_overlay.h"
#include "analysis/suggestions.h"
#include "analysis/suspension_picture.h"
#include "ui/analysis/baseline_view.h"
#include "ui/analysis/data_table_columns.h"
#include "ui/analysis/graph_sensitivity.h"
#include "ui/analysis/model_check.h"
#include "ui/analysis/readings_panel.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/print_shortcut.h"
#include "ui/widgets/proportional_layout.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmora {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

BigGraph::BigGraph(SuspensionState& state, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName(QStringLiteral("BigGraph"));
    layout_ = new ProportionalLayout(this, kBigGraphDesignTwips);
    controls_ = buildBigGraphControls(*this, *layout_);
    modelCheck_ = new ModelCheck(*this, *layout_, controls_, state_, messages_);
    baselineView_ = new BaselineView(*this, *layout_, controls_);
    sensitivity_ = new GraphSensitivity(*this, *layout_, state_, view_);
    // At the natural scale the design size is exactly the window size above.
    resize(
        static_cast<int>(kBigGraphDesignTwips.width() * ProportionalLayout::kNaturalPixelsPerTwip),
        static_cast<int>(kBigGraphDesignTwips.height() *
                         ProportionalLayout::kNaturalPixelsPerTwip));
    connectControls();
    watchArrowKeys();
    // After the arrow keys are watched: its table keeps Up and Down for moving between rows.
    readings_ = new ReadingsPanel(*this, *layout_, controls_, state_, messages_);
    connect(readings_, &ReadingsPanel::readingsAccepted, this, &BigGraph::readingsAccepted);
}

void BigGraph::followProject(ProjectParts parts) {
    const ProjectParts curves = ProjectParts::coordinates() | ProjectPart::Travel |
                                ProjectPart::CarStyle | ProjectPart::Track;
    if (parts.any(curves)) {
        initialise();
    } else if (parts.any(ProjectPart::Readings | ProjectPart::Vehicle)) {
        redraw();
        if (controls_.frmDataTable->isVisible()) {
            showDataTable();
        }
    }
}

void BigGraph::followSide() {
    setWindowTitle(qText(graphWindowCaption(state_.Right_Active, shownGraph(state_))));
    initialise();
}

BigGraph::~BigGraph() = default;

void BigGraph::connectControls() {
    const BigGraphControls& c = controls_;
    connect(c.btnMovUP, &QAbstractButton::clicked, this, &BigGraph::stepUp);
    connect(c.btnMovDown, &QAbstractButton::clicked, this, &BigGraph::stepDown);
    connect(c.btnShwData, &QPushButton::clicked, this, &BigGraph::showDataTable);
    connect(c.btnDataTableOK, &QPushButton::clicked, c.frmDataTable, &QWidget::hide);
    connect(c.btnSuggest, &QPushButton::clicked, this, &BigGraph::showSuggestions);
    connect(c.btnSuggestOK, &QPushButton::clicked, c.frmSuggest, &QWidget::hide);
    connect(c.btnReturn, &QPushButton::clicked, this, &QWidget::hide);
    connect(c.btnPrint, &QPushButton::clicked, this, &BigGraph::printRequested);
    addPrintShortcut(*this, *c.btnPrint);
    // The 3-D check only adds a curve: the wheel position the user picked stays.
    connect(modelCheck_, &ModelCheck::toggled, this, [this] {
        redraw();
        if (controls_.frmDataTable->isVisible()) {
            showDataTable();
        }
    });
}

// The window sees Up and Down before whichever control has the focus (the list box and the
// buttons would otherwise take them for themselves).
void BigGraph::watchArrowKeys() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool BigGraph::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) {
            stepUp();
            return true;
        }
        if (key == Qt::Key_Down) {
            stepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool BigGraph::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        initialise();
    }
    return QWidget::event(event);
}

void BigGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    initialise();
}

void BigGraph::showGraph(GraphKind kind) {
    setWindowTitle(qText(graphWindowCaption(state_.Right_Active, kind)));
    selectGraph(state_, kind);
    show();
    raise();
    activateWindow();
    // Where the window system does not activate the window (already active, or refused),
    // the activation would not redraw it; drawing here as well costs little.
    initialise();
}

void BigGraph::initialise() {
    view_.initialise(state_);
    showLabels();
    redraw();
    sensitivity_->follow();
}

void BigGraph::redraw() {
    if (!baselineView_->drawPicture(view_)) {
        drawGraphPicture(controls_.picGraph->canvas(), graphPlotOf(view_), view_.CurPos());
    }
    modelCheck_->drawOver(view_);
    readings_->drawOver(view_, baselineView_->result(view_) != nullptr);
    showMessage();
    drawPicture();
}

void BigGraph::showLabels() {
    showRangeLabels(controls_, view_.travelLabels(), view_.axisLabels());
}

void BigGraph::drawPicture() {
    DrawPic(controls_.picSus->canvas(), state_, pictureViewOf(view_));
}

void BigGraph::showMessage() {
    controls_.lblGeoMess->setText(qText(baselineView_->message(view_)));
}

void BigGraph::stepUp() {
    const int from = view_.CurPos();
    if (view_.stepUp()) {
        afterStep(from);
    }
}

void BigGraph::stepDown() {
    const int from = view_.CurPos();
    if (view_.stepDown()) {
        afterStep(from);
    }
}

void BigGraph::afterStep(int from) {
    if (!baselineView_->afterStep(view_, from)) {
        moveGraphMarker(controls_.picGraph->canvas(), graphPlotOf(view_), from, view_.CurPos());
    }
    modelCheck_->afterStep(view_);
    readings_->afterStep(view_, baselineView_->result(view_) != nullptr);
    drawPicture();
    showMessage();
}

void BigGraph::showDataTable() {
    const DataTable table = view_.PutDataInDataTable();
    controls_.lblDataPos->setText(qText(table.positionCaption()));
    controls_.lblDataMeas->setText(qText(table.valueCaption()));
    modelCheck_->fillDataTable(view_);
    baselineView_->fillDataTable(view_);
    readings_->fillDataTable(view_);
    arrangeDataTable(*layout_, controls_);
    controls_.frmDataTable->show();
    controls_.frmDataTable->raise();
}

std::vector<std::string> BigGraph::refreshSuggestions() {
    std::vector<std::string> items =
        Generate_Suggestions(state_, view_.GraphData(), view_.NumPoints());
    controls_.lstSuggest->clear();
    for (const std::string& item : items) {
        controls_.lstSuggest->addItem(qText(item));
    }
    return items;
}

void BigGraph::showSuggestions() {
    refreshSuggestions();
    controls_.frmSuggest->show();
    controls_.frmSuggest->raise();
}

} // namespace velmora
