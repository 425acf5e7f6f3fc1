#pragma once

#include "geometry/corner_statics.h"
#include "geometry/rigid_corner.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The front end turned by its steering, each corner solved by the rigid-body 3-D solution
// with its inner tie rod joint moved and its wheel centre held at spindle height.
//
// Rack travel r, inches: positive when the steering moves both inner tie rod joints toward
// the car's left. Each side measures X outboard, so the left inner joint's X grows by r and
// the right one's shrinks by r; Y and Z stay. A centre-link car is approximated the same way.
//
// Steer angle, degrees: positive when the wheel's front turns toward the car's left. The left
// wheel's steer is its toe change (toe out positive), the right wheel's minus its toe change.
namespace velmora {

inline constexpr double kMostRack = 12.0; // inches each way the command line and window accept
inline constexpr int kMostSteerSteps = 400;
// What the Steering window and its printed page sweep until told otherwise.
inline constexpr double kDefaultSteerRack = 2.0;
inline constexpr int kDefaultSteerSteps = 24;

// Why a rack travel or a number of steps cannot be analysed, naming the value as typed and the
// range ("Rack travel 13 is outside -12 to 12 in"); empty when it can.
std::string rackProblem(double rack, std::string_view typed = {});
// The window's "each way" travel: above 0 and at most kMostRack ("Rack travel must be a number
// from 0 to 12 in"), empty when it is fine.
std::string rackEachWayProblem(double rack, std::string_view typed = {});
std::string steerStepsProblem(double steps, std::string_view typed = {});

// What a steering sweep covers: `steps` equal steps of rack travel from -maxRack to +maxRack;
// the Ackermann share is given only with a wheelbase.
struct SteerSweepOptions {
    double maxRack = kDefaultSteerRack; // inches each way
    int steps = kDefaultSteerSteps;
    std::optional<double> wheelbase; // inches
    // Whether the pass can analyse it, by the rules the command line and the window apply;
    // `why` (if given) is the first problem in the words above.
    bool IsValid(std::string* why = nullptr) const;
};

// Why a wheel's walk out from straight ahead stops: the solution does not settle, the tie rod
// and steering arm pass their toggle point (or the steer turns back), the wheel would stand
// across the car.
enum class SteerStop { Settle, Toggle, Across };

struct SteerWheel {
    bool solved = false; // every value below exists only when the corner was solved
    double steer = 0;
    double camberChange = 0;
    double casterChange = 0;
    double contactPatchHeightChange = 0; // vertical movement of the contact patch, inches
    // For the plan-view drawing (the side's own frame, X outboard).
    UprightPose pose;
    Point3 innerJoint;
    Point3 wheelCentre;
    Point3 spinAxis; // unit, outboard
};

struct SteerState {
    double rack = 0;
    SteerWheel right;
    SteerWheel left;
    // 100 at ideal Ackermann, 0 at parallel steer; none without a wheelbase, or while the two
    // wheels do not both steer the same way by more than 0.01 degree.
    std::optional<double> ackermannPercent;
};

struct SteerSweep {
    std::vector<SteerState> states; // rack -max to +max in equal steps
    std::vector<Message> messages;
};

// Ackermann percent of an inner and an outer steer angle (magnitudes, degrees) on a car of
// track T (the sum of both tire centre distances) and wheelbase L: 100 (di - do) / (di* - do)
// with cot(di*) = cot(do) - T / L.
double ackermannPercent(double innerDegrees, double outerDegrees, double track, double wheelbase);

// Ackermann of a state, or none (see SteerState).
std::optional<double> ackermannOf(const SteerWheel& right, const SteerWheel& left, double track,
                                  std::optional<double> wheelbase);

// Both front corners prepared for steering. Built once per project change.
class SteeringPair {
public:
    // Both sets must be complete; otherwise, or when a corner cannot be modelled, every state
    // is unsolved and `setupMessages` says why.
    static SteeringPair build(const CoordinateSet& right, const CoordinateSet& left);

    // One state, reached from straight ahead in short steps of rack travel.
    SteerState solve(double rack, std::optional<double> wheelbase,
                     std::vector<Message>* messages = nullptr) const;
    // `steps` equal steps from -maxRack to +maxRack (steps + 1 states), each side of straight
    // ahead solved outward from it. A wheel that cannot reach a travel ends its direction
    // there with a message; the states nearer straight ahead are kept.
    //
    // Walking out from straight ahead, a wheel stands only while the solution converges, its
    // steer keeps moving the same way with the rack, and its tie rod and steering arm have not
    // passed their toggle point (the turn from the steering arm to the tie rod, about the
    // steering axis, keeps the sense it has at ride height) and its steer stays below 90
    // degrees. Beyond, the linkage would have to fold over or the wheel would stand across the
    // car, and the solution found there is no state of it.
    SteerSweep sweep(const SteerSweepOptions& options) const;

    bool ready() const { return right_.corner && left_.corner; }
    const std::vector<Message>& setupMessages() const { return setup_; }
    double track() const { return right_.points.TC + left_.points.TC; }
    const CornerPoints& points(bool right) const { return (right ? right_ : left_).points; }

private:
    struct Side {
        CornerPoints points;
        std::optional<RigidCorner> corner;
        double staticCamber = 0, staticCaster = 0, staticToe = 0, staticContactY = 0;
        double staticToggle = 0; // the toggle measure at ride height (see toggleMeasure)
    };
    static void prepare(Side& side, const CoordinateSet& coords, const char* name,
                        std::vector<Message>& messages);

    // How far a wheel has come on its walk out from straight ahead.
    struct Walk {
        UprightPose pose;
        double rack = 0;
        double steer = 0;
        int sense = 0; // +1 or -1 once the steer has moved with the rack, 0 before
    };
    enum class Stop { None, Settle, Toggle, Across };
    static SteerStop reason(Stop stop);
    // Walks one side on to `to`; on a stop, `stoppedAt` is the rack travel that failed.
    Stop reach(const Side& side, bool right, double to, Walk& walk, double& stoppedAt) const;
    // The next state of the walk at `rack` from `pose`, or a stop.
    Stop step(const Side& side, bool right, double rack, Walk& walk, UprightPose pose) const;
    Walk startWalk(const Side& side) const;
    SteerWheel read(const Side& side, bool right, double rack, const UprightPose& pose) const;

    Side right_;
    Side left_;
    std::vector<Message> setup_;
};

// The messages of the steering analysis (title "Steering", warning icon, OK).
Message steeringSetupMessage(Outcome outcome, const std::string& text);
// A wheel that stops at `rack`, and why.
Message steeringReachMessage(const char* side, double rack, SteerStop why = SteerStop::Settle);

} // namespace velmora
