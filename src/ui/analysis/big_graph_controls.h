#pragma once

#include <QSize>

#include <array>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmora {

struct AxisLabels;
struct TravelLabels;
class DrawingSurface;
class PictureButton;
class ProportionalLayout;

// Design client area of the graph window, twips.
inline constexpr QSize kBigGraphDesignTwips{9435, 6480};

// The controls of the graph window, each named as the program names it.
struct BigGraphControls {
    DrawingSurface* picSus = nullptr;
    DrawingSurface* picGraph = nullptr;
    std::array<QLabel*, 8> travelLabels{}; // lblRangeY4 .. lblRangeYNeg4, top to bottom
    std::array<QLabel*, 6> axisLabels{};   // lblRangeXNeg3 .. lblRangeX3, left to right
    QLabel* lblGeoMess = nullptr;
    PictureButton* btnMovUP = nullptr;
    PictureButton* btnMovDown = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnReturn = nullptr;
    QPushButton* btnSuggest = nullptr;
    QPushButton* btnShwData = nullptr;
    QGroupBox* frmSuggest = nullptr;
    QListWidget* lstSuggest = nullptr;
    QPushButton* btnSuggestOK = nullptr;
    QGroupBox* frmDataTable = nullptr;
    QLabel* lblDataPos = nullptr;
    QLabel* lblDataMeas = nullptr;
    QPushButton* btnDataTableOK = nullptr;
};

// Creates every control of the graph window inside `window` and records its design
// rectangle with `layout`. Both frames start hidden and lie above the other controls.
BigGraphControls buildBigGraphControls(QWidget& window, ProportionalLayout& layout);

// Puts the travel labels beside the graph and the axis labels under it.
void showRangeLabels(const BigGraphControls& controls, const TravelLabels& travel,
                     const AxisLabels& axis);

} // namespace velmora
