#pragma once

#include "core/chemistry/acid_chooser.h"
#include "core/chemistry/bl_acid_database.h"
#include "core/chemistry/element_table.h"
#include "core/chemistry/reagent_database.h"
#include "core/equilibrium/equilibrium_constants.h"
#include "core/equilibrium/water_ion_product.h"

namespace solvara {

// The part of the program's model that reagents, acids and every pH solve work
// with: the element table, the acid and reagent databases, the water ion
// product and the constants of the equilibrium model. The program model adds
// the rest (salts, buffers, defaults) and decides where the constants live.
// Reagents and databases point into it, so it stays where it was built.
class ChemistryModel {
  public:
    ChemistryModel() = default;
    ChemistryModel(const ChemistryModel&) = delete;
    ChemistryModel& operator=(const ChemistryModel&) = delete;
    virtual ~ChemistryModel() = default;

    virtual const EquilibriumConstants& constants() const noexcept = 0;

    ElementTable elements;
    BLAcidDatabase acids{elements};
    ReagentDatabase reagents;
    WaterIonProduct water;
    // Asked when a reagent formula names a form several acids share; without
    // one such a form resolves to no acid.
    AcidChooser* acidChooser = nullptr;
};

}  // namespace solvara
