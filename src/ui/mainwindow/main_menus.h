#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace velmora {

// The main window's menu bar: File, Edit, Options, Track Type, Car Type and Chassis. Every entry is
// named after its command (mnuOpen, mnuTrackDirtO, ...); the track and car entries carry check
// marks, the dirt oval and the GM car checked as designed. Only Undo and Redo are ever greyed,
// while there is nothing to take back or to do again.
struct MainMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuImportCoords = nullptr; // both sides from a CSV file
    QAction* mnuExportCoords = nullptr;
    QAction* mnuLine = nullptr;
    QAction* mnuExit = nullptr;

    // Undo and redo of the coordinate sets, in memory only.
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    // Inches or millimetres for every length shown and typed (checked, one of the two).
    QMenu* mnuUnits = nullptr;
    QAction* mnuUnitsInches = nullptr;
    QAction* mnuUnitsMillimetres = nullptr;

    QMenu* mnuOptions = nullptr;
    QAction* mnuOptTravel = nullptr;
    QAction* mnuPrint = nullptr;

    QMenu* mnuTrackType = nullptr;
    QAction* mnuTrackDirtO = nullptr;
    QAction* mnuTrackAsphaltO = nullptr;
    QAction* mnuTrackRoad = nullptr;

    QMenu* mnuCarType = nullptr;
    QAction* mnuCarGM = nullptr;
    QAction* mnuCarFord = nullptr;
    QAction* mnuCarFormula = nullptr;

    QMenu* mnuChassis = nullptr;
    QAction* mnuDiveRoll = nullptr;
    QAction* mnuSteering = nullptr;
    QAction* mnuVehicleData = nullptr;
    QAction* mnuSprings = nullptr;
    QAction* mnuRates = nullptr;
    QAction* mnuView3d = nullptr;
    // A baseline for the session, drawn beneath the current curves.
    QAction* mnuSetBaseline = nullptr;
    QAction* mnuOpenBaseline = nullptr;
    QAction* mnuClearBaseline = nullptr;
    QAction* mnuAdjustPoint = nullptr;
};

MainMenus buildMainMenus(QMenuBar* bar);

} // namespace velmora
