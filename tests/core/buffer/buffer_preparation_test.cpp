#include "core/buffer/buffer_preparation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/buffer/buffer_mixture_ph.h"
#include "support/preparation_fixture.h"

namespace solvara {
namespace {

using PrepareBufferTest = testing::PreparationTest;

// The bisection stops at a bracket 0.0049 pH wide and interpolates; the
// composition found is that close to the wanted pH and closer.
constexpr double kSearchAccuracy = 0.0049;

TEST_F(PrepareBufferTest, PhosphateHitsTheWantedPHWithTheTotalSplitBetweenBothReagents) {
    Buffer buffer = phosphate72();
    for (const double wantedPH : {5.6, 6.5, 7.2, 7.4, 8.5}) {
        for (const double total : {0.001, 0.1, 0.4}) {
            SCOPED_TRACE(::testing::Message() << "pH " << wantedPH << ", C " << total);
            double c1 = -1.0;
            double c2 = -1.0;
            ASSERT_TRUE(
                PrepareBuffer(buffer, *program, {wantedPH, total, 25.0, false, 0.0}, c1, c2));
            EXPECT_NEAR(c1 + c2, total, 1e-15);
            EXPECT_GE(c1, 0.0);
            EXPECT_GE(c2, 0.0);
            EXPECT_NEAR(MixturePH(buffer, *program, {c1, c2, {25.0, 0.0, false, 0.0, 0.0}}),
                        wantedPH, kSearchAccuracy);
        }
    }
}

// At ionic strength 0, 0.02 M NaH2PO4 + 0.08 M Na2HPO4 has pH 7.8009668
// (hand calculation, see the mixture pH test).
TEST_F(PrepareBufferTest, FindsTheHandCalculatedComposition) {
    Buffer buffer = phosphate72();
    double c1 = 0.0;
    double c2 = 0.0;
    ASSERT_TRUE(PrepareBuffer(buffer, *program, {7.8009668180, 0.1, 25.0, true, 0.0}, c1, c2));
    EXPECT_NEAR(c1, 0.02, 2e-5);
    EXPECT_NEAR(c2, 0.08, 2e-5);
}

TEST_F(PrepareBufferTest, AWantedPHAtAnEndOfTheRangeGivesThatEndsComposition) {
    Buffer buffer = phosphate72();
    // Only NaH2PO4 at one end, only Na2HPO4 at the other.
    const double acidEnd = MixturePH(buffer, *program, {0.1, 0.0, {25.0, 0.0, false, 0.0, 0.0}});
    const double baseEnd = MixturePH(buffer, *program, {0.0, 0.1, {25.0, 0.0, false, 0.0, 0.0}});
    double c1 = 0.0;
    double c2 = 0.0;
    ASSERT_TRUE(PrepareBuffer(buffer, *program, {acidEnd, 0.1, 25.0, false, 0.0}, c1, c2));
    EXPECT_DOUBLE_EQ(c1, 0.1);
    EXPECT_NEAR(c2, 0.0, 1e-17);
    ASSERT_TRUE(PrepareBuffer(buffer, *program, {baseEnd, 0.1, 25.0, false, 0.0}, c1, c2));
    EXPECT_NEAR(c1, 0.0, 1e-17);
    EXPECT_DOUBLE_EQ(c2, 0.1);

    EXPECT_FALSE(PrepareBuffer(buffer, *program, {acidEnd - 1e-9, 0.1, 25.0, false, 0.0}, c1, c2));
    EXPECT_FALSE(PrepareBuffer(buffer, *program, {baseEnd + 1e-9, 0.1, 25.0, false, 0.0}, c1, c2));
    EXPECT_FALSE(PrepareBuffer(buffer, *program, {std::nan(""), 0.1, 25.0, false, 0.0}, c1, c2));
}

// Only one reagent carries acetic acid; the other (1 M NaOH) is varied from
// none to the 0.9 M its stock can give in the 90 % of the volume that the
// 1 M acid stock leaves free at C = 0.1 M. At ionic strength 0, 0.1 M acetic
// acid with 0.04 M NaOH has pH 4.5813831, with none 2.8813724 and with
// 0.9 M 13.634973 (hand calculation with the starter pKa values 4.757 and,
// for Na+, 13.8).
TEST_F(PrepareBufferTest, ASingleCarrierIsHeldAtTheTotalWhileTheOtherReagentVaries) {
    struct Case {
        const char* first;
        const char* second;
    };
    const Case orders[] = {{"acetic acid", "sodium hydroxide"},
                           {"sodium hydroxide", "acetic acid"}};
    for (const Case& order : orders) {
        SCOPED_TRACE(order.first);
        Buffer buffer = bufferOf(order.first, order.second, "acetic acid");
        const bool acidFirst = buffer.firstReagentShare != 0.0;
        double c1 = 0.0;
        double c2 = 0.0;
        ASSERT_TRUE(PrepareBuffer(buffer, *program, {4.5813831312, 0.1, 25.0, true, 0.0}, c1, c2));
        EXPECT_EQ(acidFirst ? c1 : c2, 0.1);
        EXPECT_NEAR(acidFirst ? c2 : c1, 0.04, 2e-5);

        for (const double end : {2.8813724399, 13.634973087}) {
            ASSERT_TRUE(PrepareBuffer(
                buffer, *program, {end + (end < 7 ? 1e-6 : -1e-6), 0.1, 25.0, true, 0.0}, c1, c2));
            EXPECT_NEAR(acidFirst ? c2 : c1, end < 7 ? 0.0 : 0.9, 1e-5);
        }
        EXPECT_FALSE(PrepareBuffer(buffer, *program, {2.87, 0.1, 25.0, true, 0.0}, c1, c2));
        EXPECT_FALSE(PrepareBuffer(buffer, *program, {13.64, 0.1, 25.0, true, 0.0}, c1, c2));
    }
}

TEST_F(PrepareBufferTest, ABaseExcessTakesPartInEverySearch) {
    Buffer buffer = phosphate72();
    buffer.baseExcess = 0.01;
    double c1 = 0.0;
    double c2 = 0.0;
    ASSERT_TRUE(PrepareBuffer(buffer, *program, {7.4, 0.1, 25.0, false, 0.0}, c1, c2));
    EXPECT_NEAR(MixturePH(buffer, *program, {c1, c2, {25.0, 0.01, false, 0.0, 0.0}}), 7.4,
                kSearchAccuracy);
    // Without it the same composition is 0.01 M of base short, well below the
    // 0.0049 pH the search allows.
    EXPECT_LT(MixturePH(buffer, *program, {c1, c2, {25.0, 0.0, false, 0.0, 0.0}}), 7.4 - 0.1);
}

TEST_F(PrepareBufferTest, FailsWhenTheBufferCannotMakeAnyComposition) {
    double c1 = 0.0;
    double c2 = 0.0;
    {
        SCOPED_TRACE("both ends the same mixture");
        Buffer same =
            bufferOf("sodium dihydrogenphosphate", "sodium dihydrogenphosphate", "phosphoric acid");
        const double only = MixturePH(same, *program, {0.1, 0.0, {25.0, 0.0, false, 0.0, 0.0}});
        EXPECT_FALSE(PrepareBuffer(same, *program, {only, 0.1, 25.0, false, 0.0}, c1, c2));
    }
    {
        SCOPED_TRACE("no main component");
        Buffer none = phosphate72();
        none.SetMainComponent(-1);
        EXPECT_FALSE(PrepareBuffer(none, *program, {7.2, 0.1, 25.0, false, 0.0}, c1, c2));
    }
    {
        SCOPED_TRACE("a missing reagent");
        Buffer missing = phosphate72();
        missing.secondReagentId = 9999;
        EXPECT_FALSE(PrepareBuffer(missing, *program, {7.2, 0.1, 25.0, false, 0.0}, c1, c2));
    }
    {
        SCOPED_TRACE("no total");
        Buffer phosphate = phosphate72();
        for (const double total : {0.0, -0.1, std::nan(""), HUGE_VAL}) {
            EXPECT_FALSE(
                PrepareBuffer(phosphate, *program, {7.2, total, 25.0, false, 0.0}, c1, c2));
        }
    }
}

// With a single carrier the stocks bound the other reagent; stocks that
// leave it no room make no composition, and none that is not finite. A
// carrier stock more dilute than the buffer would bound the sodium hydroxide
// below 0, a "negative" base that reaches acidic pH values.
TEST_F(PrepareBufferTest, FailsWhenTheStocksLeaveTheOtherReagentNoRoom) {
    struct Case {
        const char* what;
        double acidStock;
        double baseStock;
        double wantedPH;
    };
    const Case cases[] = {
        {"no stock of the varied reagent", 1.0, 0.0, 4.7},
        {"no stock of the carrier", 0.0, 1.0, 4.7},
        {"a carrier stock as dilute as the buffer", 0.1, 1.0, 2.88},
        {"a carrier stock more dilute than the buffer", 0.05, 1.0, 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reagent("acetic acid").concentration = c.acidStock;
        reagent("sodium hydroxide").concentration = c.baseStock;
        Buffer buffer = bufferOf("acetic acid", "sodium hydroxide", "acetic acid");
        double c1 = 0.0;
        double c2 = 0.0;
        EXPECT_FALSE(PrepareBuffer(buffer, *program, {c.wantedPH, 0.1, 25.0, false, 0.0}, c1, c2));
    }
}

}  // namespace
}  // namespace solvara
