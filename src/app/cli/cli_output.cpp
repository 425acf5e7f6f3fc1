#include "cli_output.h"

#include "cli_common.h"

#include "model/atomic_file.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <streambuf>
#include <unistd.h>

namespace velmora::cli {

void writeOutputFile(const std::string& path, std::string_view bytes, std::string_view kind) {
    std::string error;
    if (!writeFileAtomically(path, bytes, &error)) {
        // The error already names the file; saying "cannot write PATH" again would repeat it.
        throw UsageError(std::string(kind) + " not written: " + error);
    }
}

void refuseToReplaceProject(const std::string& path, const std::string& project,
                            std::string_view kind) {
    std::error_code ec;
    if (std::filesystem::equivalent(path, project, ec)) {
        throw UsageError(std::string(kind) + " not written: " + path +
                         " is the project file it is made from");
    }
}

void reportMessages(const std::vector<Message>& messages) {
    for (const Message& message : messages) {
        std::cerr << message.title << ": " << message.text << '\n';
    }
}

namespace {

// Standard output written with write(2), so that the reason of a failed write is kept:
// the C stream's buffer forgets its error once it has dropped the unwritten bytes.
class CheckedOutputBuffer : public std::streambuf {
public:
    CheckedOutputBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    // 0 while every byte has been written, otherwise the errno of the first failure.
    int failure() const { return failure_; }

protected:
    int_type overflow(int_type ch) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        const char* next = pbase();
        while (failure_ == 0 && next < pptr()) {
            const ssize_t written =
                ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                failure_ = written < 0 ? errno : EIO;
                break;
            }
            next += written;
        }
        // Bytes that cannot be written are dropped; the failure is what matters from here.
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return failure_ == 0;
    }

    std::array<char, 1 << 16> buffer_{};
    int failure_ = 0;
};

CheckedOutputBuffer& checkedOutput() {
    // Never destroyed: std::cout flushes at exit, after the program's own statics are gone.
    static auto* buffer = new CheckedOutputBuffer;
    return *buffer;
}

} // namespace

void checkStandardOutput() {
    std::cout.rdbuf(&checkedOutput());
}

bool finishStandardOutput() {
    std::cout.flush();
    // Anything printed through the C stream goes out too.
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    int reason = checkedOutput().failure();
    if (reason == 0 && !flushed) {
        reason = errno;
    }
    if (reason == 0 && flushed && std::cout.good()) {
        return true;
    }
    std::cerr << "velmora-cli: cannot write standard output";
    if (reason != 0) {
        std::cerr << ": " << std::strerror(reason);
    }
    std::cerr << '\n';
    return false;
}

} // namespace velmora::cli
