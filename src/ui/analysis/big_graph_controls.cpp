#include "ui/analysis/big_graph_controls.h"

#include "analysis/graph_drawing.h"
#include "analysis/graph_view.h"
#include "analysis/suspension_picture.h"
#include "ui/analysis/arrow_caption.h"
#include "ui/analysis/data_table_columns.h"
#include "ui/widgets/blank_wrap_label.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/proportional_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>

namespace velmora {

namespace {

// Label rows beside and under the graph; the graph's grid lines lie about 542 twips apart,
// and each label is centred on its line.
constexpr int kLabelHeight = 240;
constexpr int kTravelLabelLeft = 4365;
constexpr int kTravelLabelRight = 5010;
constexpr std::array<int, 8> kTravelLabelTops = {0, 600, 1080, 1680, 2760, 3240, 3840, 4320};
constexpr std::array<int, 7> kAxisLabelLefts = {5520, 6120, 6600, 7200, 7680, 8280, 8760};
constexpr int kAxisLabelTop = 4680;
constexpr int kButtonTop = 5880;

// The range labels by name, each with the field of the graph view it shows: beside the graph
// top to bottom, under it left to right.
template <class Labels> struct RangeLabel {
    const char* name;
    std::string Labels::*text;
};

constexpr std::array<RangeLabel<TravelLabels>, 8> kTravelLabels = {{
    {"lblRangeY4", &TravelLabels::bump4},
    {"lblRangeY3", &TravelLabels::bump3},
    {"lblRangeY2", &TravelLabels::bump2},
    {"lblRangeY1", &TravelLabels::bump1},
    {"lblRangeYNeg1", &TravelLabels::rebound1},
    {"lblRangeYNeg2", &TravelLabels::rebound2},
    {"lblRangeYNeg3", &TravelLabels::rebound3},
    {"lblRangeYNeg4", &TravelLabels::rebound4},
}};

constexpr std::array<RangeLabel<AxisLabels>, 6> kAxisLabels = {{
    {"lblRangeXNeg3", &AxisLabels::negative3},
    {"lblRangeXNeg2", &AxisLabels::negative2},
    {"lblRangeXNeg1", &AxisLabels::negative1},
    {"lblRangeX1", &AxisLabels::positive1},
    {"lblRangeX2", &AxisLabels::positive2},
    {"lblRangeX3", &AxisLabels::positive3},
}};

const QColor kMessageBlue(0, 0, 255);

QLabel* addLabel(QWidget& parent, ProportionalLayout& layout, const QString& name,
                 const QString& text, const QRect& design, Qt::Alignment alignment) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(name);
    label->setAlignment(alignment);
    layout.add(label, design);
    return label;
}

QPushButton* addButton(QWidget& parent, ProportionalLayout& layout, const QString& name,
                       const QString& text, const QRect& design) {
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout.add(button, design);
    return button;
}

void makeBlue(QLabel& label) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, kMessageBlue);
    label.setPalette(palette);
}

// The stepping buttons show a black triangle pointing the way the wheel moves.
QPixmap arrowPicture(bool up) {
    constexpr int kSize = 32;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPolygonF upward({QPointF(16, 6), QPointF(28, 24), QPointF(4, 24)});
    const QPolygonF downward({QPointF(16, 26), QPointF(28, 8), QPointF(4, 8)});
    painter.drawPolygon(up ? upward : downward);
    return picture;
}

PictureButton* addStepButton(QWidget& parent, ProportionalLayout& layout, const QString& name,
                             bool up, int top) {
    // The caption is the fallback should the picture be missing.
    auto* button = new PictureButton(up ? QStringLiteral("Up") : QStringLiteral("Dn"), &parent);
    button->setObjectName(name);
    button->setPicture(arrowPicture(up));
    button->setText(QString());
    layout.add(button, QRect(240, top, 375, 375));
    return button;
}

