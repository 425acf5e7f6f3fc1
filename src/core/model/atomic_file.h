#pragma once

#include <string>
#include <string_view>

// Every file the programs write (projects, pictures, pages) goes through here, so a failed
// write never destroys the previous file and never leaves a partial one.
namespace velmora {

// Writes `contents` to a new file beside `path`, flushes it to disk and renames it over
// `path`. Only a regular file or a new name is written: a device, a named pipe or a folder is
// refused untouched. A symbolic link is followed (the link stays, the file it names is
// replaced), and a replaced file keeps its permissions and, where allowed, its owner. A file
// the user may not write is refused. On any failure the temporary file is removed, an
// existing file at `path` is left untouched, `error` (when given) is the file and the reason
// ("/home/me/car.kqw: Permission denied") and the result is false.
bool writeFileAtomically(const std::string& path, std::string_view contents,
                         std::string* error = nullptr);

} // namespace velmora
