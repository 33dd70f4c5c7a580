#include "core/equilibrium/water_ion_product.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solvara {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(WaterIonProduct, StartsAtTheTextbookValue) {
    const WaterIonProduct water;
    EXPECT_EQ(water.temperature(), 25.0);
    EXPECT_EQ(water.pKw(), 14.0);
    EXPECT_EQ(water.Kw(), 1.0e-14);
}

TEST(WaterIonProduct, InterpolatesTheTableAndCorrectsForIonicStrength) {
    struct Case {
        double temperature;
        double ionicStrength;
        double pKw;
    };
    const Case cases[] = {
        {25, 0, 13.997},
        {22.5, 0, 14.0835},
        {0, 0, 14.94},
        {5, 0, 14.73},
        {4.999, 0, 14.73 + 0.001 * 0.21 / 5},
        {97.5, 0, 12.315},
        {100, 0, 12.29},
        // Outside 0 to 100 degC the nearer end holds.
        {-5, 0, 14.94},
        {120, 0, 12.29},
        {-kInfinity, 0, 14.94},
        {kInfinity, 0, 12.29},
        {25, 0.1, 13.78535516},
        {25, 1.0, 13.997 - 1.05528 / 2.2945 + 0.251361},
        {80, 0.1, 12.38835516},
        // A negative ionic strength counts as none.
        {25, -0.5, 13.997},
        {25, -kInfinity, 13.997},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.temperature << " degC, I = " << c.ionicStrength);
        WaterIonProduct water;
        water.compute(c.temperature, c.ionicStrength);
        EXPECT_NEAR(water.pKw(), c.pKw, 1e-8);
        EXPECT_NEAR(water.Kw() / std::pow(10.0, -water.pKw()), 1.0, 1e-13);
        EXPECT_EQ(water.temperature(), c.temperature) << "stored as given, not clamped";
    }
}

TEST(WaterIonProduct, EachQueryComputesAnew) {
    WaterIonProduct water;
    EXPECT_NEAR(water.pKw(22.5, 0), 14.0835, 1e-12);
    EXPECT_EQ(water.temperature(), 22.5);
    const double kw = water.Kw(25, 0.1);
    EXPECT_EQ(water.temperature(), 25);
    EXPECT_EQ(kw, water.Kw());
    EXPECT_NEAR(water.pKw(), 13.78535516, 1e-8);
}

TEST(WaterIonProduct, AbsurdInputsGiveNaNOrALimit) {
    WaterIonProduct water;
    water.compute(kNaN, 0.1);
    EXPECT_TRUE(std::isnan(water.pKw()));
    EXPECT_TRUE(std::isnan(water.Kw()));
    EXPECT_TRUE(std::isnan(water.temperature()));

    for (const double ionicStrength : {kNaN, kInfinity}) {
        water.compute(25, ionicStrength);
        EXPECT_TRUE(std::isnan(water.pKw())) << ionicStrength;
        EXPECT_TRUE(std::isnan(water.Kw())) << ionicStrength;
    }

    water.compute(1e300, std::numeric_limits<double>::max());
    EXPECT_TRUE(std::isfinite(water.pKw()));
    EXPECT_EQ(water.Kw(), 0.0);
}

}  // namespace
}  // namespace solvara