QGroupBox* addFrame(QWidget& parent, ProportionalLayout& layout, const QString& name,
                    const QString& title, const QRect& design) {
    auto* frame = new QGroupBox(title, &parent);
    frame->setObjectName(name);
    // A frame covers what lies under it, like the dialog frames of the main window.
    frame->setAutoFillBackground(true);
    layout.add(frame, design);
    frame->hide();
    return frame;
}

void buildSurfaces(QWidget& window, ProportionalLayout& layout, BigGraphControls& c) {
    c.picSus = new DrawingSurface(&window);
    c.picSus->setObjectName(QStringLiteral("picSus"));
    c.picSus->setBackgroundColor(colors::LightGrey);
    layout.add(c.picSus, QRect(120, 120, kPictureSurfaceDesignTwips.width,
                               kPictureSurfaceDesignTwips.height));

    c.picGraph = new DrawingSurface(&window);
    c.picGraph->setObjectName(QStringLiteral("picGraph"));
    c.picGraph->setBackgroundColor(colors::Black);
    layout.add(c.picGraph,
               QRect(5040, 120, kGraphSurfaceDesignTwips.width, kGraphSurfaceDesignTwips.height));
}

void buildAxisLabels(QWidget& window, ProportionalLayout& layout, BigGraphControls& c) {
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    // Right-aligned against the graph and wide enough for "-2.25" or "-10.5" whatever
    // the font; they only reach into the gap between the two pictures.
    for (std::size_t i = 0; i < kTravelLabels.size(); ++i) {
        c.travelLabels[i] =
            addLabel(window, layout, QString::fromLatin1(kTravelLabels[i].name), QString(),
                     QRect(kTravelLabelLeft, kTravelLabelTops[i],
                           kTravelLabelRight - kTravelLabelLeft, kLabelHeight),
                     right);
    }
    addLabel(window, layout, QStringLiteral("lblStatic"), QStringLiteral("static"),
             QRect(kTravelLabelLeft, 2160, kTravelLabelRight - kTravelLabelLeft, kLabelHeight),
             right);

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    std::size_t axisIndex = 0;
    for (std::size_t i = 0; i < kAxisLabelLefts.size(); ++i) {
        const QRect design(kAxisLabelLefts[i], kAxisLabelTop, 480, kLabelHeight);
        if (i == 3) {
            addLabel(window, layout, QStringLiteral("lblZero"), QStringLiteral("0"), design, left);
            continue;
        }
        c.axisLabels[axisIndex] =
            addLabel(window, layout, QString::fromLatin1(kAxisLabels[axisIndex].name), QString(),
                     design, left);
        ++axisIndex;
    }

    auto* change = new ArrowCaption(QStringLiteral("Amount of change"), Qt::Horizontal, &window);
    change->setObjectName(QStringLiteral("lblAmountOfChange"));
    layout.add(change, QRect(5520, 5040, 3855, 300));
    auto* movement =
        new ArrowCaption(QStringLiteral("Vertical wheel movement"), Qt::Vertical, &window);
    movement->setObjectName(QStringLiteral("lblVerticalMovement"));
    layout.add(movement, QRect(5520, 5400, 3855, 330));

    // The message holds numbers such as " .407": it breaks at blanks only, never inside one.
    c.lblGeoMess = new BlankWrapLabel(&window);
    c.lblGeoMess->setObjectName(QStringLiteral("lblGeoMess"));
    c.lblGeoMess->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.add(c.lblGeoMess, QRect(5520, 5760, 2415, 735));
    makeBlue(*c.lblGeoMess);
}

