#include "core/bufferdoc/listed_buffer_capacity.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "core/buffer/buffer_mixture_ph.h"
#include "core/buffer/buffer_preparation.h"
#include "core/buffer/buffer_preparation_results.h"
#include "core/buffer/inert_salt.h"
#include "support/preparation_fixture.h"

namespace solvara {
namespace {

using ListedBufferCapacityTest = testing::PreparationTest;

std::map<std::string, std::optional<double>> byGroup(const std::vector<ListedCapacity>& listed) {
    std::map<std::string, std::optional<double>> capacities;
    for (const ListedCapacity& entry : listed) capacities[entry.groupName] = entry.capacity;
    return capacities;
}

// The starter groups with a default variant; "citrate/phosphate" has none.
// At pH 7.4 the two phosphate pairs made for pH 2.2 and 12.4 cannot reach
// it: their end mixtures span about 1.6 to 4.6 and 9.7 to 12.5.
TEST_F(ListedBufferCapacityTest, DefaultBuffersThatReachTheWantedPHHaveACapacity) {
    BufferPreparationInputs inputs;
    inputs.pH = 7.4;
    inputs.concentration = 0.1;
    inputs.volume = 1.0;
    for (const bool force : {false, true}) {
        SCOPED_TRACE(force);
        inputs.forceIonicStrength = force;
        inputs.ionicStrength = 0.5;
        const auto capacities = byGroup(DefaultBufferCapacities(*program, inputs));
        ASSERT_EQ(capacities.size(), 7u);
        EXPECT_FALSE(capacities.contains("citrate/phosphate"));
        EXPECT_FALSE(capacities.at("phosphate buffer 2.2").has_value());
        EXPECT_FALSE(capacities.at("phosphate buffer 12.4").has_value());
        for (const char* reachable : {"acetate buffer", "ammonia buffer", "phosphate buffer 7.2",
                                      "citrate buffer", "HEPES"}) {
            SCOPED_TRACE(reachable);
            ASSERT_TRUE(capacities.at(reachable).has_value());
            EXPECT_GT(*capacities.at(reachable), 0.0);
        }

        // The same capacity as a design of that buffer.
        Buffer design = phosphate72();
        const InertSalt salt = *program->salts.FindByName("sodium chloride, 1M");
        BufferPreparationInputs designInputs = inputs;
        BufferPreparationResults results;
        ASSERT_EQ(recalculatePreparation(design, salt, designInputs, results, *program),
                  PreparationOutcome::calculated);
        EXPECT_EQ(capacities.at("phosphate buffer 7.2"), results.capacity);
        // Phosphate buffers best near its pKa2; acetate (pKa 4.76) far from it.
        EXPECT_GT(*capacities.at("phosphate buffer 7.2"), 10.0 * *capacities.at("acetate buffer"));
    }
}

// A forced value below a listed buffer's own ionic strength adds no salt.
TEST_F(ListedBufferCapacityTest, AForcedValueBelowTheBuffersOwnCountsAsNoSalt) {
    Buffer buffer = phosphate72();
    BufferPreparationInputs inputs;
    inputs.pH = 7.4;
    inputs.concentration = 0.1;
    inputs.forceIonicStrength = true;
    inputs.ionicStrength = 0.01;
    const std::optional<double> capacity = ListedBufferCapacity(buffer, *program, inputs);
    ASSERT_TRUE(capacity.has_value());
    // The search ran at I = 0.01; the capacity is read at the buffer's own
    // ionic strength of about 0.27 with nothing added.
    double c1 = 0.0;
    double c2 = 0.0;
    Buffer fresh = phosphate72();
    ASSERT_TRUE(PrepareBuffer(fresh, *program, {7.4, 0.1, 25.0, true, 0.01}, c1, c2));
    EXPECT_EQ(*capacity, BufferCapacity(fresh, *program, {c1, c2, {25.0, 0.0, false, 0.0}}));
}

}  // namespace
}  // namespace solvara
