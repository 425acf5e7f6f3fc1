#pragma once

#include <QStringList>

class QLabel;
class QWidget;

namespace velmora {

class CoordinateFrame;
class DimensionFrame;
class GeometryFrame;
class HelpFrame;
class PictureButton;
class ProportionalLayout;
class SideFrame;
class StaticFrame;
class TravelFrame;
class VehicleDataFrame;
class SpringsFrame;
struct SuspensionState;

// The controls of the main window's client area at their design places: the side buttons and
// panels, the "Geometry" frame, the file label, and the dialog frames that open over them
// (hidden until opened). All are children of the client widget.
struct MainPanels {
    // Design client area, twips.
    static constexpr int kClientWidth = 9555;
    static constexpr int kClientHeight = 6345;

    ProportionalLayout* layout = nullptr;
    PictureButton* btnLeft = nullptr;
    PictureButton* btnRight = nullptr;
    SideFrame* frmLeft = nullptr;
    SideFrame* frmRight = nullptr;
    GeometryFrame* frmGeo = nullptr;
    QLabel* lblfile = nullptr;
    TravelFrame* frmTravel = nullptr;
    StaticFrame* frmStatic = nullptr;
    CoordinateFrame* frmXYZ = nullptr;
    DimensionFrame* frmDimentions = nullptr;
    HelpFrame* frmHelp = nullptr;
    VehicleDataFrame* frmVehicle = nullptr;
    SpringsFrame* frmSprings = nullptr;

    // Whether one of the dialog frames is open over the normal layout.
    bool dialogFrameOpen() const;
};

// Builds every control of `client`; the wizard reads the side it shows from `state`.
MainPanels buildMainPanels(QWidget* client, const SuspensionState& state,
                           const QStringList& pictureFolders);

} // namespace velmora
