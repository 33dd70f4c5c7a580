#include "core/chemistry/reagent_database.h"

#include <memory>

namespace solvara {

bool ReagentDatabase::Add(Reagent& reagent) {
    const auto id = issueId();
    if (!id) return false;
    reagent.id = *id;
    append(std::make_unique<Reagent>(reagent)).setAcidDatabase(nullptr);
    return true;
}

// Only the stored reagent's own keys are exchanged; the other indexes stay
// as they are, so a name another reagent shares keeps naming that one.
void ReagentDatabase::Replace(const Reagent& reagent) {
    const int position = idIndex_.find(reagent.id);
    if (position == PositionIndex<std::int32_t>::kNone) return;
    Reagent& stored = At(position);
    nameIndex_.eraseIfAt(stored.name, position);
    formulaIndex_.eraseIfAt(stored.formula, position);
    stored = reagent;
    stored.setAcidDatabase(nullptr);
    nameIndex_.store(stored.name, position);
    formulaIndex_.store(stored.formula, position);
    markModified();
}

int ReagentDatabase::CountReagentsUsingAcid(std::int32_t acidId) const {
    int uses = 0;
    for (int position = Count() - 1; position >= 0; --position) {
        uses += At(position).countAcidUses(acidId);
    }
    return uses;
}

}  // namespace solvara
