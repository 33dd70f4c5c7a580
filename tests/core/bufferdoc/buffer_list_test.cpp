#include "core/bufferdoc/buffer_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/buffer/buffer_database.h"
#include "core/buffer/buffer_preparation_results.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

TEST(BufferList, DefaultVariantsOfTheStarterBuffers) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    const std::vector<BufferHelper> entries = DefaultBufferEntries(program->buffers);
    // Seven of the eight groups have a default variant; "citrate/phosphate" has none.
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries.front(), (BufferHelper{"HEPES", "HEPES/sodium hydroxide"}));
    for (const BufferHelper& entry : entries) {
        EXPECT_NE(entry.groupName, "citrate/phosphate");
        EXPECT_TRUE(
            program->buffers.FindVariant(entry.groupName, entry.variantName)->isDefaultVariant);
    }
}

TEST(BufferList, CapacitiesFirstLargestFirstThenNamesDescending) {
    std::vector<BufferListRow> rows = {
        {{"g", "acetic"}, 0.0, "- - -"},     {{"g", "HEPES"}, 0.004, ""},
        {{"g", "zwitter"}, NAN, "???"},      {{"g", "borate"}, 0.02, ""},
        {{"g", "Tris"}, 0.0, "- - -"},       {{"g", "phosphate"}, 0.011, ""},
        {{"g", "\xE9thanol"}, 0.0, "- - -"},
    };
    SortBufferList(rows);
    std::vector<std::string> order;
    for (const BufferListRow& row : rows) order.push_back(row.entry.variantName);
    // Bytewise: 0xE9 above every ASCII letter, lower case above upper case.
    EXPECT_EQ(order, (std::vector<std::string>{"borate", "phosphate", "HEPES", "\xE9thanol",
                                               "zwitter", "acetic", "Tris"}));
}

TEST(BufferList, StarterBuffersAtPhosphatePhRankPhosphateFirst) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    BufferPreparationInputs inputs;
    inputs.pH = 7.2;
    inputs.concentration = 0.05;
    const std::vector<BufferListRow> rows = ListCapacities(*program, inputs);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows.front().entry.groupName, "phosphate buffer 7.2");
    EXPECT_GT(rows.front().capacity, rows[1].capacity);
    // Disodium hydrogenphosphate alone is already above pH 7.2.
    const auto alkaline = std::find_if(rows.begin(), rows.end(), [](const BufferListRow& row) {
        return row.entry.groupName == "phosphate buffer 12.4";
    });
    ASSERT_NE(alkaline, rows.end());
    EXPECT_EQ(alkaline->capacity, 0.0);
    EXPECT_EQ(alkaline->capacityText, "- - -");
}

}  // namespace
}  // namespace solvara
