#include "ui/mainwindow/balloon_texts.h"

namespace velmora {

QString balloonText(const QString& controlName) {
    if (controlName == QLatin1String("btnDimLTop") || controlName == QLatin1String("btnDimRTop")) {
        return QStringLiteral("Top Arm's Dimensions");
    }
    if (controlName == QLatin1String("btnDimLBottom") ||
        controlName == QLatin1String("btnDimRBottom")) {
        return QStringLiteral("Bottom Arm's Dimensions");
    }
    if (controlName == QLatin1String("btnDimLMisc") ||
        controlName == QLatin1String("btnDimRMisc")) {
        return QStringLiteral("Misc Dimensions");
    }
    if (controlName == QLatin1String("btnDimLXYZ") || controlName == QLatin1String("btnDimRXYZ")) {
        return QStringLiteral("Dimension Table");
    }
    return {};
}

} // namespace velmora
