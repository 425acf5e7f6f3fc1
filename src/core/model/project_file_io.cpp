#include "model/project_file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
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

struct FileIdentity {
    unsigned mode = 0;
    long owner = -1;
    long group = -1;
};

struct WriteTarget {
    std::string path;
    std::optional<FileIdentity> existing; // set when a regular file is replaced
    std::string refusal;                  // why nothing may be written there
};

std::optional<FileIdentity> identityOf(const std::string& path) {
#if defined(__unix__) || defined(__APPLE__)
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<unsigned>(info.st_mode & 07777), static_cast<long>(info.st_uid),
                        static_cast<long>(info.st_gid)};
#else
    std::error_code ec;
    const auto perms = fs::status(path, ec).permissions();
    if (ec) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<unsigned>(perms), -1, -1};
#endif
}

// A replaced file keeps who owns it and who may read it: a private project must not come
// back readable by everyone because the temporary was created with the default mode.
bool keepOwnerAndMode(std::FILE* file, const FileIdentity& identity) {
#if defined(__unix__) || defined(__APPLE__)
    const int fd = ::fileno(file);
    // Only the owner (or root) can give a file away; when that fails the file still belongs
    // to whoever saves it, which is what a new file would do.
    if (identity.owner >= 0) {
        [[maybe_unused]] const int ignored =
            ::fchown(fd, static_cast<uid_t>(identity.owner), static_cast<gid_t>(identity.group));
    }
    return ::fchmod(fd, static_cast<mode_t>(identity.mode)) == 0;
#else
    (void)file;
    (void)identity;
    return true;
#endif
}

// Where a save really writes. A symbolic link is followed to the file it names (the link
// stays and the file it points to is replaced), and only a regular file or a name that does
// not exist yet is written: renaming over a device, a named pipe or a folder would replace
// something that is not a project with a plain file.
WriteTarget resolveWriteTarget(const std::string& requested) {
    WriteTarget target;
    fs::path current(requested);
    // Links may chain; a loop is refused rather than followed forever.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        const fs::file_status link = fs::symlink_status(current, ec);
        if (ec || link.type() == fs::file_type::not_found) {
            target.path = current.string();
            return target; // a new file
        }
        if (link.type() == fs::file_type::symlink) {
            const fs::path pointee = fs::read_symlink(current, ec);
            if (ec) {
                target.refusal = "cannot follow the link " + current.string();
                return target;
            }
            current = pointee.is_absolute() ? pointee : current.parent_path() / pointee;
            continue;
        }
        target.path = current.string();
        if (link.type() == fs::file_type::directory) {
            target.refusal = target.path + " is a folder";
        } else if (link.type() != fs::file_type::regular) {
            target.refusal = target.path + " is not a regular file";
        } else {
            target.existing = identityOf(target.path);
        }
        return target;
    }
    target.refusal = requested + ": too many symbolic links";
    return target;
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
    const WriteTarget target = resolveWriteTarget(path);
    if (!target.refusal.empty()) {
        setError(error, target.refusal);
        return false;
    }
    std::string tempPath;
    std::FILE* file = createTemporaryBeside(target.path, tempPath);
    if (file == nullptr) {
        setError(error, "cannot create a file beside " + target.path + ": " + std::strerror(errno));
        return false;
    }
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    if (written && target.existing) {
        written = keepOwnerAndMode(file, *target.existing);
    }
    written = written && flushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        setError(error, "cannot write " + tempPath + ": " + std::strerror(errno));
        std::remove(tempPath.c_str());
        return false;
    }
    // The target may have changed kind while the temporary was written.
    const WriteTarget again = resolveWriteTarget(target.path);
    if (!again.refusal.empty()) {
        setError(error, again.refusal);
        std::remove(tempPath.c_str());
        return false;
    }
    std::error_code ec;
    fs::rename(tempPath, target.path, ec);
    if (ec) {
        setError(error, "cannot replace " + target.path + ": " + ec.message());
        std::remove(tempPath.c_str());
        return false;
    }
    return true;
}

ProjectSaveResult writeProjectFile(const std::string& path, const SuspensionState& state,
                                   std::string* error) {
    const std::string text = writeProjectText(state);
    if (text.size() > kMaxProjectFileBytes) {
        setError(error, "the project is larger than a project file can be");
        return ProjectSaveResult::TooLarge;
    }
    return writeFileAtomically(path, text, error) ? ProjectSaveResult::Saved
                                                  : ProjectSaveResult::Failed;
}

} // namespace velmora
