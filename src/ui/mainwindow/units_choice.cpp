#include "ui/mainwindow/units_choice.h"

#include "model/shown_length.h"
#include "ui/mainwindow/main_menus.h"
#include "ui/project/project_document.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QSettings>

namespace velmora {
namespace {

const QString kUnitsKey = QStringLiteral("display/units");

// The program's own settings file (~/.config/Velmora/Velmora.conf); a test program keeps its
// own under its name, so a test never changes the user's choice.
QSettings settings() {
    const QString name = QCoreApplication::applicationName();
    return QSettings(name, name);
}

} // namespace

UnitsChoice::UnitsChoice(const MainMenus& menus, ProjectDocument& document, QObject* parent)
    : QObject(parent), menus_(menus), document_(document) {
    auto* group = new QActionGroup(this);
    group->addAction(menus.mnuUnitsInches);
    group->addAction(menus.mnuUnitsMillimetres);
    menus.mnuUnitsInches->setChecked(!showsMillimetres());
    menus.mnuUnitsMillimetres->setChecked(showsMillimetres());
    connect(menus.mnuUnitsInches, &QAction::triggered, this, [this] { choose(false); });
    connect(menus.mnuUnitsMillimetres, &QAction::triggered, this, [this] { choose(true); });
}

void UnitsChoice::restoreSaved() {
    const QString saved = settings().value(kUnitsKey).toString();
    setDisplayUnit(saved == QLatin1String("mm") ? LengthUnit::Millimetres : LengthUnit::Inches);
}

void UnitsChoice::choose(bool millimetres) {
    menus_.mnuUnitsInches->setChecked(!millimetres);
    menus_.mnuUnitsMillimetres->setChecked(millimetres);
    if (millimetres == showsMillimetres()) {
        return;
    }
    setDisplayUnit(millimetres ? LengthUnit::Millimetres : LengthUnit::Inches);
    settings().setValue(kUnitsKey, millimetres ? QStringLiteral("mm") : QStringLiteral("in"));
    document_.retell("Units");
}

} // namespace velmora
