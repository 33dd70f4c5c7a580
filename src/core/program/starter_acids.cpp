#include <array>
#include <string_view>

#include "core/program/starter_content.h"

namespace solvara {

namespace {

struct StarterAcid {
    std::string_view name;
    std::string_view formula;
    int steps;
    std::array<std::string_view, BLAcid::kMaxSteps + 1> forms;
    BLAcid::StepValues pKa;
    BLAcid::StepValues dpKadT;
};

// Bases are entered as their conjugate acids: form 0 is the protonated one.
constexpr std::array<StarterAcid, 10> kStarterAcids = {{
    {"acetic acid", "HAcetate", 1, {"HAcetate", "Acetate^-"}, {4.757}, {-0.0002}},
    {"EDTA",
     "C_{10}H_{16}N_2O_8",
     4,
     {"C_{10}H_{16}N_2O_8", "C_{10}H_{15}N_2O_8^-", "C_{10}H_{14}N_2O_8^{2-}",
      "C_{10}H_{13}N_2O_8^{3-}", "C_{10}H_{12}N_2O_8^{4-}"},
     {2.07, 2.75, 6.24, 10.34},
     {}},
    {"hydrochloric acid", "HCl", 1, {"HCl", "Cl^-"}, {-4.0}, {}},
    {"phosphoric acid",
     "H_3PO_4",
     3,
     {"H_3PO_4", "H_2PO_4^-", "HPO_4^{2-}", "PO_4^{3-}"},
     {2.148, 7.199, 12.35},
     {0.0044, -0.0028, -0.026}},
    {"sulphuric acid", "H_2SO_4", 2, {"H_2SO_4", "HSO_4^-", "SO_4^{2-}"}, {-3.0, 1.99}, {}},
    {"ammonia", "NH_3", 1, {"NH_4^+", "NH_3"}, {9.25}, {-0.031}},
    {"aniline", "C_6H_5NH_2", 1, {"C_6H_5NH_3^+", "C_6H_5NH_2"}, {4.6}, {}},
    {"sodium hydroxide", "NaOH", 1, {"Na^+", "NaOH"}, {13.8}, {}},
    {"citric acid",
     "H_3Citrate",
     3,
     {"H_3Citrate", "H_2Citrate^-", "HCitrate^{2-}", "Citrate^{3-}"},
     {3.128, 4.761, 6.396},
     {}},
    {"HEPES", "HHEPES", 1, {"HHEPES", "HEPES^-"}, {7.66}, {-0.014}},
}};

}  // namespace

void loadStarterAcids(BLAcidDatabase& acids, const ElementTable& table) {
    BLAcid acid;
    for (const StarterAcid& row : kStarterAcids) {
        acid.name = row.name;
        acid.setFormula(row.formula, table);
        acid.steps = row.steps;
        for (std::size_t form = 0; form < row.forms.size(); ++form)
            acid.forms[form] = row.forms[form];
        acid.pKa = row.pKa;
        acid.dpKadT = row.dpKadT;
        acid.updateDerived();
        acid.updateCharges(table);
        acids.Add(acid, true);
    }
    acids.clearModified();
}

}  // namespace solvara
