#include "graph_names.h"

#include <map>

namespace velmora::cli {
namespace {

const std::map<std::string, GraphKind>& kinds() {
    static const std::map<std::string, GraphKind> names = {{"camber", GraphKind::Camber},
                                                           {"sidescrub", GraphKind::SideScrub},
                                                           {"foreaft", GraphKind::ForeAft},
                                                           {"caster", GraphKind::Caster},
                                                           {"bumpsteer", GraphKind::BumpSteer}};
    return names;
}

} // namespace

std::vector<std::string> graphNames() {
    std::vector<std::string> names;
    for (const auto& entry : kinds()) {
        names.push_back(entry.first);
    }
    return names;
}

GraphKind graphKindNamed(const std::string& name) {
    const auto found = kinds().find(name);
    return found == kinds().end() ? GraphKind::Camber : found->second;
}

bool isLengthCurve(GraphKind kind) {
    return kind == GraphKind::SideScrub || kind == GraphKind::ForeAft;
}

} // namespace velmora::cli
