#include <gtest/gtest.h>

#include <memory>

#include "core/program/buffer_variant_edits.h"
#include "core/program/inert_salt_rules.h"
#include "core/program/program_model.h"
#include "core/program/reagent_replacement.h"

namespace solvara {
namespace {

class EditorRulesTest : public ::testing::Test {
  protected:
    InertSalt salt(const char* name) { return *program->salts.FindByName(name); }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

// The starter default salt is "sodium chloride, 1M".
TEST_F(EditorRulesTest, TheSaltDatabaseKeepsOneDefault) {
    using namespace inert_salt_messages;
    const InertSaltDatabase& salts = program->salts;
    InertSalt standard = salt("sodium chloride, 1M");
    InertSalt other = salt("potassium chloride, 1M");

    EXPECT_EQ(SaltRemovalQuestion(salts, standard.id), kDeleteDefault);
    EXPECT_EQ(SaltRemovalQuestion(salts, other.id), std::nullopt);

    EXPECT_EQ(SaltChangeQuestion(salts, standard), std::nullopt);
    EXPECT_EQ(SaltChangeRefusal(salts, standard), std::nullopt);
    standard.isDefault = false;
    EXPECT_EQ(SaltChangeQuestion(salts, standard), kNoDefaultAfterChange);

    other.isDefault = true;
    EXPECT_EQ(SaltChangeRefusal(salts, other), kTwoDefaults);
    EXPECT_EQ(SaltAddRefusal(salts, other), kDefaultExists);
    other.isDefault = false;
    EXPECT_EQ(SaltAddRefusal(salts, other), std::nullopt);

    program->salts.Remove(salt("sodium chloride, 1M").id);
    other.isDefault = true;
    EXPECT_EQ(SaltAddRefusal(salts, other), std::nullopt);
    EXPECT_EQ(SaltChangeRefusal(salts, other), std::nullopt);
}

class BufferVariantEditsTest : public EditorRulesTest {
  protected:
    static constexpr const char* kGroup = "acetate buffer";
    static constexpr const char* kDefault = "acetic acid/sodium acetate";
    static constexpr const char* kOther = "acetic acid/sodium hydroxide";

    Buffer variant(const char* name) { return *program->buffers.FindVariant(kGroup, name); }
    int defaults() {
        int count = 0;
        for (const auto& [name, buffer] : program->buffers.FindGroup(kGroup)->variants)
            count += buffer->isDefaultVariant ? 1 : 0;
        return count;
    }
};

TEST_F(BufferVariantEditsTest, AStoredDefaultTakesTheMarkFromTheGroupsDefault) {
    Buffer added = variant(kOther);
    added.name = "copy";
    added.isDefaultVariant = true;
    EXPECT_EQ(DisplacedDefault(program->buffers, kGroup, added)->name, kDefault);
    ASSERT_NE(AddVariantAsOnlyDefault(program->buffers, kGroup, added), nullptr);
    EXPECT_EQ(defaults(), 1);
    EXPECT_TRUE(program->buffers.DefaultVariant(kGroup)->name == "copy");

    // The replaced variant itself is never displaced.
    Buffer modified = variant("copy");
    modified.name = "renamed";
    EXPECT_EQ(DisplacedDefault(program->buffers, kGroup, modified, "copy"), nullptr);

    Buffer old = variant(kDefault);
    old.isDefaultVariant = true;
    ASSERT_TRUE(ReplaceVariantAsOnlyDefault(program->buffers, kGroup, kDefault, old));
    EXPECT_EQ(defaults(), 1);
    EXPECT_EQ(program->buffers.DefaultVariant(kGroup)->name, kDefault);
}

TEST_F(BufferVariantEditsTest, ARefusedChangeLeavesTheDefaultMarked) {
    Buffer clash = variant(kOther);
    clash.isDefaultVariant = true;
    program->buffers.clearModified();
    EXPECT_EQ(AddVariantAsOnlyDefault(program->buffers, kGroup, clash), nullptr);
    EXPECT_FALSE(ReplaceVariantAsOnlyDefault(program->buffers, "no such group", kOther, clash));
    clash.name = kDefault;  // taken by another variant
    EXPECT_FALSE(ReplaceVariantAsOnlyDefault(program->buffers, kGroup, kOther, clash));
    EXPECT_EQ(program->buffers.DefaultVariant(kGroup)->name, kDefault);
    EXPECT_FALSE(program->buffers.isModified());
}

}  // namespace
}  // namespace solvara

namespace solvara {
namespace {

TEST_F(EditorRulesTest, AReplacedReagentUpdatesTheVariantsUsingIt) {
    Reagent halved = *program->reagents.FindByName("disodium hydrogenphosphate");
    halved.formula = "2Na^+,HPO_4^{2-};div=2";
    ASSERT_TRUE(halved.analyze(true));
    ReplaceReagent(*program, halved);
    const Buffer& phosphate = *program->buffers.FindVariant(
        "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate");
    EXPECT_DOUBLE_EQ(phosphate.secondReagentShare, 0.5);
    EXPECT_DOUBLE_EQ(phosphate.firstReagentShare, 1.0);

    Reagent notCitric = *program->reagents.FindByName("citric acid");
    notCitric.formula = "HCl";
    ASSERT_TRUE(notCitric.analyze(true));
    ReplaceReagent(*program, notCitric);
    const Buffer& citrate =
        *program->buffers.FindVariant("citrate buffer", "citric acid/sodium hydroxide");
    EXPECT_FALSE(citrate.HasMainComponent());
    EXPECT_EQ(program->reagents.FindByName("citric acid")->formula, "HCl");
}

}  // namespace
}  // namespace solvara
