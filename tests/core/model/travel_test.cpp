#include "model/travel.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

// The one rule for the travel a sweep can step through, which the command line and the
// travel frame both apply.
TEST(Travel, NoTravelMeansNineInchesAndOnlyASteppableTravelIsValid) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    const struct {
        Travel travel;
        Travel used;
        Travel::Problem problem;
    } rows[] = {
        {{3, 3}, {3, 3}, Travel::Problem::None},
        {{0, 2}, {9, 9}, Travel::Problem::None},
        {{2, 0}, {9, 9}, Travel::Problem::None},
        {{1e38f, 1e38f}, {1e38f, 1e38f}, Travel::Problem::None},
        {{3e38f, 3e38f}, {3e38f, 3e38f}, Travel::Problem::TooLarge},
        {{1e-45f, 1e-45f}, {1e-45f, 1e-45f}, Travel::Problem::TooSmall},
        {{inf, 3}, {inf, 3}, Travel::Problem::NotFinite},
        {{std::numeric_limits<float>::quiet_NaN(), 3}, {}, Travel::Problem::NotFinite},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.travel.bump);
        if (row.problem != Travel::Problem::NotFinite) {
            EXPECT_EQ(row.travel.used(), row.used);
        }
        EXPECT_EQ(row.travel.problem(), row.problem);
        std::string why = "left over";
        EXPECT_EQ(row.travel.IsValid(&why), row.problem == Travel::Problem::None);
        EXPECT_EQ(why.empty(), row.problem == Travel::Problem::None) << why;
    }
}

} // namespace
} // namespace velmora
