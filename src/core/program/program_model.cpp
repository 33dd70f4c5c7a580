#include "core/program/program_model.h"

namespace solvara {

ProgramModel::ProgramModel() { ResetProgramDefaults(defaults); }

bool ProgramModel::IsModified() const noexcept {
    return elements.modified() || acids.isModified() || reagents.isModified() ||
           salts.isModified() || buffers.isModified();
}

}  // namespace solvara
