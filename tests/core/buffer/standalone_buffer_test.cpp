#include "core/buffer/standalone_buffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "core/program/program_class_registry.h"
#include "core/program/program_model.h"
#include "support/archive_test_support.h"

namespace solvara {
namespace {

class StandaloneBufferTest : public ::testing::Test {
  protected:
    const Reagent& reagent(const std::string& name) { return *program->reagents.FindByName(name); }
    std::int32_t acidId(const std::string& name) { return program->acids.FindByName(name)->id; }

    // A database variant: ammonium chloride and sodium hydroxide, ammonia as
    // main component.
    Buffer ammoniaVariant() {
        Buffer buffer(*program);
        buffer.name = "ammonium chloride/sodium hydroxide";
        buffer.id = 5;
        buffer.baseExcess = 0.001;
        buffer.SetFirstReagent(reagent("ammonium chloride"));
        buffer.SetSecondReagent(reagent("sodium hydroxide"));
        buffer.SetMainComponent(acidId("ammonia"));
        return buffer;
    }

    static std::vector<std::string> acidNames(const BLAcidDatabase& acids) {
        std::vector<std::string> names;
        for (int i = 0; i < acids.Count(); ++i) names.push_back(acids.At(i).name);
        return names;
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_F(StandaloneBufferTest, AssignedFromAVariantItNoLongerDependsOnTheDatabase) {
    StandaloneBuffer buffer(*program);
    buffer.capacityCurveKey = {9.0, 0.1, 25.0, 0.0};
    const Buffer variant = ammoniaVariant();
    buffer = variant;

    EXPECT_EQ(buffer.name, "ammonium chloride/sodium hydroxide");
    EXPECT_EQ(buffer.id, 5);
    EXPECT_EQ(buffer.baseExcess, 0.001);
    EXPECT_EQ(buffer.capacityCurveKey.pH, 9.0);
    // Ammonium chloride brings chloride, the base form of hydrochloric acid.
    EXPECT_EQ(acidNames(buffer.acidDatabase()),
              (std::vector<std::string>{"sodium hydroxide", "ammonia", "hydrochloric acid"}));
    EXPECT_EQ(buffer.FirstReagent()->acidDatabase(), &buffer.acidDatabase());
    EXPECT_EQ(buffer.SecondReagent()->acidDatabase(), &buffer.acidDatabase());

    program->reagents.Remove(variant.firstReagentId);
    program->acids.Remove(acidId("ammonia"));
    EXPECT_EQ(variant.FirstReagent(), nullptr);
    EXPECT_EQ(buffer.FirstReagent()->name, "ammonium chloride");
    EXPECT_EQ(buffer.MainComponent()->name, "ammonia");
    EXPECT_EQ(buffer.FirstReagent()->acid(0), buffer.MainComponent());
    buffer.RecomputeShares();
    EXPECT_EQ(buffer.firstReagentShare, 1.0);
}

TEST_F(StandaloneBufferTest, AVariantWithAMissingReagentGivesAnEmptyPrivateReagent) {
    Buffer variant = ammoniaVariant();
    program->reagents.Remove(variant.secondReagentId);
    StandaloneBuffer buffer(*program);
    buffer = variant;
    buffer.MakeNameFromReagents();
    EXPECT_EQ(buffer.name, "ammonium chloride+?");
    EXPECT_EQ(buffer.SecondReagent()->acidCount(), 0);
    EXPECT_EQ(acidNames(buffer.acidDatabase()),
              (std::vector<std::string>{"ammonia", "hydrochloric acid"}));
}

TEST_F(StandaloneBufferTest, SettingAReagentRebuildsThePrivateAcids) {
    StandaloneBuffer buffer(*program);
    buffer = ammoniaVariant();
    buffer.SetSecondReagent(reagent("hydrochloric acid"));
    EXPECT_EQ(acidNames(buffer.acidDatabase()),
              (std::vector<std::string>{"ammonia", "hydrochloric acid"}));
    EXPECT_EQ(buffer.mainComponentId, acidId("ammonia"));
    EXPECT_EQ(buffer.SecondReagent()->acidDatabase(), &buffer.acidDatabase());

    // The reagent handed in may be the buffer's own.
    buffer.SetFirstReagent(*buffer.SecondReagent());
    EXPECT_EQ(buffer.FirstReagent()->name, "hydrochloric acid");
    EXPECT_EQ(acidNames(buffer.acidDatabase()), std::vector<std::string>{"hydrochloric acid"});
    EXPECT_FALSE(buffer.HasMainComponent());
}

TEST_F(StandaloneBufferTest, CopiesOwnTheirReagentsAndAcidsInTheSameOrder) {
    StandaloneBuffer original(*program);
    original = ammoniaVariant();
    original.acidDatabase().Add(program->acids.At(0), false);
    const std::vector<std::string> names = acidNames(original.acidDatabase());

    StandaloneBuffer copy(original);
    StandaloneBuffer assigned(*program);
    assigned = original;
    for (const StandaloneBuffer* buffer : {&copy, &assigned}) {
        EXPECT_EQ(acidNames(buffer->acidDatabase()), names);
        EXPECT_NE(buffer->FirstReagent(), original.FirstReagent());
        EXPECT_EQ(buffer->FirstReagent()->acidDatabase(), &buffer->acidDatabase());
        EXPECT_EQ(buffer->SecondReagent()->acidDatabase(), &buffer->acidDatabase());
        EXPECT_EQ(buffer->MainComponent()->name, "ammonia");
    }
}

TEST_F(StandaloneBufferTest, ReadsBackAsARunTimeTypedObjectWithItsOwnAcids) {
    StandaloneBuffer original(*program);
    original = ammoniaVariant();
    const std::string bytes =
        testing::store([&](Archive& archive) { archive.writeObject(&original); });

    // The program loses the acid; the document's copy must still find it.
    program->acids.Remove(acidId("ammonia"));
    const ClassRegistry registry = makeProgramClassRegistry();
    std::istringstream in(bytes);
    Archive archive(in, registry, testing::kTestFileName);
    archive.setChemistryModel(program.get());
    const std::shared_ptr<Buffer> loaded = archive.readObjectAs<Buffer>();

    ASSERT_EQ(&loaded->classInfo(), &StandaloneBuffer::staticClassInfo());
    const auto& buffer = dynamic_cast<const StandaloneBuffer&>(*loaded);
    EXPECT_EQ(buffer.name, original.name);
    EXPECT_EQ(buffer.baseExcess, 0.001);
    EXPECT_EQ(buffer.FirstReagent()->name, "ammonium chloride");
    EXPECT_EQ(buffer.FirstReagent()->acidDatabase(), &buffer.acidDatabase());
    EXPECT_EQ(buffer.FirstReagent()->acid(0), buffer.MainComponent());
    EXPECT_EQ(buffer.firstReagentShare, 1.0);
    EXPECT_EQ(buffer.secondReagentShare, 0.0);
}

TEST_F(StandaloneBufferTest, TruncatedRecordIsAnEndOfFileError) {
    StandaloneBuffer original(*program);
    original = ammoniaVariant();
    std::string bytes = testing::store([&](Archive& archive) { original.Serialize(archive); });
    const ClassRegistry registry = makeProgramClassRegistry();
    for (const std::size_t size : {std::size_t{3}, bytes.size() / 2, bytes.size() - 1}) {
        std::istringstream in(bytes.substr(0, size));
        Archive archive(in, registry, testing::kTestFileName);
        archive.setChemistryModel(program.get());
        StandaloneBuffer buffer(*program);
        EXPECT_EQ(testing::errorKindOf([&] { buffer.Serialize(archive); }),
                  ArchiveErrorKind::endOfFile)
            << size;
    }
}

}  // namespace
}  // namespace solvara
