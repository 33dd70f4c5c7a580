#include "core/text/list_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace solvara {
namespace {

using Texts = std::vector<std::string>;

Texts listed(std::string_view filterText, const Texts& items) {
    const ListFilter filter(filterText);
    Texts shown;
    for (const std::string& item : items)
        if (filter.passes(item)) shown.push_back(item);
    return shown;
}

const Texts names{"acetic acid",      "citric acid",     "EDTA",         "hydrochloric acid",
                  "sodium hydroxide", "Sodium chloride", "SODIUM AZIDE", ""};

TEST(ListFilter, EmptyFilterAndSingleFullStopListEverything) {
    EXPECT_EQ(listed("", names), names);
    EXPECT_EQ(listed(".", names), names);
    // Any other pattern needs a non-empty match, which an empty text cannot give.
    EXPECT_EQ(listed(" .", names), Texts(names.begin(), names.end() - 1));
}

TEST(ListFilter, PatternErrorListsNothing) {
    EXPECT_EQ(listed("[aci", names), Texts{});
    EXPECT_EQ(listed("acid)", names), Texts{});
    EXPECT_EQ(listed("$acid", names), Texts{});
}

TEST(ListFilter, NamesContainingThePatternAnywhereAreListed) {
    EXPECT_EQ(listed("acid", names), (Texts{"acetic acid", "citric acid", "hydrochloric acid"}));
    EXPECT_EQ(listed("acetic acid", names), Texts{});
    EXPECT_EQ(listed("acetic\\ acid", names), Texts{"acetic acid"});
    EXPECT_EQ(listed("acetic[ ]acid", names), Texts{"acetic acid"});
}

TEST(ListFilter, CaseIsMatchedExactlyUnlessTheCasePostfixSaysOtherwise) {
    EXPECT_EQ(listed("[Ss]odium", names), (Texts{"sodium hydroxide", "Sodium chloride"}));
    EXPECT_EQ(listed("(Sodium)\\i", names), (Texts{"sodium hydroxide", "Sodium chloride"}));
    EXPECT_EQ(listed("(SODIUM)\\i", names),
              (Texts{"sodium hydroxide", "Sodium chloride", "SODIUM AZIDE"}));
}

TEST(ListFilter, FormulaMarkupIsOrdinaryText) {
    const Texts formulas{"H_3PO_4", "NaH_2PO_4", "2Na^+,HPO_4^{2-}",
                         "NaOH",    "HCl",       "2Na^+,SO_4^{2-}"};
    EXPECT_EQ(listed("PO_4", formulas), (Texts{"H_3PO_4", "NaH_2PO_4", "2Na^+,HPO_4^{2-}"}));
    EXPECT_EQ(listed("^{2-}", formulas), (Texts{"2Na^+,HPO_4^{2-}", "2Na^+,SO_4^{2-}"}));
    EXPECT_EQ(listed("Na^+", formulas), (Texts{"2Na^+,HPO_4^{2-}", "2Na^+,SO_4^{2-}"}));
}

}  // namespace
}  // namespace solvara
