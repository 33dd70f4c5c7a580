#include "core/buffer/capacity_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "core/buffer/buffer_mixture_ph.h"
#include "core/buffer/buffer_preparation.h"
#include "support/preparation_fixture.h"

namespace solvara {
namespace {

using CapacityCurveTest = testing::PreparationTest;

constexpr double kTotal = 0.1;
constexpr double kSalt = 0.05;

// Phosphate 7.2 reaches pH 4.6 to 9.6 or so between its two end mixtures;
// every grid point strictly inside, except the one below the top, is a
// preparation of its own with the capacity that preparation has.
TEST_F(CapacityCurveTest, HoldsTheCapacityOfEveryGridPointInsideTheReachableRange) {
    Buffer buffer = phosphate72();
    const std::vector<double>* curve = CapacityCurve(buffer, *program, 7.4, kTotal, 25.0, kSalt);
    ASSERT_NE(curve, nullptr);
    ASSERT_EQ(curve->size(), 280u);

    const double low = MixturePH(buffer, *program, {kTotal, 0.0, {25.0, 0.0, false, kSalt, 0.0}});
    const double high = MixturePH(buffer, *program, {0.0, kTotal, {25.0, 0.0, false, kSalt, 0.0}});
    const auto first = static_cast<std::size_t>(std::floor(low / 0.05)) + 1;
    const auto end = static_cast<std::size_t>(std::floor(high / 0.05)) - 1;
    for (std::size_t i = 0; i < curve->size(); ++i) {
        SCOPED_TRACE(i);
        if (i < first || i >= end) {
            EXPECT_EQ((*curve)[i], 0.0);
            continue;
        }
        double c1 = 0.0;
        double c2 = 0.0;
        Buffer fresh = phosphate72();
        ASSERT_TRUE(PrepareBuffer(
            fresh, *program, {0.05 * static_cast<double>(i), kTotal, 25.0, false, kSalt}, c1, c2));
        EXPECT_EQ((*curve)[i],
                  BufferCapacity(fresh, *program, {c1, c2, {25.0, 0.0, false, kSalt}}));
        EXPECT_GT((*curve)[i], 0.0);
    }
    EXPECT_EQ(buffer.capacityCurveKey, (CapacityCurveKey{7.4, kTotal, 25.0, kSalt}));
}

TEST_F(CapacityCurveTest, IsComputedOnlyWhenItsKeyChanges) {
    Buffer buffer = phosphate72();
    ASSERT_NE(CapacityCurve(buffer, *program, 7.4, kTotal, 25.0, 0.0), nullptr);
    // A mark no computation would make.
    buffer.capacityCurve[140] = -1.0;
    EXPECT_EQ((*CapacityCurve(buffer, *program, 7.4, kTotal, 25.0, 0.0))[140], -1.0);

    const CapacityCurveKey otherKeys[] = {{7.41, kTotal, 25.0, 0.0},
                                          {7.4, 0.11, 25.0, 0.0},
                                          {7.4, kTotal, 26.0, 0.0},
                                          {7.4, kTotal, 25.0, 0.01}};
    for (const CapacityCurveKey& key : otherKeys) {
        buffer.capacityCurve[140] = -1.0;
        const std::vector<double>* curve =
            CapacityCurve(buffer, *program, key.pH, key.totalConcentration, key.temperature,
                          key.saltIonicStrength);
        ASSERT_NE(curve, nullptr);
        EXPECT_GT((*curve)[140], 0.0);
        EXPECT_EQ(buffer.capacityCurveKey, key);
    }
}

TEST_F(CapacityCurveTest, IsNotMadeForAWantedPHOutsideTheRange) {
    Buffer buffer = phosphate72();
    ASSERT_NE(CapacityCurve(buffer, *program, 7.4, kTotal, 25.0, 0.0), nullptr);
    EXPECT_EQ(CapacityCurve(buffer, *program, 11.0, kTotal, 25.0, 0.0), nullptr);
    EXPECT_TRUE(buffer.capacityCurve.empty());
    EXPECT_EQ(buffer.capacityCurveKey, (CapacityCurveKey{11.0, kTotal, 25.0, 0.0}));
}

TEST_F(CapacityCurveTest, IsNotMadeForABufferThatCannotBePrepared) {
    Buffer noTotal = phosphate72();
    EXPECT_EQ(CapacityCurve(noTotal, *program, 7.4, 0.0, 25.0, 0.0), nullptr);
    EXPECT_EQ(noTotal.capacityCurveKey, CapacityCurveKey{});

    Buffer noMainComponent = phosphate72();
    noMainComponent.SetMainComponent(-1);
    EXPECT_EQ(CapacityCurve(noMainComponent, *program, 7.4, kTotal, 25.0, 0.0), nullptr);

    Buffer noStock = phosphate72();
    reagent("disodium hydrogenphosphate").concentration = 0.0;
    EXPECT_EQ(CapacityCurve(noStock, *program, 7.4, kTotal, 25.0, 0.0), nullptr);
}

TEST_F(CapacityCurveTest, ARecalculationDropsItAndAFreshCurveIsMadeForTheSameKey) {
    Buffer buffer = phosphate72();
    ASSERT_NE(CapacityCurve(buffer, *program, 7.4, kTotal, 25.0, 0.0), nullptr);
    const std::vector<double> before = buffer.capacityCurve;
    buffer.capacityCurve.clear();
    const std::vector<double>* again = CapacityCurve(buffer, *program, 7.4, kTotal, 25.0, 0.0);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(*again, before);
}

}  // namespace
}  // namespace solvara