void buildButtons(QWidget& window, ProportionalLayout& layout, BigGraphControls& c) {
    c.btnMovUP = addStepButton(window, layout, QStringLiteral("btnMovUP"), true, 4680);
    c.btnMovDown = addStepButton(window, layout, QStringLiteral("btnMovDown"), false, 5160);
    QLabel* click = addLabel(window, layout, QStringLiteral("lblClickToMove"),
                             QStringLiteral("Click here to move wheel"),
                             QRect(720, 5040, 3600, 255), Qt::AlignLeft | Qt::AlignVCenter);
    makeBlue(*click);

    c.btnPrint = addButton(window, layout, QStringLiteral("btnPrint"), QStringLiteral("Print"),
                           QRect(240, kButtonTop, 1095, 375));
    c.btnReturn = addButton(window, layout, QStringLiteral("btnReturn"), QStringLiteral("Return"),
                            QRect(1440, kButtonTop, 1095, 375));
    c.btnSuggest = addButton(window, layout, QStringLiteral("btnSuggest"),
                             QStringLiteral("Suggestions"), QRect(2640, kButtonTop, 1095, 375));
    c.btnShwData = addButton(window, layout, QStringLiteral("btnShwData"),
                             QStringLiteral("Show Data"), QRect(3840, kButtonTop, 1095, 375));
}

void buildFrames(QWidget& window, ProportionalLayout& layout, BigGraphControls& c) {
    c.frmSuggest = addFrame(window, layout, QStringLiteral("frmSuggest"),
                            QStringLiteral("Suggestions"), QRect(120, 3000, 3855, 2895));
    c.lstSuggest = new QListWidget(c.frmSuggest);
    c.lstSuggest->setObjectName(QStringLiteral("lstSuggest"));
    // The advice is written as short lines meant to be read as they stand: no wrapping,
    // a horizontal scroll bar for the few that are wider than the list.
    c.lstSuggest->setWordWrap(false);
    c.lstSuggest->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    c.lstSuggest->setSelectionMode(QAbstractItemView::SingleSelection);
    layout.add(c.lstSuggest, QRect(120, 240, 3615, 2010));
    c.btnSuggestOK = addButton(*c.frmSuggest, layout, QStringLiteral("btnSuggestOK"),
                               QStringLiteral("OK"), QRect(2760, 2400, 735, 375));

    const DataTablePlan table = dataTablePlan({});
    c.frmDataTable = addFrame(window, layout, QStringLiteral("frmDataTable"),
                              QStringLiteral("Data Table"), table.frame);
    // Heading, empty line and up to 25 rows must fit the column's height.
    QFont tableFont = c.frmDataTable->font();
    tableFont.setPointSizeF(tableFont.pointSizeF() * 0.8);
    const Qt::Alignment top = Qt::AlignLeft | Qt::AlignTop;
    c.lblDataPos = new QLabel(c.frmDataTable);
    c.lblDataPos->setObjectName(QStringLiteral("lblDataPos"));
    c.lblDataPos->setFont(tableFont);
    c.lblDataPos->setAlignment(top);
    layout.add(c.lblDataPos, table.positions);
    c.lblDataMeas = new QLabel(c.frmDataTable);
    c.lblDataMeas->setObjectName(QStringLiteral("lblDataMeas"));
    c.lblDataMeas->setFont(tableFont);
    c.lblDataMeas->setAlignment(top);
    layout.add(c.lblDataMeas, table.values);
    c.btnDataTableOK = addButton(*c.frmDataTable, layout, QStringLiteral("btnDataTableOK"),
                                 QStringLiteral("OK"), table.ok);

    c.frmSuggest->raise();
    c.frmDataTable->raise();
}

} // namespace

BigGraphControls buildBigGraphControls(QWidget& window, ProportionalLayout& layout) {
    BigGraphControls controls;
    buildSurfaces(window, layout, controls);
    buildAxisLabels(window, layout, controls);
    buildButtons(window, layout, controls);
    buildFrames(window, layout, controls);
    return controls;
}

void showRangeLabels(const BigGraphControls& controls, const TravelLabels& travel,
                     const AxisLabels& axis) {
    for (std::size_t i = 0; i < kTravelLabels.size(); ++i) {
        controls.travelLabels[i]->setText(QString::fromStdString(travel.*kTravelLabels[i].text));
    }
    for (std::size_t i = 0; i < kAxisLabels.size(); ++i) {
        controls.axisLabels[i]->setText(QString::fromStdString(axis.*kAxisLabels[i].text));
    }
}

} // namespace velmora
