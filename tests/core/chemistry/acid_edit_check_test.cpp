#include "core/chemistry/acid_edit_check.h"

#include <gtest/gtest.h>

#include <string>

#include "core/chemistry/moiety_edit_check.h"
#include "core/program/starter_element_table.h"

namespace solvara {
namespace {

using namespace acid_edit_messages;

class AcidEditCheckTest : public ::testing::Test {
  protected:
    AcidEditCheckTest() {
        BLAcid acetic = acid("acetic acid", {"CH_3COOH", "CH_3COO^-"});
        acids.Add(acetic, true);
    }

    BLAcid acid(const std::string& name, std::initializer_list<std::string> forms) {
        BLAcid result;
        result.name = name;
        result.steps = static_cast<int>(forms.size()) - 1;
        std::size_t form = 0;
        for (const std::string& text : forms) result.forms[form++] = text;
        result.updateCharges(table);
        return result;
    }

    ElementTable table = makeStarterElementTable();
    BLAcidDatabase acids{table};
};

TEST_F(AcidEditCheckTest, TheFirstFailingCheckIsNamedAndDecidesAddAndModify) {
    struct Case {
        BLAcid edited;
        std::string_view problem;
        bool canModify;
        bool canAdd;
    };
    const Case cases[] = {
        {acid("formic acid", {"HCOOH", "HCOO^-"}), "", true, true},
        {acid("", {"HCOOH", "HCOO^-"}), kNameNotDefined, false, false},
        {acid("formic acid", {"HCOOH", ""}), kFormsNotUnique, false, false},
        // Equal forms are refused before their charges are looked at.
        {acid("formic acid", {"HCOOH", "HCOOH"}), kFormsNotUnique, false, false},
        {acid("formic acid", {"HCOOH", "HCOONa"}), kChargesNotConsecutive, false, false},
        {acid("acetic acid", {"HCOOH", "HCOO^-"}), kNameInUse, true, false},
        {acid("vinegar", {"CH_3COOH", "CH_3COO^-"}), kFormInDatabase, true, false},
    };
    for (const Case& c : cases) {
        const AcidEditCheck check = CheckAcidEdit(c.edited, acids, true, false);
        EXPECT_EQ(check.problem, c.problem) << c.edited.name;
        EXPECT_EQ(check.canModify, c.canModify) << c.edited.name;
        EXPECT_EQ(check.canAdd, c.canAdd) << c.edited.name;
    }
}

TEST_F(AcidEditCheckTest, ADocumentListNeverAddsAndModifyNeedsASelection) {
    const BLAcid formic = acid("formic acid", {"HCOOH", "HCOO^-"});
    const AcidEditCheck onDocument = CheckAcidEdit(formic, acids, true, true);
    EXPECT_TRUE(onDocument.canModify);
    EXPECT_FALSE(onDocument.canAdd);
    const AcidEditCheck nothingSelected = CheckAcidEdit(formic, acids, false, false);
    EXPECT_FALSE(nothingSelected.canModify);
    EXPECT_TRUE(nothingSelected.canAdd);
}

TEST(MoietyEditCheckTest, SymbolsStartWithACapitalMassesAreNotZeroElementsStay) {
    const ElementTable table = makeStarterElementTable();
    EXPECT_TRUE(CanAddMoiety(table, "Glycinate", 74.06));
    EXPECT_FALSE(CanAddMoiety(table, "glycinate", 74.06));
    EXPECT_FALSE(CanAddMoiety(table, "2Gly", 74.06));
    EXPECT_FALSE(CanAddMoiety(table, "", 74.06));
    EXPECT_FALSE(CanAddMoiety(table, "Glycinate", 0.0));
    EXPECT_FALSE(CanAddMoiety(table, "Citrate", 189.1));  // taken

    const int citrate = table.find("Citrate");
    ASSERT_GE(citrate, ElementTable::kFirstMoiety);
    EXPECT_TRUE(CanModifyMoiety(citrate, "Citrate", 189.1));
    EXPECT_FALSE(CanModifyMoiety(citrate, "citrate", 189.1));
    EXPECT_FALSE(CanModifyMoiety(table.find("Na"), "Na", 22.99));
    EXPECT_TRUE(CanRemoveEntry(citrate));
    EXPECT_FALSE(CanRemoveEntry(ElementTable::kFirstMoiety - 1));
    EXPECT_FALSE(CanRemoveEntry(-1));
}

}  // namespace
}  // namespace solvara
