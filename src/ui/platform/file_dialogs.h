#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace velmora {

// The standard open and save dialogs. Filters are in the program's own form,
// "Tarsyn (*.kqw)|*.kqw|Orrin dos(*.kqp)|*.kqp" (description, pattern, description, ...);
// nullopt means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& filter) = 0;
};

// The toolkit's dialogs.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter) override;
};

// "Tarsyn (*.kqw)|*.kqw|Orrin dos(*.kqp)|*.kqp" -> "Tarsyn (*.kqw);;Orrin dos(*.kqp)": the
// descriptions become the toolkit's filters. A description without a pattern in brackets
// gets its pattern appended, so the toolkit still filters by it.
QString toolkitFilter(const QString& filter);

// The filters of the project files: Open (and Open Baseline Project) reads both kinds, Save
// writes the native one.
inline const QString kProjectOpenFilter =
    QStringLiteral("Tarsyn (*.kqw)|*.kqw|Orrin dos(*.kqp)|*.kqp");
inline const QString kProjectSaveFilter = QStringLiteral("Tarsyn (*.kqw)|*.kqw");

} // namespace velmora
