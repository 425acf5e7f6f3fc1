// Feeds arbitrary bytes to the project reader under both file formats, and checks that a
// project that reads writes back to text that reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* path : {"fuzz.kqw", "fuzz.kqp"}) {
        const velmora::ProjectReadResult result = velmora::readProjectText(bytes, path);
        if (result.ok() == result.error.has_value()) {
            std::abort(); // exactly one of project and error
        }
        if (!result.ok()) {
            continue;
        }
        velmora::SuspensionState state;
        velmora::applyProjectData(state, *result.project);
        state.TrackType = result.project->TrackType;
        const velmora::ProjectReadResult again =
            velmora::readProjectText(velmora::writeProjectText(state), "again.kqw");
        if (!again.ok() || again.project->RightCoords != state.RightCoords ||
            again.project->LeftCoords != state.LeftCoords) {
            std::abort();
        }
    }
    return 0;
}
