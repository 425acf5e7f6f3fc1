// Long randomized run of the sweep for manual use:
//   stress_sweep [cases] [seed]
// Feeds the sweep random plausible and absurd corners in both modes and stops at the first
// case that leaves a value that is not finite, overruns the pass budget or reports a data
// error other than once. Build it with the sanitizers to hunt memory and arithmetic faults.
#include "../tests/core/geometry/sweep_random_cases.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace velmora;
    using namespace velmora::testing;
    const long cases = argc > 1 ? std::atol(argv[1]) : 100000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1u;

    RandomSweepCases generator(seed);
    long clean = 0, dataErrors = 0, budgetSpent = 0, maxMessages = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long n = 0; n < cases; ++n) {
        bool staticFrame = false;
        SuspensionState state = generator.next(staticFrame);
        if (staticFrame) {
            RecordingMessageSink frameSink;
            runStaticGeometry(state, frameSink);
        }
        RecordingMessageSink sink;
        const SweepReport report = runSweep(state, sink);
        const std::string defect = sweepDefect(state, report, sink);
        if (!defect.empty()) {
            std::printf("case %ld (seed %u): %s\n", n, seed, defect.c_str());
            return 1;
        }
        clean += sink.messages.empty() ? 1 : 0;
        dataErrors += report.dataError ? 1 : 0;
        budgetSpent += report.passes.rideHeightPasses == kPassLimit ||
                       report.passes.tieRodPasses == kPassLimit;
        maxMessages = std::max(maxMessages, static_cast<long>(sink.messages.size()));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld cases in %.2f s: %ld without messages, %ld data errors (%ld with the "
                "pass budget spent), at most %ld messages in one sweep\n",
                cases, seconds, clean, dataErrors, budgetSpent, maxMessages);
    return 0;
}
