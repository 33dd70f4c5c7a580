#include "core/program/starter_content.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/chemistry/chemical_formula.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

class StarterContentTest : public ::testing::Test {
  protected:
    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_F(StarterContentTest, DatabasesHoldTheRowsInTableOrderUnmodified) {
    EXPECT_FALSE(program->IsModified());
    ASSERT_EQ(program->acids.Count(), 10);
    ASSERT_EQ(program->reagents.Count(), 16);
    ASSERT_EQ(program->salts.Count(), 8);
    EXPECT_EQ(program->acids.nextId(), 10);
    EXPECT_EQ(program->reagents.nextId(), 16);
    EXPECT_EQ(program->salts.nextId(), 8);
    for (int position = 0; position < 10; ++position)
        EXPECT_EQ(program->acids.At(position).id, position + 1);
    for (int position = 0; position < 16; ++position) {
        const Reagent& reagent = program->reagents.At(position);
        EXPECT_EQ(reagent.id, position + 1);
        EXPECT_TRUE(reagent.analysed) << reagent.name << ": " << reagent.analysisLog;
    }
    EXPECT_EQ(program->acids.At(0).name, "acetic acid");
    EXPECT_EQ(program->acids.At(9).name, "HEPES");
    EXPECT_EQ(program->reagents.At(13).name, "acetic buffer pH=4.00");
    EXPECT_EQ(program->salts.DefaultSalt()->name, "sodium chloride, 1M");
    EXPECT_EQ(program->salts.FindByName("magnesium chloride, solid")->ionicStrengthFactor, 6);
}

TEST_F(StarterContentTest, AChangeToAnyDatabaseModifiesTheProgram) {
    program->salts.Remove(8);
    EXPECT_TRUE(program->IsModified());
    program->salts.clearModified();
    Reagent copy = program->reagents.At(0);
    program->reagents.Add(copy);
    EXPECT_TRUE(program->IsModified());
}

TEST_F(StarterContentTest, AcidsShowTheirNeutralFormAndFindTheirForms) {
    const BLAcid& ammonia = *program->acids.FindByName("ammonia");
    EXPECT_EQ(ammonia.formula, "NH_3");
    EXPECT_EQ(ammonia.charges[0], 1);
    EXPECT_EQ(ammonia.charges[1], 0);
    EXPECT_EQ(program->acids.FindByName("sulphuric acid")->formula, "H_2SO_4");
    EXPECT_EQ(program->acids.FindByFormula("HPO_4^{2-}")->name, "phosphoric acid");
    EXPECT_EQ(program->acids.FindByFormula("Cl^-")->name, "hydrochloric acid");
    EXPECT_EQ(program->acids.FindByFormula("Na^+")->name, "sodium hydroxide");
    const BLAcid& edta = *program->acids.FindByName("EDTA");
    EXPECT_EQ(edta.steps, 4);
    EXPECT_EQ(edta.charges[4], -4);
    EXPECT_DOUBLE_EQ(program->acids.FindByName("phosphoric acid")->dpKadT[2], -0.026);
}

TEST_F(StarterContentTest, MoietiesGiveTheAcidFormulasTheirMolarMasses) {
    for (const char* symbol : {"Citrate", "HEPES", "Acetate"}) {
        EXPECT_GE(program->elements.find(symbol), ElementTable::kFirstMoiety) << symbol;
    }
    EXPECT_NEAR(ChemicalFormula(program->elements, "HAcetate").molarMass(), 60.05, 0.01);
    EXPECT_NEAR(program->acids.FindByName("citric acid")->molarMass, 192.12, 0.01);
}

TEST_F(StarterContentTest, SaltsKeepTheDataSetOfANewSalt) {
    const InertSalt& solid = *program->salts.FindByName("potassium perchlorate, solid");
    EXPECT_TRUE(solid.isSolid);
    EXPECT_EQ(solid.concentration, 0.0);
    EXPECT_EQ(solid.concentrationData.formula, "");
    EXPECT_NEAR(solid.molarMass, 138.55, 0.01);
}

TEST_F(StarterContentTest, BuffersResolveTheirReagentsAndMainComponentsWithIdsInTableOrder) {
    struct Row {
        const char* group;
        const char* variant;
        bool isDefault;
        double secondShare;
    };
    const Row rows[] = {
        {"acetate buffer", "acetic acid/sodium acetate", true, 1.0},
        {"acetate buffer", "acetic acid/sodium hydroxide", false, 0.0},
        {"ammonia buffer", "ammonia/ammonium chloride", true, 1.0},
        {"ammonia buffer", "ammonia/hydrochloric acid", false, 0.0},
        {"ammonia buffer", "ammonium chloride/sodium hydroxide", false, 0.0},
        {"phosphate buffer 2.2", "phosphoric acid/sodium dihydrogenphosphate", true, 1.0},
        {"phosphate buffer 2.2", "phosphoric acid/sodium hydroxide", false, 0.0},
        {"phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate", true,
         1.0},
        {"phosphate buffer 7.2", "phosphoric acid/sodium hydroxide", false, 0.0},
        {"phosphate buffer 12.4", "disodium hydrogenphosphate/trisodium phosphate", true, 1.0},
        {"phosphate buffer 12.4", "phosphoric acid/sodium hydroxide", false, 0.0},
        {"citrate buffer", "citric acid/sodium hydroxide", true, 0.0},
        {"citrate/phosphate", "phoshporic acid/trisodium citrate", false, 0.0},
        {"citrate/phosphate", "citric acid/trisodium phosphate", false, 0.0},
        {"HEPES", "HEPES/sodium hydroxide", true, 0.0},
    };
    EXPECT_EQ(program->buffers.groups().size(), 8u);
    EXPECT_EQ(program->buffers.VariantCount(), std::size(rows));
    EXPECT_EQ(program->buffers.nextId(), 15);
    int id = 0;
    for (const Row& row : rows) {
        const Buffer* buffer = program->buffers.FindVariant(row.group, row.variant);
        ASSERT_NE(buffer, nullptr) << row.group << ": " << row.variant;
        EXPECT_EQ(buffer->id, ++id) << row.variant;
        ASSERT_NE(buffer->FirstReagent(), nullptr) << row.variant;
        ASSERT_NE(buffer->SecondReagent(), nullptr) << row.variant;
        ASSERT_NE(buffer->MainComponent(), nullptr) << row.variant;
        EXPECT_EQ(buffer->isDefaultVariant, row.isDefault) << row.variant;
        EXPECT_EQ(buffer->firstReagentShare, 1.0) << row.variant;
        EXPECT_EQ(buffer->secondReagentShare, row.secondShare) << row.variant;
    }
    EXPECT_EQ(program->buffers.DefaultVariant("citrate/phosphate"), nullptr);
}

TEST_F(StarterContentTest, AChangeToTheBuffersModifiesTheProgram) {
    program->buffers.Remove("HEPES", "");
    EXPECT_TRUE(program->IsModified());
}

}  // namespace
}  // namespace solvara
