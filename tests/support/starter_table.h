#pragma once

#include <string>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/composition.h"
#include "core/chemistry/element_table.h"

namespace solvara::testing {

// The built-in elements alone.
inline ElementTable builtInTable() {
    ElementTable table;
    table.loadBuiltIn();
    return table;
}

// The built-in elements plus the starter moieties, each weighing what its composition weighs.
inline ElementTable starterTable() {
    ElementTable table;
    table.loadBuiltIn();
    const auto addMoiety = [&table](const char* symbol, const char* composition,
                                    const char* comment) {
        const double mass = ChemicalFormula(table, composition).molarMassOfList();
        table.add({symbol, composition, comment, mass, 4});
    };
    addMoiety("Citrate", "C6H5O7", "");
    addMoiety("HEPES", "C8H17N2O4S", "4-(2-Hydroxyethyl)piperazine-1-ethanesulfonic acid");
    addMoiety("Acetate", "CH3COO", "");
    return table;
}

// "O:4 S:1 charge:-2": the non-zero slots in table order, the charge last.
inline std::string describe(const ElementTable& table, const Composition& composition) {
    std::string text;
    for (int slot = 1; slot < composition.size() && slot < table.count(); ++slot) {
        if (composition[slot] == 0) continue;
        if (!text.empty()) text += ' ';
        text += table[slot].symbol + ':' + std::to_string(composition[slot]);
    }
    if (composition.charge() != 0) {
        if (!text.empty()) text += ' ';
        text += "charge:" + std::to_string(composition.charge());
    }
    return text;
}

}  // namespace solvara::testing
