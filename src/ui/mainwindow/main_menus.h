#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace velmora {

// The main window's menu bar: File, Options, Track Type, Car Type and Chassis. Every entry is named
// after its command (mnuOpen, mnuTrackDirtO, ...); the track and car entries carry check
// marks, the dirt oval and the GM car checked as designed. Nothing here is ever disabled.
struct MainMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuLine = nullptr;
    QAction* mnuExit = nullptr;

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
};

MainMenus buildMainMenus(QMenuBar* bar);

} // namespace velmora
