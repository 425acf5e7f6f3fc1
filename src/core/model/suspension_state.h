#pragma once

#include "model/graph_selection.h"
#include "model/sweep_result.h"
#include "model/vehicle_data.h"

#include <array>
#include <string>

namespace velmora {

// One front corner: 26 single-precision values, indexes 1..26 (0 and 27 carry nothing).
// X values 1..9, Y values 10..18, Z values 19..26; index 9 is the tire centre's distance
// from the centreline, index 18 the spindle height. 0 means "not entered".
struct CoordinateSet {
    static constexpr int kFirst = 1;
    static constexpr int kLast = 26;

    std::array<float, 28> values{};

    float& operator[](int index) { return values.at(static_cast<std::size_t>(index)); }
    float operator[](int index) const { return values.at(static_cast<std::size_t>(index)); }
    bool operator==(const CoordinateSet&) const = default;
};

// Product of the 26 values in index order, formed in double precision: a side is complete
// exactly when it is not zero. Kept as a product (not "all non-zero") because callers also
// look at its sign.
double completenessProduct(const CoordinateSet& set);
bool isComplete(const CoordinateSet& set);

// Rows of the working point set (SusPoints), 1..8.
enum SusPoint : int {
    TopFront = 1,
    TopRear = 2,
    TopBall = 3,
    BottomFront = 4,
    BottomRear = 5,
    BottomBall = 6,
    TieRodInner = 7,
    TieRodOuter = 8,
};

// The state the main window owns for the whole run: the inputs of the passes (both corners,
// the travel, the active side) and the results of the last sweep, which only apply() writes.
// Names follow the program's own vocabulary so the UI, the sweep and the printouts all speak
// of the same values. The graph selection's flags are part of it (state.CamberGraph ...).
struct SuspensionState : GraphSelection {
    CoordinateSet RightCoords;
    CoordinateSet LeftCoords;

    // Analysis options, inches, single precision like everything the user can set.
    float VU = 3.0f; // bump travel
    float VD = 3.0f; // rebound travel
    float VI = 0.0f; // (VU + VD) / 6, recomputed by every sweep
    float VY = 0.0f; // sweep step VI / 4, recomputed by every sweep

    bool Right_Active = false;
    std::string CarStyle = "GM"; // "GM", "Ford" or "formula"
    std::string TrackType;       // "Dirt", "Asphalt", "Road" or empty
    bool FormulaCar = false;
    std::string Lfile;
    std::string Note_text;
    // The mode CALC runs in: the static-only pass over both sides instead of the sweep of the
    // active side. The program's own commands pass their mode to the pass instead.
    bool StaticOnly = false;
    VehicleData Vehicle; // wheelbase, CG height, brake share, steering ratio; kept in the project

    // Static geometry, double precision. Degrees for SAI and caster, inches otherwise.
    double LeftScrubRadius = 0;
    double LeftSAI = 0;
    double LeftCasterTrail = 0;
    double LeftCaster = 0;
    double RightScrubRadius = 0;
    double RightSAI = 0;
    double RightCasterTrail = 0;
    double RightCaster = 0;
    double RollCenterHeight = 0;
    double RollCenterOffset = 0;

    // Working point set of the side swept last (rows 1..8), with its tire centre and
    // spindle height.
    std::array<Point3, 9> SusPoints{};
    float TireCenterX = 0;
    float SpindleHeight = 0;

    // Per-position results of the side swept last, positions 1..N (0 is the static pass).
    Curve CamberChange{};
    Curve SideScrub{};
    Curve CasterChange{};
    Curve ForeAft{};
    Curve BumpSteer{};
    Curve TieRodOuterX{};
    Curve TieRodOuterY{};
    std::array<BallJointPair, kMaxPositions + 1> BallJointPos{};

    CoordinateSet& activeCoords() { return Right_Active ? RightCoords : LeftCoords; }
    const CoordinateSet& activeCoords() const { return Right_Active ? RightCoords : LeftCoords; }
    const CoordinateSet& coords(bool right) const { return right ? RightCoords : LeftCoords; }

    // Takes the results of a sweep: the travel it used, the ten static values, the working
    // point set when a side was swept and every per-position value the sweep reached; what
    // it did not reach keeps its value.
    void apply(const SweepResult& result);
};

// The result curve a graph kind shows (camber change, side scrub, ...).
const Curve& resultCurve(const SuspensionState& state, GraphKind kind);

// Sets the flag of `kind` and clears the other four.
void selectGraph(SuspensionState& state, GraphKind kind);

// Sets the ten static-geometry values to 0.
void Zero_Data(SuspensionState& state);

// What New does to the data: both coordinate sets, positions 1..36 of the seven result
// curves, the static values, the notes and the vehicle data are cleared; options, style, track
// type, Lfile and the active side stay.
void clearProject(SuspensionState& state);

// Number of wheel positions for the current step: Int((VU + VD) / VY) + 1, the quotient of
// the two singles formed in double precision. Clamped to the 36 positions the arrays hold.
int positionCount(float vu, float vd, float vy);

// Static position VU / VY + 1, formed in single precision.
float staticIndex(float vu, float vy);

} // namespace velmora
