#include "core/chemistry/reagent_database.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/program/program_class_registry.h"
#include "core/program/program_model.h"
#include "support/archive_test_support.h"

namespace solvara {
namespace {

class ReagentDatabaseTest : public ::testing::Test {
  protected:
    Reagent reagent(const std::string& name, const std::string& formula) {
        Reagent result(*program);
        result.name = name;
        result.formula = formula;
        result.concentration = 1.0;
        result.analyze(true);
        return result;
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    ReagentDatabase reagents;
};

TEST_F(ReagentDatabaseTest, AddGivesTheNextIdToTheCallerAndTheCopy) {
    Reagent salt = reagent("salt", "Na^+,Cl^-");
    ASSERT_TRUE(reagents.Add(salt));
    EXPECT_EQ(salt.id, 1);
    EXPECT_EQ(reagents.FindById(1)->name, "salt");
    EXPECT_EQ(reagents.FindByFormula("Na^+,Cl^-"), &reagents.At(0));
    EXPECT_EQ(reagents.FindByName("salt"), &reagents.At(0));
    EXPECT_TRUE(reagents.isModified());
}

TEST_F(ReagentDatabaseTest, StoredReagentsLookUpTheProgramsAcids) {
    BLAcidDatabase documentAcids(program->elements);
    Reagent fromDocument = reagent("hydrochloric acid", "HCl");
    fromDocument.setAcidDatabase(&documentAcids);
    reagents.Add(fromDocument);
    EXPECT_EQ(reagents.At(0).acidDatabase(), &program->acids);
    reagents.Replace(fromDocument);
    EXPECT_EQ(reagents.At(0).acidDatabase(), &program->acids);
    EXPECT_EQ(fromDocument.acidDatabase(), &documentAcids);
}

TEST_F(ReagentDatabaseTest, ReplaceExchangesOnlyTheReplacedReagentsKeys) {
    Reagent first = reagent("shared", "HCl");
    Reagent second = reagent("shared", "NaOH");
    reagents.Add(first);
    reagents.Add(second);
    ASSERT_EQ(reagents.FindByName("shared")->id, 2);

    Reagent renamed = reagents.At(0);
    renamed.name = "renamed";
    renamed.formula = "HAcetate";
    reagents.clearModified();
    reagents.Replace(renamed);
    EXPECT_TRUE(reagents.isModified());
    EXPECT_EQ(reagents.At(0).name, "renamed");
    EXPECT_EQ(reagents.FindByName("renamed"), &reagents.At(0));
    EXPECT_EQ(reagents.FindByFormula("HAcetate"), &reagents.At(0));
    EXPECT_EQ(reagents.FindByFormula("HCl"), nullptr);
    EXPECT_EQ(reagents.FindByName("shared")->id, 2);
    EXPECT_EQ(reagents.FindById(1), &reagents.At(0));

    // Renaming the newer of two reagents that share a name forgets the name only for it.
    reagents.Add(first);  // id 3, "shared" -> position 2
    Reagent third = reagents.At(2);
    third.name = "third";
    reagents.Replace(third);
    EXPECT_EQ(reagents.FindByName("shared"), nullptr);
    EXPECT_EQ(reagents.FindByName("third")->id, 3);

    renamed.id = 99;
    reagents.clearModified();
    reagents.Replace(renamed);
    EXPECT_FALSE(reagents.isModified());
}

TEST_F(ReagentDatabaseTest, CountsEveryEntryOfAnAcidOverAllReagents) {
    Reagent phosphate = reagent("disodium phosphate", "Na^+,Na^+,HPO_4^{2-}");
    Reagent hydroxide = reagent("sodium hydroxide", "NaOH");
    reagents.Add(phosphate);
    reagents.Add(hydroxide);
    EXPECT_EQ(reagents.CountReagentsUsingAcid(8), 3);
    EXPECT_EQ(reagents.CountReagentsUsingAcid(4), 1);
    EXPECT_EQ(reagents.CountReagentsUsingAcid(1), 0);
}

TEST_F(ReagentDatabaseTest, ReadBackReagentsAreAnalysedAgainstTheProgramOfTheArchive) {
    Reagent phosphate = reagent("disodium phosphate", "2Na^+,HPO_4^{2-}");
    reagents.Add(phosphate);
    reagents.Remove(1);
    reagents.Add(phosphate);
    const std::string bytes =
        testing::store([&](Archive& archive) { reagents.Serialize(archive); });

    std::istringstream in(bytes);
    const ClassRegistry registry = makeProgramClassRegistry();
    Archive archive(in, registry, testing::kTestFileName);
    archive.setChemistryModel(program.get());
    ReagentDatabase loaded;
    loaded.Serialize(archive);
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_EQ(loaded.nextId(), 2);
    const Reagent& read = loaded.At(0);
    EXPECT_EQ(read.id, 2);
    EXPECT_TRUE(read.analysed);
    EXPECT_EQ(read.acidMultipliers, phosphate.acidMultipliers);
    EXPECT_EQ(read.program(), program.get());
}

}  // namespace
}  // namespace solvara
