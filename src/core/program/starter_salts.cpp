#include <array>
#include <cstdint>
#include <string_view>

#include "core/program/starter_content.h"

namespace solvara {

namespace {

struct StarterSalt {
    std::string_view name;
    std::string_view formula;
    double concentration;  // of the stock, mol/L
    std::int32_t ionicStrengthFactor;
    bool isSolid;
};

constexpr std::array<StarterSalt, 8> kStarterSalts = {{
    {"sodium chloride, 1M", "Na^+,Cl^-", 1.0, 2, false},
    {"sodium chloride, solid", "Na^+,Cl^-", 0.0, 2, true},
    {"potassium chloride, 1M", "K^+,Cl^-", 1.0, 2, false},
    {"potassium chloride, solid", "K^+,Cl^-", 0.0, 2, true},
    {"magnesium chloride, 1M", "Mg^{2+},2Cl^-", 1.0, 6, false},
    {"magnesium chloride, solid", "Mg^{2+},2Cl^-", 0.0, 6, true},
    {"potassium perchlorate, 1M", "K^+,ClO_4^-", 1.0, 2, false},
    {"potassium perchlorate, solid", "K^+,ClO_4^-", 0.0, 2, true},
}};

}  // namespace

// The first salt is the default. Each salt keeps the concentration data of
// a new salt.
void loadStarterSalts(InertSaltDatabase& salts, const ElementTable& table) {
    InertSalt salt;
    bool first = true;
    for (const StarterSalt& row : kStarterSalts) {
        salt.name = row.name;
        salt.setFormula(row.formula, table);
        salt.concentration = row.concentration;
        salt.ionicStrengthFactor = row.ionicStrengthFactor;
        salt.isSolid = row.isSolid;
        salt.isDefault = first;
        first = false;
        salts.Add(salt);
    }
    salts.clearModified();
}

}  // namespace solvara
