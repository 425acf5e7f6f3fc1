#pragma once

// Which of the five curves the graph window, its suggestions and its printed page are about.
namespace velmora {

enum class GraphKind { Camber, SideScrub, ForeAft, Caster, BumpSteer };

// Exactly one flag is true while the graph window is shown. Each reader tests them in its own
// order (the window's message, the printed title and the suggestions differ), so they stay
// five flags rather than one enum. The state, the graph view and the suggestions all hold
// this one type, so a flag read anywhere is the same flag.
struct GraphSelection {
    bool CamberGraph = false;
    bool SideScrubGraph = false;
    bool ForeAftGraph = false;
    bool CasterGraph = false;
    bool BumpSteerGraph = false;

    // Sets the flag of `kind` and clears the other four.
    void select(GraphKind kind) {
        CamberGraph = kind == GraphKind::Camber;
        SideScrubGraph = kind == GraphKind::SideScrub;
        ForeAftGraph = kind == GraphKind::ForeAft;
        CasterGraph = kind == GraphKind::Caster;
        BumpSteerGraph = kind == GraphKind::BumpSteer;
    }

    const GraphSelection& graphSelection() const { return *this; }
    GraphSelection& graphSelection() { return *this; }

    bool operator==(const GraphSelection&) const = default;
};

} // namespace velmora
