#pragma once

#include <string>
#include <string_view>

#include "model/project_file.h"

// Project files on disk: read whole and parsed, written whole and atomically.
namespace velmora {

// Reads the file at `path` (binary, refused unread when larger than kMaxProjectFileBytes)
// and parses it with readProjectText, the path choosing the format.
ProjectReadResult readProjectFile(const std::string& path);

// Writes `contents` to a new file beside `path`, flushes it to disk and renames it over
// `path`. Only a regular file or a new name is written: a device, a named pipe or a folder is
// refused untouched. A symbolic link is followed (the link stays, the file it names is
// replaced), and a replaced file keeps its permissions and, where allowed, its owner. A file
// the user may not write is refused. On any failure the temporary file is removed, an
// existing file at `path` is left untouched, `error` (when given) is the file and the reason
// ("/home/me/car.kqw: Permission denied") and the result is false.
bool writeFileAtomically(const std::string& path, std::string_view contents,
                         std::string* error = nullptr);

enum class ProjectSaveResult { Saved, TooLarge, Failed };

// Save: the native records of `state`, written atomically. A project whose text would be
// larger than Open reads (the notes make the size) is not written at all: TooLarge, and any
// file at `path` is left as it was.
ProjectSaveResult writeProjectFile(const std::string& path, const SuspensionState& state,
                                   std::string* error = nullptr);

} // namespace velmora
