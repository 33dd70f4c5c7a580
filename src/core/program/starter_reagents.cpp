#include <array>
#include <string_view>

#include "core/program/starter_content.h"

namespace solvara {

namespace {

struct StarterReagent {
    std::string_view name;
    std::string_view formula;
    double concentration;  // of the stock, mol/L
    bool isSolid;
};

constexpr std::array<StarterReagent, 16> kStarterReagents = {{
    {"acetic acid", "HAcetate", 1.0, false},
    {"sodium hydroxide", "NaOH", 1.0, false},
    {"ammonia", "NH_3", 1.0, false},
    {"ammonium chloride", "NH_4^+,Cl^-", 1.0, false},
    {"hydrochloric acid", "HCl", 1.0, false},
    {"sodium acetate", "Na^+,Acetate^-", 0.3, false},
    {"sodium acetate, solid", "Na^+,Acetate^-", 1.0, true},
    {"phosphoric acid", "H_3PO_4", 1.0, false},
    {"sodium dihydrogenphosphate", "Na^+,H_2PO_4^-", 0.5, false},
    {"disodium hydrogenphosphate", "2Na^+,HPO_4^{2-}", 1.0, false},
    {"trisodium phosphate", "3Na^+,PO_4^{3-}", 1.0, false},
    {"citric acid", "H_3Citrate", 1.0, false},
    {"trisodium citrate", "3Na^+,Citrate^{3-}", 1.0, false},
    {"acetic buffer pH=4.00", "HAcetate/NaOH;pH=4.00", 1.0, false},
    {"acetic buffer pH=5.00", "HAcetate/NaOH;pH=5.00", 0.1, false},
    {"HEPES free acid", "HHEPES", 1.0, false},
}};

}  // namespace

void loadStarterReagents(ProgramModel& program) {
    Reagent reagent(program);
    for (const StarterReagent& row : kStarterReagents) {
        reagent.name = row.name;
        reagent.formula = row.formula;
        reagent.concentration = row.concentration;
        reagent.isSolid = row.isSolid;
        reagent.analyze(false);
        program.reagents.Add(reagent);
    }
    program.reagents.clearModified();
}

}  // namespace solvara
