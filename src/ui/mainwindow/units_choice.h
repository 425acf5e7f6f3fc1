#pragma once

#include <QObject>

namespace velmora {

class ProjectDocument;
struct MainMenus;

// Edit, Units: inches or millimetres for every length the program shows and reads. The choice
// is the user's, remembered across starts (QSettings); the project never changes with it.
// Switching tells every window to show the project again.
class UnitsChoice : public QObject {
    Q_OBJECT

public:
    UnitsChoice(const MainMenus& menus, ProjectDocument& document, QObject* parent);

    // The unit saved by the last run, made the display unit; the program's start calls it
    // before its windows are built.
    static void restoreSaved();

private:
    void choose(bool millimetres);

    const MainMenus& menus_;
    ProjectDocument& document_;
};

} // namespace velmora
