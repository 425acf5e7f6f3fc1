// Start-up on a real display: the desktop program against a bare Qt window of the same size,
// each started as its own process, alternately, and timed from the start of the process to
// the first expose of its window (both print "shown" then and end, VELMORA_QUIT_WHEN_SHOWN).
// The ratio of the medians is what matters: it leaves out how fast the machine and the X
// server are. Needs DISPLAY (Xvfb will do); without one it reports an error and measures
// nothing.
#include <benchmark/benchmark.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds from the start of `program` to its "shown" line; nothing when it failed, did
// not show its window within half a minute, or ended without one.
std::optional<double> timeToShown(const char* program) {
    int out[2];
    if (pipe(out) != 0) {
        return std::nullopt;
    }
    std::vector<std::string> env{"VELMORA_QUIT_WHEN_SHOWN=1", "QT_QPA_PLATFORM=xcb"};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "VELMORA_QUIT_WHEN_SHOWN=", 24) != 0 &&
            std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) {
            env.emplace_back(*entry);
        }
    }
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }

    std::optional<double> elapsed;
    std::string text;
    const Clock::time_point deadline = start + std::chrono::seconds(30);
    while (!elapsed) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd wait{out[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        char buffer[256];
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0) {
            break; // ended without showing its window
        }
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.find("shown") != std::string::npos) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    close(out[0]);
    // The next start waits for this one to be gone, so that the two never share the machine.
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// state.range(0) starts of each program, after one of each that is not counted (it fills the
// file system's and the font configuration's caches).
void BM_StartUpAgainstBareWindow(benchmark::State& state) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        state.SkipWithError("no DISPLAY: start an X server (Xvfb :77 &) and set DISPLAY=:77");
        return;
    }
    for (auto _ : state) {
        std::vector<double> program;
        std::vector<double> bare;
        for (std::int64_t i = -1; i < state.range(0); ++i) {
            const std::optional<double> one = timeToShown(VELMORA_GUI);
            const std::optional<double> other = timeToShown(VELMORA_BARE_WINDOW);
            if (!one || !other) {
                state.SkipWithError("a program did not show its window and end");
                return;
            }
            if (i >= 0) {
                program.push_back(*one);
                bare.push_back(*other);
            }
        }
        const double programMs = median(program);
        const double bareMs = median(bare);
        state.SetIterationTime(programMs / 1000);
        state.counters["velmora_ms"] = programMs;
        state.counters["bare_ms"] = bareMs;
        state.counters["ratio"] = programMs / bareMs;
    }
}
BENCHMARK(BM_StartUpAgainstBareWindow)
    ->Arg(10)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
