#include "ui/mainwindow/main_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace velmora {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addEntry(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* addCheckEntry(QMenu* menu, const char* name, const char* caption, bool checked) {
    QAction* action = addEntry(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

} // namespace

MainMenus buildMainMenus(QMenuBar* bar) {
    MainMenus m;
    m.mnuFile = addMenu(bar, "mnuFile", "&File");
    m.mnuNew = addEntry(m.mnuFile, "mnuNew", "&New");
    m.mnuOpen = addEntry(m.mnuFile, "mnuOpen", "&Open");
    m.mnuSave = addEntry(m.mnuFile, "mnuSave", "&Save");
    // The keys every desktop program has; the captions stay the program's own.
    m.mnuNew->setShortcut(QKeySequence::New);
    m.mnuOpen->setShortcut(QKeySequence::Open);
    m.mnuSave->setShortcut(QKeySequence::Save);
    m.mnuImportCoords = addEntry(m.mnuFile, "mnuImportCoords", "&Import Coordinates...");
    m.mnuExportCoords = addEntry(m.mnuFile, "mnuExportCoords", "&Export Coordinates...");
    m.mnuLine = m.mnuFile->addSeparator();
    m.mnuLine->setObjectName(QStringLiteral("mnuLine"));
    m.mnuExit = addEntry(m.mnuFile, "mnuExit", "E&xit");

    m.mnuEdit = addMenu(bar, "mnuEdit", "&Edit");
    m.mnuUndo = addEntry(m.mnuEdit, "mnuUndo", "&Undo");
    m.mnuUndo->setShortcut(QKeySequence::Undo);
    m.mnuRedo = addEntry(m.mnuEdit, "mnuRedo", "&Redo");
    // Ctrl+Y and Ctrl+Shift+Z on every platform, whatever the platform's own redo key is.
    m.mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m.mnuEdit->addSeparator();
    m.mnuUnits = m.mnuEdit->addMenu(QStringLiteral("U&nits"));
    m.mnuUnits->setObjectName(QStringLiteral("mnuUnits"));
    m.mnuUnits->menuAction()->setObjectName(QStringLiteral("mnuUnits"));
    m.mnuUnitsInches = addCheckEntry(m.mnuUnits, "mnuUnitsInches", "&Inches", true);
    m.mnuUnitsMillimetres = addCheckEntry(m.mnuUnits, "mnuUnitsMillimetres", "&Millimetres", false);

    m.mnuOptions = addMenu(bar, "mnuOptions", "&Options");
    m.mnuOptTravel = addEntry(m.mnuOptions, "mnuOptTravel", "&Travel Range");
    m.mnuPrint = addEntry(m.mnuOptions, "mnuPrint", "&Print Garage Worksheets");

    m.mnuTrackType = addMenu(bar, "mnuTrackType", "&Track Type");
    m.mnuTrackDirtO = addCheckEntry(m.mnuTrackType, "mnuTrackDirtO", "&Dirt Oval", true);
    m.mnuTrackAsphaltO = addCheckEntry(m.mnuTrackType, "mnuTrackAsphaltO", "&Asphalt Oval", false);
    m.mnuTrackRoad = addCheckEntry(m.mnuTrackType, "mnuTrackRoad", "&Road Course", false);

    m.mnuCarType = addMenu(bar, "mnuCarType", "&Car Type");
    m.mnuCarGM = addCheckEntry(m.mnuCarType, "mnuCarGM", "&GM Style Stock Car", true);
    m.mnuCarFord = addCheckEntry(m.mnuCarType, "mnuCarFord", "&Ford Style Stock Car", false);
    m.mnuCarFormula = addCheckEntry(m.mnuCarType, "mnuCarFormula", "F&ormula Car", false);

    m.mnuChassis = addMenu(bar, "mnuChassis", "&Chassis");
    m.mnuDiveRoll = addEntry(m.mnuChassis, "mnuDiveRoll", "&Dive and Roll...");
    m.mnuSteering = addEntry(m.mnuChassis, "mnuSteering", "&Steering...");
    m.mnuVehicleData = addEntry(m.mnuChassis, "mnuVehicleData", "&Vehicle Data...");
    m.mnuSprings = addEntry(m.mnuChassis, "mnuSprings", "Spri&ngs and Bar...");
    m.mnuRates = addEntry(m.mnuChassis, "mnuRates", "&Rates and Roll...");
    m.mnuView3d = addEntry(m.mnuChassis, "mnuView3d", "&3-D View...");
    m.mnuChassis->addSeparator();
    m.mnuSetBaseline = addEntry(m.mnuChassis, "mnuSetBaseline", "Set &Baseline");
    m.mnuOpenBaseline = addEntry(m.mnuChassis, "mnuOpenBaseline", "Open Baseline &Project...");
    m.mnuClearBaseline = addEntry(m.mnuChassis, "mnuClearBaseline", "&Clear Baseline");
    m.mnuChassis->addSeparator();
    m.mnuAdjustPoint = addEntry(m.mnuChassis, "mnuAdjustPoint", "&Adjust a Point...");
    return m;
}

} // namespace velmora
