#pragma once

#include <string>
#include <string_view>

#include "model/project_file.h"

// Project files on disk: read whole and parsed, written whole and atomically.
namespace velmora {

// Reads the file at `path` (binary, refused unread when larger than kMaxProjectFileBytes)
// and parses it with readProjectText, the path choosing the format.
ProjectReadResult readProjectFile(const std::string& path);

enum class ProjectSaveResult { Saved, TooLarge, Failed };

// Save: the native records of the project, written atomically. A project whose text would be
// larger than Open reads (the notes make the size) is not written at all: TooLarge, and any
// file at `path` is left as it was.
ProjectSaveResult writeProjectFile(const std::string& path, const Project& project,
                                   std::string* error = nullptr);
ProjectSaveResult writeProjectFile(const std::string& path, const SuspensionState& state,
                                   std::string* error = nullptr);

} // namespace velmora
