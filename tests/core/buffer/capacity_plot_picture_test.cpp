#include "core/buffer/capacity_plot_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/buffer/capacity_plot_range.h"

namespace solvara {
namespace {

struct ScaleCase {
    double maximum;
    char digit;
    const char* label;
    double labelledCapacity;  // the capacity the label names
};

TEST(CapacityPictureScale, LabelsAndPlacesTheScaleCapacity) {
    const ScaleCase cases[] = {
        {0.035, '5', "0.05", 0.05}, {0.8, '1', "1.0", 1.0},       {0.0003, '5', "5.0e-4", 5e-4},
        {0.15, '2', "0.2", 0.2},    {0.004, '5', "0.005", 0.005}, {0.006, '1', "0.01", 0.01},
        {30.0, '5', "5.0e1", 50.0}, {1.0, '1', "1.0", 1.0},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.maximum);
        const CapacityPictureScale scale = capacityPictureScale(c.maximum);
        EXPECT_EQ(scale.digit, c.digit);
        EXPECT_EQ(scale.label, c.label);
        EXPECT_NEAR(c.labelledCapacity * scale.pixelsPerCapacity, 56.0, 1e-9);
    }
}

// 280 entries, capacity c at indices [from, to).
std::vector<double> plateau(std::size_t from, std::size_t to, double c) {
    std::vector<double> curve(280, 0.0);
    for (std::size_t i = from; i < to; ++i) curve[i] = c;
    return curve;
}

TEST(CapacityPlotRange, DrawsFromTheFirstNonZeroEntryToTheNextZero) {
    std::vector<double> curve = plateau(60, 200, 0.01);
    curve[210] = 5.0;  // after the first gap: not drawn
    curve[100] = 0.02;
    const auto range = capacityPlotRange(curve, 5.0);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 60u);
    EXPECT_EQ(range->end, 200u);
    EXPECT_EQ(range->maximum, 0.02);
}

TEST(CapacityPlotRange, ScaleComesFromTwoPhUnitsAroundTheWantedPh) {
    std::vector<double> curve = plateau(20, 260, 0.01);
    curve[30] = 0.9;   // pH 1.5: outside pH 7 +- 2
    curve[100] = 0.3;  // pH 5: the first index of the window
    curve[180] = 0.7;  // pH 9: just past it
    const auto range = capacityPlotRange(curve, 7.0);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->maximum, 0.3);
}

TEST(CapacityPlotRange, WantedPhAtTheEndsOfTheScaleStaysOnTheCurve) {
    const std::vector<double> curve = plateau(1, 280, 0.01);
    for (const double pH : {13.95, 40.0}) {
        const auto range = capacityPlotRange(curve, pH);
        ASSERT_TRUE(range) << pH;
        EXPECT_EQ(range->maximum, 0.01);
    }
    // Far below the scale the window shrinks to the zero entry at pH 0: no scale.
    EXPECT_FALSE(capacityPlotRange(curve, -5.0));
}

TEST(CapacityPlotRange, NoScaleWithoutAPositiveMaximum) {
    EXPECT_FALSE(capacityPlotRange(std::vector<double>(280, 0.0), 7.0));
    EXPECT_FALSE(capacityPlotRange(std::vector<double>{}, 7.0));
    // Non-zero only far from the wanted pH, after a zero: the window holds zeros only.
    EXPECT_FALSE(capacityPlotRange(plateau(10, 20, 0.01), 12.0));
    EXPECT_FALSE(capacityPlotRange(plateau(100, 200, NAN), 7.0));
}

TEST(CapacityPicture, CurveHangsFromTheBaselineAtOnePixelPerEntry) {
    std::vector<double> curve = plateau(100, 180, 0.01);
    curve[140] = 0.035;  // scale digit 5: 0.05 at 56 pixels
    const CapacityPicture picture = capacityPicture(curve, 7.0);
    EXPECT_EQ(picture.pHMarker[0], (PixelPoint{137, 3}));
    EXPECT_EQ(picture.pHMarker[2], (PixelPoint{140, 12}));
    EXPECT_EQ(picture.label, "0.05");
    ASSERT_EQ(picture.curve.size(), 80u);
    EXPECT_EQ(picture.curve.front(), (PixelPoint{100, 67 - 11}));  // 0.01 * 1120 = 11.2
    EXPECT_EQ(picture.curve[40], (PixelPoint{140, 67 - 39}));      // 0.035 * 1120 = 39.2
}

TEST(CapacityPicture, WithoutCurveOnlyTheMarker) {
    const CapacityPicture picture = capacityPicture({}, 4.76);
    EXPECT_EQ(picture.pHMarker[2], (PixelPoint{95, 12}));
    EXPECT_TRUE(picture.curve.empty());
    EXPECT_TRUE(picture.label.empty());
}

}  // namespace
}  // namespace solvara
