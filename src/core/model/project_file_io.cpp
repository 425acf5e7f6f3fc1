#include "model/project_file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

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

// Pushes the written bytes out of the process and, where the system allows, onto the disk,
// so that the rename never publishes a file whose contents are still only in memory.
bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#if defined(__unix__) || defined(__APPLE__)
    return ::fsync(::fileno(file)) == 0;
#else
    return true;
#endif
}

// Opens a new file next to `target` that no other file has the name of ("x": fail rather
// than reuse an existing one).
std::FILE* createTemporaryBeside(const std::string& target, std::string& tempPath) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = target + ".tmp" + std::to_string(random() % 1000000);
        if (std::FILE* file = std::fopen(tempPath.c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return nullptr;
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

bool writeFileAtomically(const std::string& path, std::string_view contents, std::string* error) {
    std::string tempPath;
    std::FILE* file = createTemporaryBeside(path, tempPath);
    if (file == nullptr) {
        setError(error, "cannot create a file beside " + path + ": " + std::strerror(errno));
        return false;
    }
    const bool written =
        std::fwrite(contents.data(), 1, contents.size(), file) == contents.size() &&
        flushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        setError(error, "cannot write " + tempPath);
        std::remove(tempPath.c_str());
        return false;
    }
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        setError(error, path + " is a folder");
        std::remove(tempPath.c_str());
        return false;
    }
    fs::rename(tempPath, path, ec);
    if (ec) {
        setError(error, "cannot replace " + path + ": " + ec.message());
        std::remove(tempPath.c_str());
        return false;
    }
    return true;
}

bool writeProjectFile(const std::string& path, const SuspensionState& state, std::string* error) {
    return writeFileAtomically(path, writeProjectText(state), error);
}

} // namespace velmora
