#include "core/program/program_model.h"
#include "core/program/starter_content.h"
#include "core/program/starter_element_table.h"

namespace solvara {

std::shared_ptr<ProgramModel> makeStarterProgramModel() {
    auto program = std::make_shared<ProgramModel>();
    program->elements = makeStarterElementTable();
    loadStarterAcids(program->acids, program->elements);
    loadStarterReagents(*program);
    loadStarterSalts(program->salts, program->elements);
    loadStarterBuffers(*program);
    return program;
}

}  // namespace solvara
