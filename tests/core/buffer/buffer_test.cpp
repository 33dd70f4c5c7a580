#include "core/buffer/buffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/chemistry/reagent.h"
#include "core/program/program_class_registry.h"
#include "core/program/program_model.h"
#include "support/archive_test_support.h"
#include "support/record_bytes.h"

namespace solvara {
namespace {

using testing::RecordBytes;

class BufferTest : public ::testing::Test {
  protected:
    const Reagent& reagent(const std::string& name) {
        const Reagent* found = program->reagents.FindByName(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    std::int32_t acidId(const std::string& name) { return program->acids.FindByName(name)->id; }

    Buffer bufferOf(const std::string& first, const std::string& second,
                    const std::string& mainComponent) {
        Buffer buffer(*program);
        buffer.SetFirstReagent(reagent(first));
        buffer.SetSecondReagent(reagent(second));
        buffer.SetMainComponent(acidId(mainComponent));
        return buffer;
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_F(BufferTest, SharesAreTheMainComponentPerReagent) {
    const Buffer phosphate =
        bufferOf("sodium dihydrogenphosphate", "disodium hydrogenphosphate", "phosphoric acid");
    EXPECT_EQ(phosphate.firstReagentShare, 1.0);
    EXPECT_EQ(phosphate.secondReagentShare, 1.0);
    EXPECT_EQ(phosphate.MainComponent()->name, "phosphoric acid");

    const Buffer acetate = bufferOf("acetic acid", "sodium hydroxide", "acetic acid");
    EXPECT_EQ(acetate.firstReagentShare, 1.0);
    EXPECT_EQ(acetate.secondReagentShare, 0.0);
}

TEST_F(BufferTest, ChangingAReagentKeepsTheMainComponentOnlyWhileAReagentContainsIt) {
    Buffer buffer = bufferOf("acetic acid", "sodium acetate", "acetic acid");

    buffer.SetFirstReagent(reagent("sodium hydroxide"));
    EXPECT_EQ(buffer.mainComponentId, acidId("acetic acid"));
    EXPECT_EQ(buffer.firstReagentShare, 0.0);
    EXPECT_EQ(buffer.secondReagentShare, 1.0);

    buffer.SetSecondReagent(reagent("hydrochloric acid"));
    EXPECT_EQ(buffer.mainComponentId, -1);
    EXPECT_FALSE(buffer.HasMainComponent());
    EXPECT_EQ(buffer.MainComponent(), nullptr);
    EXPECT_EQ(buffer.firstReagentShare, 0.0);
    EXPECT_EQ(buffer.secondReagentShare, 0.0);
}

TEST_F(BufferTest, MissingReagentsAndAcidsGiveNoneNoShareAndAQuestionMarkName) {
    Buffer buffer = bufferOf("acetic acid", "sodium acetate", "acetic acid");
    buffer.MakeNameFromReagents();
    EXPECT_EQ(buffer.name, "acetic acid+sodium acetate");

    program->reagents.Remove(buffer.secondReagentId);
    buffer.RecomputeShares();
    buffer.MakeNameFromReagents();
    EXPECT_EQ(buffer.SecondReagent(), nullptr);
    EXPECT_EQ(buffer.secondReagentShare, 0.0);
    EXPECT_EQ(buffer.name, "acetic acid+?");

    buffer.SetMainComponent(999);
    EXPECT_EQ(buffer.MainComponent(), nullptr);
    EXPECT_EQ(buffer.firstReagentShare, 0.0);

    Buffer unbound;
    unbound.firstReagentId = 1;
    unbound.MakeNameFromReagents();
    EXPECT_EQ(unbound.FirstReagent(), nullptr);
    EXPECT_EQ(unbound.name, "?+?");
}

TEST_F(BufferTest, CopiesCarryTheCurveButNotItsKey) {
    Buffer source = bufferOf("acetic acid", "sodium acetate", "acetic acid");
    source.name = "variant";
    source.id = 7;
    source.isDefaultVariant = true;
    source.baseExcess = 0.01;
    source.capacityCurve.assign(Buffer::kCapacityCurvePoints, 0.5);
    source.capacityCurveKey = {4.75, 0.1, 25.0, 0.0};

    Buffer copy(source);
    EXPECT_EQ(copy.name, "variant");
    EXPECT_EQ(copy.id, 7);
    EXPECT_TRUE(copy.isDefaultVariant);
    EXPECT_EQ(copy.baseExcess, 0.01);
    EXPECT_EQ(copy.secondReagentShare, 1.0);
    EXPECT_EQ(copy.capacityCurve, source.capacityCurve);
    EXPECT_EQ(copy.capacityCurveKey, CapacityCurveKey{});

    Buffer target(*program);
    target.capacityCurveKey = {7.0, 0.2, 20.0, 0.1};
    target = source;
    EXPECT_EQ(target.capacityCurve, source.capacityCurve);
    EXPECT_EQ(target.capacityCurveKey, (CapacityCurveKey{7.0, 0.2, 20.0, 0.1}));
}

// The record of a variant of acetic acid (reagent 1) and sodium acetate (6)
// with acetic acid (1) as main component.
std::string variantRecord(std::int32_t version, double baseExcess, std::int32_t secondReagentId) {
    return RecordBytes()
        .int32(version)
        .string("acetic acid/sodium acetate")
        .int32(1)
        .int32(1)
        .float64(baseExcess)
        .int32(1)
        .int32(secondReagentId)
        .int32(12)
        .bytes();
}

TEST_F(BufferTest, RecordReadsAnyVersionKeepsTheBaseExcessAndRecomputesTheShares) {
    const ClassRegistry registry = makeProgramClassRegistry();
    for (const std::int32_t version : {0x10000, 0x20003}) {
        std::istringstream in(variantRecord(version, 0.002, 6));
        Archive archive(in, registry, testing::kTestFileName);
        archive.setChemistryModel(program.get());
        Buffer buffer;
        buffer.Serialize(archive);
        EXPECT_EQ(buffer.name, "acetic acid/sodium acetate");
        EXPECT_EQ(buffer.id, 12);
        EXPECT_TRUE(buffer.isDefaultVariant);
        EXPECT_EQ(buffer.baseExcess, 0.002);
        EXPECT_EQ(buffer.SecondReagent()->name, "sodium acetate");
        EXPECT_EQ(buffer.firstReagentShare, 1.0);
        EXPECT_EQ(buffer.secondReagentShare, 1.0);
    }

    std::istringstream in(variantRecord(0x10000, 0.0, 999));
    Archive archive(in, registry, testing::kTestFileName);
    archive.setChemistryModel(program.get());
    Buffer dangling;
    dangling.Serialize(archive);
    EXPECT_EQ(dangling.secondReagentId, 999);
    EXPECT_EQ(dangling.SecondReagent(), nullptr);
    EXPECT_EQ(dangling.secondReagentShare, 0.0);
}

TEST_F(BufferTest, RecordIsWrittenInTheStoredLayout) {
    Buffer buffer = bufferOf("acetic acid", "sodium acetate", "acetic acid");
    buffer.name = "acetic acid/sodium acetate";
    buffer.id = 12;
    buffer.isDefaultVariant = true;
    buffer.baseExcess = 0.002;
    buffer.capacityCurve.assign(Buffer::kCapacityCurvePoints, 1.0);
    EXPECT_EQ(testing::store([&](Archive& archive) { buffer.Serialize(archive); }),
              variantRecord(0x10000, 0.002, 6));
}

TEST_F(BufferTest, ShortRecordIsAnEndOfFileError) {
    const ClassRegistry registry = makeProgramClassRegistry();
    std::string bytes = variantRecord(0x10000, 0.0, 6);
    bytes.resize(bytes.size() - 3);
    std::istringstream in(bytes);
    Archive archive(in, registry, testing::kTestFileName);
    Buffer buffer(*program);
    EXPECT_EQ(testing::errorKindOf([&] { buffer.Serialize(archive); }),
              ArchiveErrorKind::endOfFile);
}

}  // namespace
}  // namespace solvara
