#pragma once

#include <memory>

#include "core/buffer/buffer_database.h"
#include "core/chemistry/element_table.h"
#include "core/database/acid_chooser.h"
#include "core/database/bl_acid_database.h"
#include "core/database/inert_salt_database.h"
#include "core/database/program_defaults.h"
#include "core/database/reagent_database.h"
#include "core/equilibrium/water_ion_product.h"

namespace solvara {

// Everything the program works with for a whole run: the element table, the
// acid, reagent, inert salt and buffer databases, the program defaults and the one
// water ion product every solve shares. Whoever runs the program (the
// desktop application, the command line, a test) holds one through a
// std::shared_ptr and passes it by reference; documents share that ownership,
// so a model replaced while they are open lives on until they close.
// Reagents and databases point into it, so it stays where it was built.
class ProgramModel : public std::enable_shared_from_this<ProgramModel> {
  public:
    // An empty element table, empty databases and the built-in defaults.
    ProgramModel();
    ProgramModel(const ProgramModel&) = delete;
    ProgramModel& operator=(const ProgramModel&) = delete;

    // Some part changed since it was last read, written or filled.
    bool IsModified() const noexcept;

    ElementTable elements;
    BLAcidDatabase acids{elements};
    ReagentDatabase reagents;
    InertSaltDatabase salts;
    BufferDatabase buffers;
    ProgramDefaults defaults;
    WaterIonProduct water;
    // Asked when a reagent formula names a form several acids share; without
    // one such a form resolves to no acid.
    AcidChooser* acidChooser = nullptr;
};

// A program model holding the starter content: the built-in elements with
// the starter moieties, and the starter acids, reagents, inert salts and
// buffers, none of it modified.
std::shared_ptr<ProgramModel> makeStarterProgramModel();

}  // namespace solvara
