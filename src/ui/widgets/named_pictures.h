#pragma once

#include "model/suspension_state.h"

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <string>

// Where the program's pictures come from: a file of the picture's name in one of the
// picture folders (a shop's own photograph), otherwise the picture the program draws.
namespace velmora {

// The folders searched for pictures: `chosen` alone when given (tests, or a caller that
// knows), else the folder "pictures" beside the program and the installed share folder.
QStringList pictureFolders(const QString& chosen);

// The photograph that replaces the picture `name`, or a null pixmap when no folder holds a
// readable one.
QPixmap pictureFromFolders(const QStringList& folders, const std::string& name);

// Path of the file that replaces `name`, empty when none does.
QString replacingFile(const QStringList& folders, const std::string& name);

// The drawn picture `name` rendered to a pixmap of `size`; null for an unknown name. Side
// panel pictures do not depend on the coordinates and are kept once rendered.
QPixmap drawnPixmap(const std::string& name, QSize size);

} // namespace velmora
