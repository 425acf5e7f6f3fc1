#include "geometry/ride_height_batch.h"

#include "geometry/checked_math.h"
#include "geometry/sweep.h"

#include <cmath>

namespace velmora {

using namespace sweepmath;

template <typename Stage> void RideHeightBatch::guarded(int k, Stage stage) {
    if (!lanes_[k].running) {
        return;
    }
    try {
        stage(lanes_[k], results_[k]);
    } catch (const ArithmeticFault&) {
        end(k, RideHeight::End::Failed);
    }
}

void RideHeightBatch::end(int k, RideHeight::End how) {
    results_[k].end = how;
    lanes_[k].running = false;
    --running_;
}

void RideHeightBatch::start(int first, const float* travels, int count) {
    first_ = first;
    count_ = count;
    stage_ = 0;
    running_ = count;
    for (int k = 0; k < count; ++k) {
        lanes_[k] = Lane{travels[k], travels[k], 0, 0, true};
        results_[k] = RideHeight{};
        guarded(k, [&](Lane& lane, RideHeight& r) { r.pose.BB.y = fin(p_.BB.y + lane.s); });
    }
}

void RideHeightBatch::step() {
    switch (stage_) {
    case 0:
        for (int k = 0; k < count_; ++k) {
            stageA(k);
        }
        stage_ = 1;
        break;
    case 1:
        for (int k = 0; k < count_; ++k) {
            stageB(k);
        }
        stage_ = 2;
        break;
    default:
        for (int k = 0; k < count_; ++k) {
            stageC(k);
        }
        stage_ = 0;
        break;
    }
}

// The stages test only what the end of each chain needs (see divide()); a lane still fails in
// the stage, and so the pass, where every step tested would have failed it.
void RideHeightBatch::stageA(int k) {
    guarded(k, [&](Lane& lane, RideHeight& r) {
        if (++r.passes >= kPassLimit) {
            fault();
        }
        CornerPose& pose = r.pose;
        const Point3& A1 = s_.top.axisFoot;
        const Point3& A2 = s_.bottom.axisFoot;
        const double L2 = s_.bottom.length;
        const double dy2 = pose.BB.y - A2.y;
        const double q = fin(L2 * L2 - dy2 * dy2);
        if (q < 0) {
            end(k, RideHeight::End::TopsOut);
            return;
        }
        // Always outboard of the axis foot; tested as the denominator below.
        pose.BB.x = A2.x + std::sqrt(q);
        const double dx1 = pose.BB.x - A1.x;
        const double dy1 = A1.y - pose.BB.y;
        lane.d = std::sqrt(dx1 * dx1 + dy1 * dy1); // tested in the denominator of stage B
        pose.phi2 = degOf(std::atan(fin(divide(dy1, dx1))));
    });
}

void RideHeightBatch::stageB(int k) {
    guarded(k, [&](Lane& lane, RideHeight& r) {
        // Law of cosines at BB' in the triangle BB', A1, TB'.
        const double L1 = s_.top.length;
        const double L3 = s_.L3;
        lane.c = fin(divide(L3 * L3 + lane.d * lane.d - L1 * L1, 2 * L3 * lane.d));
        if (lane.c > 1) {
            end(k, RideHeight::End::BottomsOut);
            return;
        }
        r.pose.phi3 = degOf(std::atan(fin(divide(std::sqrt(1 - lane.c * lane.c), lane.c))));
    });
}

void RideHeightBatch::stageC(int k) {
    guarded(k, [&](Lane& lane, RideHeight& r) {
        CornerPose& pose = r.pose;
        if (pose.phi3 < 0) {
            pose.phi3 += 180;
        }
        pose.phi4 = 270 - (pose.phi3 + pose.phi2 + s_.phi1);
        // Tested as the denominator below; one that is not finite never converges.
        const double contactY = pose.BB.y - std::cos(radOf(pose.phi4)) * s_.dCP;
        if (std::fabs(lane.travel - contactY) < 0.001) {
            end(k, RideHeight::End::Converged);
            return;
        }
        lane.s = divide(lane.s * lane.travel, contactY);
        pose.BB.y = fin(p_.BB.y + lane.s);
    });
}

namespace {

std::array<RideHeightBatch, 2> twoBatches(const CornerPoints& p, const CornerStatics& s) {
    return {RideHeightBatch(p, s), RideHeightBatch(p, s)};
}

} // namespace

SweepRideHeights::SweepRideHeights(const CornerPoints& p, const CornerStatics& s,
                                   const float* travel, int travelled)
    : travel_(travel), travelled_(travelled), batches_(twoBatches(p, s)) {}

RideHeightBatch* SweepRideHeights::startBatch() {
    while (solvedEnd_ <= travelled_ && travel_[solvedEnd_] == 0.0f) {
        ++solvedEnd_; // the static position needs no iteration
    }
    int n = 0;
    while (n < RideHeightBatch::kLanes && solvedEnd_ + n <= travelled_ &&
           travel_[solvedEnd_ + n] != 0.0f) {
        ++n;
    }
    if (n == 0) {
        return nullptr;
    }
    RideHeightBatch& batch = batches_[nextBatch_];
    nextBatch_ = 1 - nextBatch_;
    batch.start(solvedEnd_, &travel_[solvedEnd_], n);
    solvedEnd_ += n;
    return &batch;
}

const RideHeight& SweepRideHeights::at(int i) {
    for (;;) {
        for (RideHeightBatch& batch : batches_) {
            if (batch.holds(i)) {
                while (batch.running()) {
                    batch.step();
                }
                return batch.result(i);
            }
        }
        if (startBatch() == nullptr) {
            fault(); // not reached: a position swept has a finite travel
        }
    }
}

void SweepRideHeights::advance(int i) {
    RideHeightBatch& last = batches_[1 - nextBatch_];
    if (last.running()) {
        last.step();
    } else if (batches_[nextBatch_].end() <= i + 1) {
        if (RideHeightBatch* batch = startBatch()) {
            batch->step();
        }
    }
}

} // namespace velmora
