#include "core/program/reagent_replacement.h"

namespace solvara {

void ReplaceReagent(ProgramModel& program, const Reagent& reagent) {
    program.reagents.Replace(reagent);
    const Reagent* stored = program.reagents.FindById(reagent.id);
    if (stored == nullptr) return;
    for (const auto& [groupName, group] : program.buffers.groups()) {
        for (const auto& [variantName, variant] : group->variants) {
            if (variant->firstReagentId == stored->id) variant->SetFirstReagent(*stored);
            if (variant->secondReagentId == stored->id) variant->SetSecondReagent(*stored);
        }
    }
}

}  // namespace solvara
