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
// `path`. On any failure the temporary file is removed, an existing file at `path` is left
// untouched, `error` (when given) says what failed and the result is false.
bool writeFileAtomically(const std::string& path, std::string_view contents,
                         std::string* error = nullptr);

// Save: the native records of `state`, written atomically.
bool writeProjectFile(const std::string& path, const SuspensionState& state,
                      std::string* error = nullptr);

} // namespace velmora
