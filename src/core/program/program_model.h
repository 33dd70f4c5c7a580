#pragma once

#include <memory>

#include "core/buffer/buffer_database.h"
#include "core/buffer/inert_salt_database.h"
#include "core/chemistry/chemistry_model.h"
#include "core/program/program_defaults.h"

namespace solvara {

// Everything the program works with for a whole run: the chemistry (element
// table, acid and reagent databases, the one water ion product every solve
// shares), the inert salt and buffer databases and the program defaults, which
// hold the equilibrium constants. Whoever runs the program (the desktop
// application, the command line, a test) holds one through a std::shared_ptr
// and passes it by reference; documents share that ownership, so a model
// replaced while they are open lives on until they close.
class ProgramModel : public ChemistryModel, public std::enable_shared_from_this<ProgramModel> {
  public:
    // An empty element table, empty databases and the built-in defaults.
    ProgramModel();

    // Some part changed since it was last read, written or filled.
    bool IsModified() const noexcept;

    const EquilibriumConstants& constants() const noexcept override { return defaults; }

    InertSaltDatabase salts;
    BufferDatabase buffers;
    ProgramDefaults defaults;
};

// A program model holding the starter content: the built-in elements with
// the starter moieties, and the starter acids, reagents, inert salts and
// buffers, none of it modified.
std::shared_ptr<ProgramModel> makeStarterProgramModel();

}  // namespace solvara
