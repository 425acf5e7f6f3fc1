#include "ui/platform/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace velmora {

QString toolkitFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.isEmpty() && pattern.isEmpty()) {
            continue;
        }
        if (!pattern.isEmpty() && !description.contains(QLatin1Char('('))) {
            description += QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
        filters << (description.isEmpty() ? pattern : description);
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtFileDialogs::openFileName(QWidget* parent, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(),
                                                      toolkitFilter(filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> QtFileDialogs::saveFileName(QWidget* parent, const QString& filter) {
    // The program asks about replacing a file itself only through the dialog; overwriting a
    // project it was asked to save to is what the user chose.
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), QString(),
                                                      toolkitFilter(filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

} // namespace velmora
