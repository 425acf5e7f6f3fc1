#include "model/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora {
namespace {

namespace fs = std::filesystem;

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
// than reuse an existing one). On failure `reason` is the system's errno.
std::FILE* createTemporaryBeside(const std::string& target, std::string& tempPath, int& reason) {
    std::random_device seed;
    std::mt19937 random(seed());
    reason = EEXIST;
    for (int attempt = 0; attempt < 16 && reason == EEXIST; ++attempt) {
        tempPath = target + ".tmp" + std::to_string(random() % 1000000);
        if (std::FILE* file = std::fopen(tempPath.c_str(), "wbx")) {
            reason = 0;
            return file;
        }
        reason = errno;
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
    std::string refusal;                  // why nothing may be written at `path`
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

// The system's wording of `reason` ("Permission denied", "No space left on device").
std::string systemReason(int reason) {
    return std::generic_category().message(reason);
}

// Where a save really writes. A symbolic link is followed to the file it names (the link
// stays and the file it points to is replaced), and only a regular file or a name that does
// not exist yet is written: renaming over a device, a named pipe or a folder would replace
// something that is not a project with a plain file. A file the user may not write (marked
// read-only) is refused too, although renaming over it would succeed.
WriteTarget resolveWriteTarget(const std::string& requested) {
    WriteTarget target;
    fs::path current(requested);
    // Links may chain; a loop is refused rather than followed forever.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        const fs::file_status link = fs::symlink_status(current, ec);
        target.path = current.string();
        if (ec || link.type() == fs::file_type::not_found) {
            return target; // a new file
        }
        if (link.type() == fs::file_type::symlink) {
            const fs::path pointee = fs::read_symlink(current, ec);
            if (ec) {
                target.refusal = "cannot follow the link: " + ec.message();
                return target;
            }
            current = pointee.is_absolute() ? pointee : current.parent_path() / pointee;
            continue;
        }
        if (link.type() == fs::file_type::directory) {
            target.refusal = "is a folder";
        } else if (link.type() != fs::file_type::regular) {
            target.refusal = "not a regular file";
        } else {
#if defined(__unix__) || defined(__APPLE__)
            if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
                target.refusal = systemReason(errno);
                return target;
            }
#endif
            target.existing = identityOf(target.path);
        }
        return target;
    }
    target.path = requested;
    target.refusal = systemReason(ELOOP);
    return target;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view contents, std::string* error) {
    const WriteTarget target = resolveWriteTarget(path);
    // Every failure names the file the user asked for (or the one its link names) and gives
    // the reason, never the temporary's name.
    auto fail = [&](const std::string& reason) {
        setError(error, target.path + ": " + reason);
        return false;
    };
    if (!target.refusal.empty()) {
        return fail(target.refusal);
    }
    std::string tempPath;
    int reason = 0;
    std::FILE* file = createTemporaryBeside(target.path, tempPath, reason);
    if (file == nullptr) {
        return fail(systemReason(reason));
    }
    // errno is taken at the first step that fails: closing or removing afterwards may change it.
    auto failedStep = [] { return errno != 0 ? errno : EIO; };
    errno = 0;
    if (std::fwrite(contents.data(), 1, contents.size(), file) != contents.size()) {
        reason = failedStep();
    }
    if (reason == 0 && target.existing && !keepOwnerAndMode(file, *target.existing)) {
        reason = failedStep();
    }
    if (reason == 0 && !flushToDisk(file)) {
        reason = failedStep();
    }
    if (std::fclose(file) != 0 && reason == 0) {
        reason = failedStep();
    }
    if (reason != 0) {
        std::remove(tempPath.c_str());
        return fail(systemReason(reason));
    }
    // The target may have changed kind while the temporary was written.
    const WriteTarget again = resolveWriteTarget(target.path);
    if (!again.refusal.empty()) {
        std::remove(tempPath.c_str());
        return fail(again.refusal);
    }
    std::error_code ec;
    fs::rename(tempPath, target.path, ec);
    if (ec) {
        std::remove(tempPath.c_str());
        return fail(ec.message());
    }
    return true;
}

} // namespace velmora
