#include "model/project_file_io.h"

#include "model/project.h"

#include "model/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace velmora {
namespace {

namespace fs = std::filesystem;

ProjectReadResult unreadable(ProjectErrorKind kind, std::string detail) {
    ProjectReadResult result;
    result.error = ProjectError{kind, 0, std::move(detail)};
    return result;
}

void setError(std::string* error, std::string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
}

} // namespace

ProjectReadResult readProjectFile(const std::string& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status)) {
        return unreadable(ProjectErrorKind::Unreadable, "not a readable file: " + path);
    }
    const auto size = fs::file_size(path, ec);
    if (ec) {
        return unreadable(ProjectErrorKind::Unreadable, "cannot tell the size of " + path);
    }
    if (size > kMaxProjectFileBytes) {
        return unreadable(ProjectErrorKind::TooLarge, "the file is larger than a project can be");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return unreadable(ProjectErrorKind::Unreadable, "cannot open " + path);
    }
    // Ask for one byte more than the size: a file that grew since its size was taken then
    // still reaches readProjectText over the limit and is refused there.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return unreadable(ProjectErrorKind::Unreadable, "cannot read " + path);
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readProjectText(bytes, path);
}

ProjectSaveResult writeProjectFile(const std::string& path, const SuspensionState& state,
                                   std::string* error) {
    return writeProjectFile(path, projectOf(state), error);
}

ProjectSaveResult writeProjectFile(const std::string& path, const Project& project,
                                   std::string* error) {
    const std::string text = writeProjectText(project);
    if (text.size() > kMaxProjectFileBytes) {
        setError(error, "the project is larger than a project file can be");
        return ProjectSaveResult::TooLarge;
    }
    return writeFileAtomically(path, text, error) ? ProjectSaveResult::Saved
                                                  : ProjectSaveResult::Failed;
}

} // namespace velmora
