#include "core/program/starter_element_table.h"

namespace solvara {

ElementTable makeStarterElementTable() {
    ElementTable table;
    table.loadBuiltIn();
    table.add({"Citrate", "C6H5O7", "", 189.0997, 4});
    table.add(
        {"HEPES", "C8H17N2O4S", "4-(2-Hydroxyethyl)piperazine-1-ethanesulfonic acid", 237.2966, 4});
    table.add({"Acetate", "CH3COO", "", 59.044, 4});
    table.clearModified();
    return table;
}

}  // namespace solvara
