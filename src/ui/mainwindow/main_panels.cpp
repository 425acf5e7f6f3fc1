#include "ui/mainwindow/main_panels.h"

#include "ui/chassis/springs_frame.h"
#include "ui/chassis/vehicle_data_frame.h"
#include "ui/mainwindow/coordinate_frame.h"
#include "ui/mainwindow/dimension_frame.h"
#include "ui/mainwindow/geometry_frame.h"
#include "ui/mainwindow/help_frame.h"
#include "ui/mainwindow/side_frame.h"
#include "ui/mainwindow/static_frame.h"
#include "ui/mainwindow/travel_frame.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/proportional_layout.h"

#include <QLabel>

namespace velmora {

namespace {

// Positions in the client area, twips.
const QRect kBtnLeft(120, 600, 975, 615);
const QRect kBtnRight(120, 2400, 975, 615);
const QRect kFrmLeft(1320, 0, 8175, 1695);
const QRect kFrmRight(1320, 1920, 8175, 1695);
const QRect kFrmGeo(0, 3600, 9495, 2415);
const QRect kLabel2(2760, 6000, 2535, 255);
const QRect kLblFile(5400, 6000, 4095, 255);
const QRect kFrmTravel(1200, 0, 2415, 1695);
const QRect kFrmStatic(1920, 2040, 4935, 3135);
const QRect kFrmXYZ(2640, 120, 5655, 5775);
const QRect kFrmDimentions(0, 0, 9495, 6015);
const QRect kFrmHelp(0, 0, 9495, 6015);
// Over the side panel, where the travel frame opens.
const QRect kFrmVehicle(1200, 0, 4575, 4215);

void buildSides(QWidget* client, MainPanels& p) {
    ProportionalLayout& layout = *p.layout;
    p.btnLeft = new PictureButton(QStringLiteral("Left"), client);
    p.btnLeft->setObjectName(QStringLiteral("btnLeft"));
    p.btnRight = new PictureButton(QStringLiteral("Right"), client);
    p.btnRight->setObjectName(QStringLiteral("btnRight"));
    for (PictureButton* button : {p.btnLeft, p.btnRight}) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
    }
    layout.add(p.btnLeft, kBtnLeft);
    layout.add(p.btnRight, kBtnRight);

    p.frmLeft = new SideFrame(Side::Left, client);
    p.frmLeft->addToLayout(layout, kFrmLeft);
    p.frmRight = new SideFrame(Side::Right, client);
    p.frmRight->addToLayout(layout, kFrmRight);
    p.frmGeo = new GeometryFrame(client);
    p.frmGeo->addToLayout(layout, kFrmGeo);

    auto* label2 = new QLabel(QStringLiteral("Current File Being Analyzed"), client);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout.add(label2, kLabel2);
    p.lblfile = new QLabel(client);
    p.lblfile->setObjectName(QStringLiteral("lblfile"));
    p.lblfile->setTextFormat(Qt::PlainText);
    layout.add(p.lblfile, kLblFile);
}

// A dialog frame at its place, hidden until it is opened.
template <class Frame> Frame* placed(Frame* frame, ProportionalLayout& layout, const QRect& at) {
    frame->addToLayout(layout, at);
    frame->hide();
    return frame;
}

} // namespace

MainPanels buildMainPanels(QWidget* client, const SuspensionState& state,
                           const QStringList& pictureFolders) {
    MainPanels p;
    p.layout =
        new ProportionalLayout(client, QSize(MainPanels::kClientWidth, MainPanels::kClientHeight));
    buildSides(client, p);
    ProportionalLayout& layout = *p.layout;
    p.frmTravel = placed(new TravelFrame(client), layout, kFrmTravel);
    p.frmStatic = placed(new StaticFrame(client), layout, kFrmStatic);
    p.frmXYZ = placed(new CoordinateFrame(client), layout, kFrmXYZ);
    p.frmDimentions = new DimensionFrame(state, client);
    p.frmDimentions->setPictureFolders(pictureFolders);
    placed(p.frmDimentions, layout, kFrmDimentions);
    p.frmHelp = new HelpFrame(client);
    p.frmHelp->setPictureFolders(pictureFolders);
    placed(p.frmHelp, layout, kFrmHelp);
    p.frmVehicle = placed(new VehicleDataFrame(client), layout, kFrmVehicle);
    p.frmSprings = placed(new SpringsFrame(state, client), layout, kFrmDimentions);
    return p;
}

bool MainPanels::dialogFrameOpen() const {
    const QWidget* client = frmTravel->parentWidget();
    for (const QWidget* frame :
         {static_cast<QWidget*>(frmTravel), static_cast<QWidget*>(frmXYZ),
          static_cast<QWidget*>(frmDimentions), static_cast<QWidget*>(frmHelp),
          static_cast<QWidget*>(frmVehicle), static_cast<QWidget*>(frmSprings)}) {
        if (frame->isVisibleTo(client)) {
            return true;
        }
    }
    return false;
}

} // namespace velmora
